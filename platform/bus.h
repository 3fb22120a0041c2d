// Bus access primitives and the interrupt guard. The shipped libraries make
// plain volatile accesses (bus_plain.cpp); the unit tests link a recording
// version with the same signatures that also logs every access.
#pragma once

#include <cstdint>

namespace bus {

using IrqState = std::uintptr_t;

// Saves the processor flags and disables interrupts; irqRestore puts the saved
// flags back, so interrupts come on again only if they were on before. On
// Linux user space, where cli is not allowed, both do nothing.
IrqState irqSaveDisable();
void irqRestore(IrqState saved);

std::uint16_t read16(const volatile void* address);
void write16(volatile void* address, std::uint16_t value);
std::uint32_t read32(const volatile void* address);
void write32(volatile void* address, std::uint32_t value);

} // namespace bus
