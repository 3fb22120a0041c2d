// Choosing the FPGA access back-end at start-up.
#pragma once

void selectAccessBackend(void);
