#include "recording_bus.h"

#include <cstdio>

#include "platform/bus.h"

std::vector<BusAccess> g_busTrace;
bool g_interruptsOff = false;

namespace bus {

IrqState irqSaveDisable() {
  const IrqState before = g_interruptsOff ? 1 : 0;
  g_interruptsOff = true;
  return before;
}

void irqRestore(IrqState saved) { g_interruptsOff = saved != 0; }

std::uint16_t read16(const volatile void* address) {
  const std::uint16_t v = *static_cast<const volatile std::uint16_t*>(address);
  g_busTrace.push_back({false, 16, reinterpret_cast<std::uintptr_t>(address), v, g_interruptsOff});
  return v;
}

void write16(volatile void* address, std::uint16_t value) {
  *static_cast<volatile std::uint16_t*>(address) = value;
  g_busTrace.push_back({true, 16, reinterpret_cast<std::uintptr_t>(address), value, g_interruptsOff});
}

std::uint32_t read32(const volatile void* address) {
  const std::uint32_t v = *static_cast<const volatile std::uint32_t*>(address);
  g_busTrace.push_back({false, 32, reinterpret_cast<std::uintptr_t>(address), v, g_interruptsOff});
  return v;
}

void write32(volatile void* address, std::uint32_t value) {
  *static_cast<volatile std::uint32_t*>(address) = value;
  g_busTrace.push_back({true, 32, reinterpret_cast<std::uintptr_t>(address), value, g_interruptsOff});
}

} // namespace bus

std::vector<std::string> busTraceText(const void* base) {
  std::vector<std::string> out;
  for (const BusAccess& a : g_busTrace) {
    char buf[64];
    const auto offset = static_cast<unsigned long>(a.address - reinterpret_cast<std::uintptr_t>(base));
    if (a.write)
      std::snprintf(buf, sizeof buf, "W%d 0x%04lx=0x%0*x", a.width, offset, a.width / 4, a.value);
    else
      std::snprintf(buf, sizeof buf, "R%d 0x%04lx", a.width, offset);
    out.push_back(buf);
  }
  return out;
}
