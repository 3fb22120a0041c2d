#include "device_image.h"

#include <cstring>

#include "backends.h"

FpgaDeviceImage g_deviceImage[FPGA_DEVICES];

// Until the selection runs, the slots reach no hardware: the word slots are
// the no-access stubs and the 16-bit block functions go only through them.
FpgaAccessBackend g_backend = {vmWriteWord,      vmReadWord,        vmReadWord,      isa16ReadBlock,
                               isa16WriteBlock, isa16FlushOutputs, isaReadInputByte};

void clearDeviceImage(std::uint32_t device) {
  FpgaDeviceImage* img = deviceImage(device);
  if (img != nullptr) std::memset(img, 0, sizeof *img);
}

void shadowWriteBit(std::uint32_t device, std::uint32_t b, std::uint32_t value, std::uint32_t mask) {
  FpgaDeviceImage* img = deviceImage(device);
  const std::uint32_t k = b / 2;
  if (img == nullptr || k >= FPGA_AREA_WORDS) return;
  if (b % 2 != 0) {
    value <<= 8;
    mask <<= 8;
  }
  const auto m = static_cast<std::uint16_t>(mask);
  if ((value & mask & 0xFFFF) != 0)
    img->outputValue[k] = static_cast<std::uint16_t>(img->outputValue[k] | m);
  else
    img->outputValue[k] = static_cast<std::uint16_t>(img->outputValue[k] & ~m);
  img->outputMask[k] = static_cast<std::uint16_t>(img->outputMask[k] | m);
}

// The shadow has room for the output area only: bytes of devices without a
// record, and bytes from FPGA byte 1024 on, are dropped.
void shadowWriteBlock(std::uint32_t device, std::uint32_t b, const std::uint8_t* source, std::uint32_t count) {
  FpgaDeviceImage* img = deviceImage(device);
  if (img == nullptr) return;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint64_t x = std::uint64_t{b} + i;
    if (x >= 2 * FPGA_AREA_WORDS) return;
    const auto k = static_cast<std::uint32_t>(x / 2);
    if (x % 2 == 0) {
      img->outputValue[k] = static_cast<std::uint16_t>((img->outputValue[k] & 0xFF00) | source[i]);
      img->outputMask[k] = static_cast<std::uint16_t>(img->outputMask[k] | 0x00FF);
    } else {
      img->outputValue[k] = static_cast<std::uint16_t>((img->outputValue[k] & 0x00FF) | source[i] << 8);
      img->outputMask[k] = static_cast<std::uint16_t>(img->outputMask[k] | 0xFF00);
    }
  }
}

std::uint16_t cachedInputWord(FpgaDeviceImage* img, std::uint64_t k, FpgaReadWordFn read, std::uint32_t location) {
  if (img == nullptr || k >= FPGA_AREA_WORDS) return static_cast<std::uint16_t>(read(location));
  const auto kk = static_cast<std::uint32_t>(k);
  if (!inputCached(*img, kk)) {
    img->inputCache[kk] = static_cast<std::uint16_t>(read(location));
    setInputCached(*img, kk);
  }
  return img->inputCache[kk];
}

std::uint32_t cachedInputByte(std::uint32_t device, std::uint32_t a, FpgaReadWordFn read, std::uint32_t locationOfWord0,
                              std::uint32_t locationStep) {
  FpgaDeviceImage* img = deviceImage(device);
  if (img == nullptr || a >= 2 * FPGA_AREA_WORDS) return 0;
  const std::uint32_t k = a / 2;
  const std::uint16_t word = cachedInputWord(img, k, read, locationOfWord0 + k * locationStep);
  return a % 2 != 0 ? word >> 8 : word & 0xFFu;
}

namespace {

struct PendingWord {
  bool write;
  std::uint16_t value;
};

PendingWord takePending(FpgaDeviceImage& img, std::uint32_t k, const PairedFlushAccess& access) {
  const std::uint16_t m = img.outputMask[k];
  if (m == 0) return {false, 0};
  img.outputMask[k] = 0;
  if (m == 0xFFFF) return {true, img.outputValue[k]};
  const auto current = static_cast<std::uint16_t>(access.readCurrent(k));
  const auto merged = static_cast<std::uint16_t>((current & ~m) | (img.outputValue[k] & m));
  return {merged != current, merged};
}

} // namespace

void pairedFlush(std::uint32_t device, const PairedFlushAccess& access) {
  FpgaDeviceImage* img = deviceImage(device);
  if (img == nullptr) return;
  for (std::uint32_t k = 0; k < FPGA_AREA_WORDS; k += 2) {
    if ((img->outputMask[k] | img->outputMask[k + 1]) == 0) continue;
    const PendingWord lo = takePending(*img, k, access);
    const PendingWord hi = takePending(*img, k + 1, access);
    if (lo.write && hi.write)
      access.write32(k, static_cast<std::uint32_t>(lo.value) | static_cast<std::uint32_t>(hi.value) << 16);
    else if (lo.write)
      access.write16(k, lo.value);
    else if (hi.write)
      access.write16(k + 1, hi.value);
  }
}
