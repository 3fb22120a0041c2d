// qmxdrv's per-device process image and the seven access slots every FPGA
// access of the cyclic path goes through.
#pragma once

#include <cstdint>

constexpr std::uint32_t FPGA_DEVICES = 16;
constexpr std::uint32_t FPGA_AREA_WORDS = 512;     // words per area (outputs, inputs)
constexpr std::uint32_t FPGA_INPUT_BASE = 1024;    // FPGA byte address of input byte 0
constexpr std::uint32_t FPGA_INPUT_WORD0 = 512;    // FPGA word of input word 0
constexpr std::uint32_t FPGA_IMAGE_BIT_BYTES = 16; // single bits of bytes below this go through the image

struct FpgaDeviceImage {
  std::uint8_t inputValid[FPGA_AREA_WORDS / 8];     // bit k: inputCache[k] holds input word k
  std::uint16_t inputCache[FPGA_AREA_WORDS];        // copy of FPGA word 512 + k
  std::uint16_t outputMask[FPGA_AREA_WORDS];        // pending bits of output word k
  std::uint16_t outputValue[FPGA_AREA_WORDS];       // their values
};

// Location: a word index (ISA, LPC writeWord/readWord), an LPC location
// (0x1000 + FPGA byte address) or a PCI byte offset. Only the low 16 bits of
// a word read count.
typedef void (*FpgaWriteWordFn)(std::uint32_t location, std::uint32_t value);
typedef std::int32_t (*FpgaReadWordFn)(std::uint32_t location);
typedef void (*FpgaReadBlockFn)(std::uint32_t device, std::uint32_t byteAddress, std::uint8_t* dest, std::uint32_t count);
typedef void (*FpgaWriteBlockFn)(std::uint32_t device, std::uint32_t byteAddress, const std::uint8_t* source,
                                 std::uint32_t count);
typedef void (*FpgaFlushFn)(std::uint32_t device);
typedef std::uint32_t (*FpgaReadInputByteFn)(std::uint32_t device, std::uint32_t inputByte);

struct FpgaAccessBackend {
  FpgaWriteWordFn writeWord;
  FpgaReadWordFn readWord;
  FpgaReadWordFn readInputWord;
  FpgaReadBlockFn readBlock;
  FpgaWriteBlockFn writeBlock;
  FpgaFlushFn flushOutputs;
  FpgaReadInputByteFn readInputByte;
};

extern FpgaDeviceImage g_deviceImage[FPGA_DEVICES];
extern FpgaAccessBackend g_backend;

// The device's record, or null for a device without one (16 and above, -1).
inline FpgaDeviceImage* deviceImage(std::uint32_t device) {
  return device < FPGA_DEVICES ? &g_deviceImage[device] : nullptr;
}

inline bool inputCached(const FpgaDeviceImage& img, std::uint32_t k) {
  return (img.inputValid[k / 8] >> (k % 8) & 1) != 0;
}
inline void setInputCached(FpgaDeviceImage& img, std::uint32_t k) {
  img.inputValid[k / 8] = static_cast<std::uint8_t>(img.inputValid[k / 8] | 1u << (k % 8));
}

void clearDeviceImage(std::uint32_t device);
void shadowWriteBit(std::uint32_t device, std::uint32_t byteAddress, std::uint32_t value, std::uint32_t mask);
void shadowWriteBlock(std::uint32_t device, std::uint32_t byteAddress, const std::uint8_t* source, std::uint32_t count);

// Input word k through the device's input cache: read once per cycle with
// read(location). A word without a cache slot (no record for the device, k
// beyond the image) is read straight through every time.
std::uint16_t cachedInputWord(FpgaDeviceImage* img, std::uint64_t k, FpgaReadWordFn read, std::uint32_t location);

// Input byte a through the device's input cache; a missing word k is read
// with read(locationOfWord0 + k * locationStep).
std::uint32_t cachedInputByte(std::uint32_t device, std::uint32_t a, FpgaReadWordFn read, std::uint32_t locationOfWord0,
                              std::uint32_t locationStep);

// The flush shared by the shadowing back-ends: word pairs (k, k + 1), k even,
// a wholly pending word written without a read, a partly pending one read,
// merged and written only when it changed, both of a pair as one 32-bit write.
struct PairedFlushAccess {
  std::int32_t (*readCurrent)(std::uint32_t k);
  void (*write16)(std::uint32_t k, std::uint32_t value);
  void (*write32)(std::uint32_t k, std::uint32_t value); // word k low, word k + 1 high
};
void pairedFlush(std::uint32_t device, const PairedFlushAccess& access);
