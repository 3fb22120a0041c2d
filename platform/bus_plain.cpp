#include "bus.h"

namespace bus {

#if defined(_WIN32) && defined(__i386__)
IrqState irqSaveDisable() {
  IrqState flags;
  __asm__ __volatile__("pushfl\n\tpopl %0\n\tcli" : "=r"(flags) : : "memory");
  return flags;
}

void irqRestore(IrqState saved) { __asm__ __volatile__("pushl %0\n\tpopfl" : : "r"(saved) : "memory", "cc"); }
#else
IrqState irqSaveDisable() { return 0; }
void irqRestore(IrqState) {}
#endif

std::uint16_t read16(const volatile void* address) { return *static_cast<const volatile std::uint16_t*>(address); }

void write16(volatile void* address, std::uint16_t value) { *static_cast<volatile std::uint16_t*>(address) = value; }

std::uint32_t read32(const volatile void* address) { return *static_cast<const volatile std::uint32_t*>(address); }

void write32(volatile void* address, std::uint32_t value) { *static_cast<volatile std::uint32_t*>(address) = value; }

} // namespace bus
