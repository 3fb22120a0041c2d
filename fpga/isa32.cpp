// The 32-bit cached back-end on the ISA window: block writes wait in the
// shadow for the paired flush; block reads of the input area go through the
// input cache, four aligned uncached input bytes with one 32-bit read.
#include "backends.h"

namespace {

// Words without a cache slot (a device without a record, input words beyond
// the image) are read straight from the FPGA each time.
std::uint16_t wordAt(FpgaDeviceImage* img, std::uint64_t x) {
  const auto w = static_cast<std::uint32_t>(x / 2);
  if (x < FPGA_INPUT_BASE) return static_cast<std::uint16_t>(isaReadWord(w));
  return cachedInputWord(img, (x - FPGA_INPUT_BASE) / 2, isaReadWord, w);
}

// Four bytes at x, a multiple of 4.
std::uint32_t fourAt(FpgaDeviceImage* img, std::uint64_t x) {
  const auto w = static_cast<std::uint32_t>(x / 2);
  const std::uint64_t k = (x - FPGA_INPUT_BASE) / 2;
  if (x < FPGA_INPUT_BASE || img == nullptr || k + 1 >= FPGA_AREA_WORDS) return isaReadDword(w);
  const auto kk = static_cast<std::uint32_t>(k);
  if (inputCached(*img, kk)) {
    if (!inputCached(*img, kk + 1)) {
      img->inputCache[kk + 1] = static_cast<std::uint16_t>(isaReadWord(w + 1));
      setInputCached(*img, kk + 1);
    }
  } else {
    const std::uint32_t both = isaReadDword(w);
    img->inputCache[kk] = static_cast<std::uint16_t>(both);
    setInputCached(*img, kk);
    if (!inputCached(*img, kk + 1)) {
      img->inputCache[kk + 1] = static_cast<std::uint16_t>(both >> 16);
      setInputCached(*img, kk + 1);
    }
  }
  return img->inputCache[kk] | static_cast<std::uint32_t>(img->inputCache[kk + 1]) << 16;
}

void put16(std::uint8_t* d, std::uint16_t v) {
  d[0] = static_cast<std::uint8_t>(v);
  d[1] = static_cast<std::uint8_t>(v >> 8);
}

std::int32_t isaReadPending(std::uint32_t k) { return isaReadWord(k); }
void isaWritePending16(std::uint32_t k, std::uint32_t v) { isaWriteWord(k, v); }
void isaWritePending32(std::uint32_t k, std::uint32_t v) { isaWriteDword(k, v); }

} // namespace

void isa32ReadBlock(std::uint32_t device, std::uint32_t b, std::uint8_t* dest, std::uint32_t n) {
  if (n == 0) return;
  FpgaDeviceImage* img = deviceImage(device);
  std::uint64_t x = b;
  std::uint32_t i = 0;
  if (x % 2 != 0) {
    dest[i++] = static_cast<std::uint8_t>(wordAt(img, x - 1) >> 8);
    ++x;
  }
  while (i < n) {
    const std::uint32_t left = n - i;
    if (x % 4 == 0 && left >= 4) {
      const std::uint32_t v = fourAt(img, x);
      put16(dest + i, static_cast<std::uint16_t>(v));
      put16(dest + i + 2, static_cast<std::uint16_t>(v >> 16));
      x += 4;
      i += 4;
    } else if (left >= 2) {
      put16(dest + i, wordAt(img, x));
      x += 2;
      i += 2;
    } else {
      dest[i++] = static_cast<std::uint8_t>(wordAt(img, x));
    }
  }
}

void isa32FlushOutputs(std::uint32_t device) {
  static const PairedFlushAccess kIsa = {isaReadPending, isaWritePending16, isaWritePending32};
  pairedFlush(device, kIsa);
}
