// The PCI back-end (the FPGA's registers in a memory window the host program
// made accessible, FPGA byte x at pciBase + x) and the no-access stub used
// inside a virtual machine.
#include "../platform/bus.h"
#include "backends.h"

std::uintptr_t pciBase = 0;

namespace {

constexpr std::uint32_t kOffsetMask = 0x7FF;

// A base of 0 is no window: reads give 0, writes are dropped.
unsigned char* pciAddress(std::uint32_t offset, std::uint32_t width) {
  const std::uint32_t o = offset & kOffsetMask;
  if (pciBase == 0 || o + width > kOffsetMask + 1) return nullptr;
  return reinterpret_cast<unsigned char*>(pciBase) + o;
}

std::int32_t pciReadPending(std::uint32_t k) { return pciReadWord(2 * k); }
void pciWritePending16(std::uint32_t k, std::uint32_t v) { pciWriteWord(2 * k, v); }
void pciWritePending32(std::uint32_t k, std::uint32_t v) { pciWriteDword(2 * k, v); }

} // namespace

void pciWriteWord(std::uint32_t offset, std::uint32_t value) {
  unsigned char* p = pciAddress(offset, 2);
  if (p != nullptr) bus::write16(p, static_cast<std::uint16_t>(value));
}

void pciWriteDword(std::uint32_t offset, std::uint32_t value) {
  unsigned char* p = pciAddress(offset, 4);
  if (p != nullptr) bus::write32(p, value);
}

std::int32_t pciReadWord(std::uint32_t offset) {
  const unsigned char* p = pciAddress(offset, 2);
  return p == nullptr ? 0 : bus::read16(p);
}

void pciFlushOutputs(std::uint32_t device) {
  static const PairedFlushAccess kPci = {pciReadPending, pciWritePending16, pciWritePending32};
  pairedFlush(device, kPci);
}

void vmWriteWord(std::uint32_t, std::uint32_t) {}
std::int32_t vmReadWord(std::uint32_t) { return 0; }
