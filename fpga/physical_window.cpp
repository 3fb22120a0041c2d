// The one mapping of a physical window per process, made through RTT32DLL on
// first use and kept for the life of the process.
#include "../platform/rtt32.h"
#include "backends.h"

namespace {

void* const kNotMapped = reinterpret_cast<void*>(~std::uintptr_t{0});
void* s_window = kNotMapped;

// How RTT32DLL is asked for the mapping; the values are the ones the host's
// library expects for physical memory mapped read/write and uncached.
constexpr std::uint32_t kMapFlags = 7;
constexpr std::uint32_t kReserveFlags = 0;

} // namespace

void* mapPhysicalWindow(std::uint32_t physAddr, std::uint32_t size) {
  if (void* existing = RTFindPhysMem(physAddr, size, kMapFlags)) return existing;
  void* address = reinterpret_cast<void*>(static_cast<std::uintptr_t>(physAddr));
  if (RTReserveVirtualAddress(&address, size, kReserveFlags) < 0) return nullptr;
  if (RTMapMem(physAddr, address, size, kMapFlags) < 0) return nullptr;
  return address;
}

void* getPhysicalWindow(std::uint32_t physAddr, std::uint32_t size) {
  if (s_window == kNotMapped) s_window = mapPhysicalWindow(physAddr, size);
  return s_window;
}
