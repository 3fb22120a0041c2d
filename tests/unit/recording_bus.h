// The recording bus: the same primitives as platform/bus.h, making the access
// on the same memory and logging it with the interrupt state at the time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct BusAccess {
  bool write;
  int width; // 16 or 32
  std::uintptr_t address;
  std::uint32_t value;
  bool interruptsOff;
};

extern std::vector<BusAccess> g_busTrace;
extern bool g_interruptsOff;

// The trace as text, addresses relative to base: "R16 0x0402", "W32 0x0000=0x00020001".
std::vector<std::string> busTraceText(const void* base);
