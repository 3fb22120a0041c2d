// The LPC back-end: outputs go to the FPGA as I/O ports through the host
// (FPGA byte x is port 0x1000 + x); reads go through the readInputWord slot,
// either the firmware window (register x at window offset 0x1000 + x) or the
// host's port input. No interrupt masking here.
#include "../frame/host_wrappers.h"
#include "../platform/bus.h"
#include "backends.h"

namespace {

// Highest location at which a 16-bit word still lies inside the 64 KiB
// firmware window, and inside the 16-bit port space.
constexpr std::uint64_t kLastLocation = PHYS_WINDOW_SIZE - 2;

unsigned char* firmwareAddress(std::uint64_t location) {
  if (location > kLastLocation) return nullptr;
  auto* window = static_cast<unsigned char*>(getPhysicalWindow(LPC_FIRMWARE_WINDOW_PHYS, PHYS_WINDOW_SIZE));
  return window == nullptr ? nullptr : window + location;
}

std::uint16_t fetch(FpgaDeviceImage* img, std::uint64_t x) {
  const std::uint64_t location = LPC_LOCATION_BASE + x;
  if (location > kLastLocation) return 0;
  const auto loc = static_cast<std::uint32_t>(location);
  if (x < FPGA_INPUT_BASE) return static_cast<std::uint16_t>(g_backend.readInputWord(loc));
  return cachedInputWord(img, (x - FPGA_INPUT_BASE) / 2, g_backend.readInputWord, loc);
}

std::uint32_t portOf(std::uint32_t k) { return LPC_LOCATION_BASE + 2 * k; }
std::int32_t lpcReadPending(std::uint32_t k) { return g_backend.readInputWord(portOf(k)); }
void lpcWritePending16(std::uint32_t k, std::uint32_t v) { IODrvHostOutWord(portOf(k), v); }
void lpcWritePending32(std::uint32_t k, std::uint32_t v) { IODrvHostOutDword(portOf(k), v); }

} // namespace

std::int32_t lpcReadInputWordMem(std::uint32_t location) {
  const unsigned char* p = firmwareAddress(location);
  return p == nullptr ? 0 : bus::read16(p);
}

void lpcWriteWord(std::uint32_t w, std::uint32_t value) {
  unsigned char* p = firmwareAddress(LPC_LOCATION_BASE + 2 * std::uint64_t{w});
  if (p != nullptr) bus::write16(p, static_cast<std::uint16_t>(value));
}

std::int32_t lpcReadWord(std::uint32_t w) {
  const unsigned char* p = firmwareAddress(LPC_LOCATION_BASE + 2 * std::uint64_t{w});
  return p == nullptr ? 0 : bus::read16(p);
}

// Every word from the one holding byte b to the one holding the last byte is
// fetched once, in ascending order; words beyond the port space read as 0.
void lpcReadBlock(std::uint32_t device, std::uint32_t b, std::uint8_t* dest, std::uint32_t n) {
  if (n == 0) return;
  FpgaDeviceImage* img = deviceImage(device);
  std::uint32_t i = 0;
  for (std::uint64_t x = b & ~std::uint64_t{1}; i < n; x += 2) {
    const std::uint16_t v = fetch(img, x);
    if (x >= b) dest[i++] = static_cast<std::uint8_t>(v);
    if (i < n) dest[i++] = static_cast<std::uint8_t>(v >> 8);
  }
}

void lpcFlushOutputs(std::uint32_t device) {
  static const PairedFlushAccess kLpc = {lpcReadPending, lpcWritePending16, lpcWritePending32};
  pairedFlush(device, kLpc);
}

std::uint32_t lpcReadInputByte(std::uint32_t device, std::uint32_t a) {
  return cachedInputByte(device, a, g_backend.readInputWord, LPC_LOCATION_BASE + FPGA_INPUT_BASE, 2);
}
