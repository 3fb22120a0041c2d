// The ISA window at physical 0xD0000: the four primitives (each one bus access
// with interrupts disabled) and the 16-bit back-end, which writes blocks
// straight through and reaches the FPGA only through the word slots.
#include "../platform/bus.h"
#include "backends.h"

bool g_isaWindowOff = false;

namespace {

constexpr std::uint32_t kIsaWords = PHYS_WINDOW_SIZE / 2;

// The window byte address of word w, or null when there is no window (failed
// mapping), the primitives are switched off, or the access would leave the
// 64 KiB window: such reads give 0 and such writes are dropped.
unsigned char* isaAddress(std::uint32_t w, std::uint32_t words) {
  if (g_isaWindowOff || w > kIsaWords - words) return nullptr;
  auto* window = static_cast<unsigned char*>(getPhysicalWindow(ISA_WINDOW_PHYS, PHYS_WINDOW_SIZE));
  return window == nullptr ? nullptr : window + 2 * std::uintptr_t{w};
}

} // namespace

void isaWriteWord(std::uint32_t w, std::uint32_t value) {
  unsigned char* p = isaAddress(w, 1);
  if (p == nullptr) return;
  const bus::IrqState s = bus::irqSaveDisable();
  bus::write16(p, static_cast<std::uint16_t>(value));
  bus::irqRestore(s);
}

std::int32_t isaReadWord(std::uint32_t w) {
  const unsigned char* p = isaAddress(w, 1);
  if (p == nullptr) return 0;
  const bus::IrqState s = bus::irqSaveDisable();
  const std::uint16_t v = bus::read16(p);
  bus::irqRestore(s);
  return v;
}

void isaWriteDword(std::uint32_t w, std::uint32_t value) {
  unsigned char* p = isaAddress(w, 2);
  if (p == nullptr) return;
  const bus::IrqState s = bus::irqSaveDisable();
  bus::write32(p, value);
  bus::irqRestore(s);
}

std::uint32_t isaReadDword(std::uint32_t w) {
  const unsigned char* p = isaAddress(w, 2);
  if (p == nullptr) return 0;
  const bus::IrqState s = bus::irqSaveDisable();
  const std::uint32_t v = bus::read32(p);
  bus::irqRestore(s);
  return v;
}

// Byte positions run 64 bits wide: a block that runs past FPGA byte
// 0xFFFFFFFF asks for word indices beyond the window, which read as 0.
void isa16ReadBlock(std::uint32_t, std::uint32_t b, std::uint8_t* dest, std::uint32_t n) {
  if (n == 0) return;
  std::uint32_t i = 0;
  std::uint64_t w = b / 2;
  if (b % 2 != 0) {
    dest[i++] = static_cast<std::uint8_t>(g_backend.readWord(static_cast<std::uint32_t>(w++)) >> 8);
  }
  while (i < n) {
    const auto v = static_cast<std::uint16_t>(g_backend.readWord(static_cast<std::uint32_t>(w++)));
    dest[i++] = static_cast<std::uint8_t>(v);
    if (i < n) dest[i++] = static_cast<std::uint8_t>(v >> 8);
  }
}

void isa16WriteBlock(std::uint32_t, std::uint32_t b, const std::uint8_t* source, std::uint32_t n) {
  if (n == 0) return;
  std::uint32_t i = 0;
  std::uint64_t w = b / 2;
  if (b % 2 != 0) {
    const auto old = static_cast<std::uint16_t>(g_backend.readWord(static_cast<std::uint32_t>(w)));
    g_backend.writeWord(static_cast<std::uint32_t>(w++), (old & 0x00FFu) | static_cast<std::uint32_t>(source[i++]) << 8);
  }
  while (i < n) {
    std::uint32_t v;
    if (n - i == 1) {
      const auto old = static_cast<std::uint16_t>(g_backend.readWord(static_cast<std::uint32_t>(w)));
      v = (old & 0xFF00u) | source[i++];
    } else {
      v = source[i] | static_cast<std::uint32_t>(source[i + 1]) << 8;
      i += 2;
    }
    g_backend.writeWord(static_cast<std::uint32_t>(w++), v);
  }
}

// Writes every pending word; leaves the shadow as it is, so a second flush
// before the next clearDeviceImage writes the same words again. The words of
// the first 16 output bytes hold single bits and are merged with the FPGA's.
void isa16FlushOutputs(std::uint32_t device) {
  FpgaDeviceImage* img = deviceImage(device);
  if (img == nullptr) return;
  for (std::uint32_t k = 0; k < FPGA_AREA_WORDS; ++k) {
    const std::uint16_t m = img->outputMask[k];
    if (m == 0) continue;
    std::uint32_t value = img->outputValue[k];
    if (k < FPGA_IMAGE_BIT_BYTES / 2) {
      const auto old = static_cast<std::uint16_t>(g_backend.readWord(k));
      value = (old & ~m & 0xFFFFu) | (value & m);
    }
    g_backend.writeWord(k, value);
  }
}

std::uint32_t isaReadInputByte(std::uint32_t device, std::uint32_t a) {
  return cachedInputByte(device, a, g_backend.readWord, FPGA_INPUT_WORD0, 1);
}
