// Choosing the FPGA access back-end at start-up, from the host's
// configuration file and the host program's answers about the board.
#pragma once

#include <cstdint>

extern char lpcInputFunc; // 'M': firmware-window input, 'P': port input

void selectAccessBackend(void);
std::int32_t probeIsaBusWidth(void);
void probeLpcInputFunc(void);
bool configFileContains(const char* text);
