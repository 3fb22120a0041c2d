// The host program stand-in's controls (see hostprog.cpp).
#pragma once

#include <cstdint>

enum { HOSTPROG_IS_VMWARE = 0, HOSTPROG_IS_CONGATEC = 1, HOSTPROG_USE_PCI = 2, HOSTPROG_PCI_BASE = 3 };

// Reached through the global symbol scope, so the same code works whether the
// stand-in was linked in or loaded with RTLD_GLOBAL; without one, nothing.
void hostProgSetAnswers(std::int32_t vmware, std::int32_t congatec, std::int32_t usePci, std::uintptr_t pciBase);
int hostProgCallCount(int which);
