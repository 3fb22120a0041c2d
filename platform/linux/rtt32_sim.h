// Controls of the Linux stand-in for RTT32DLL. It simulates physical memory
// for real: every physical range is backed by a memory file, RTMapMem maps it
// at the reserved address, and rtt32SimPhysView gives the simulated hardware
// its own view of the same bytes.
#pragma once

#include <cstdint>

extern "C" {
enum Rtt32SimCall { RTT32_SIM_FIND = 0, RTT32_SIM_RESERVE = 1, RTT32_SIM_MAP = 2 };

// RTFindPhysMem reports an existing mapping (true) or none (false, default).
void rtt32SimSetFindExisting(int existing);
// Makes RTReserveVirtualAddress or RTMapMem return a negative result.
void rtt32SimSetFail(int call, int fail);
int rtt32SimCallCount(int call);
// The flags argument of the last call of that kind.
std::uint32_t rtt32SimLastFlags(int call);
// Counters, failures and the find mode back to their defaults; the simulated
// memory keeps its contents, as physical memory does.
void rtt32SimReset(void);
// The simulated hardware's view of physical [physAddr, physAddr + size).
void* rtt32SimPhysView(std::uint32_t physAddr, std::uint32_t size);
}
