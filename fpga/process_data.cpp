// qmxdrv's six cyclic entries. They go to the FPGA only through the access
// slots, allocate nothing, log nothing and take no lock.
#include <cstring>

#include "../frame/driver.h"
#include "device_image.h"

namespace {

std::uint8_t bitMask(std::uint32_t bitAddress) { return static_cast<std::uint8_t>(1u << (bitAddress % 8)); }

// A single output bit beyond the image's first 16 bytes is a read-modify-write
// of its byte. In the shadowing back-ends the read-back comes from the FPGA,
// which does not yet hold the changes pending in the shadow; those are merged
// in, so two single bits of one byte written in one cycle both reach the FPGA.
std::uint8_t withPendingOutputs(std::uint32_t device, std::uint32_t byteAddress, std::uint8_t fromFpga) {
  const FpgaDeviceImage* img = deviceImage(device);
  const std::uint32_t k = byteAddress / 2;
  if (img == nullptr || k >= FPGA_AREA_WORDS) return fromFpga;
  const unsigned shift = byteAddress % 2 != 0 ? 8 : 0;
  const auto pending = static_cast<std::uint8_t>(img->outputMask[k] >> shift);
  const auto value = static_cast<std::uint8_t>(img->outputValue[k] >> shift);
  return static_cast<std::uint8_t>((fromFpga & ~pending) | (value & pending));
}

} // namespace

std::int32_t IODRV_CALL IODrvFctStartWriteOutputs(std::uint32_t) { return 1; }

// A size below 0 asks for nothing.
std::int32_t IODRV_CALL IODrvFctWriteOutputs(std::uint32_t ulAddress, std::int32_t lSize, const std::uint8_t* pbData,
                                             std::uint32_t ulDeviceNr) {
  if (pbData == nullptr) return 0;
  if (lSize > 0) {
    g_backend.writeBlock(ulDeviceNr, ulAddress, pbData, static_cast<std::uint32_t>(lSize));
  } else if (lSize == 0) {
    const std::uint32_t byte = ulAddress / 8;
    const std::uint8_t mask = bitMask(ulAddress);
    if (byte < FPGA_IMAGE_BIT_BYTES) {
      shadowWriteBit(ulDeviceNr, byte, pbData[0] & mask, mask);
    } else {
      std::uint8_t temp = 0;
      g_backend.readBlock(ulDeviceNr, byte, &temp, 1);
      temp = withPendingOutputs(ulDeviceNr, byte, temp);
      temp = (pbData[0] & mask) != 0 ? static_cast<std::uint8_t>(temp | mask) : static_cast<std::uint8_t>(temp & ~mask);
      g_backend.writeBlock(ulDeviceNr, byte, &temp, 1);
    }
  }
  return 1;
}

std::int32_t IODRV_CALL IODrvFctDoneWriteOutputs(std::uint32_t ulDeviceNr) {
  g_backend.flushOutputs(ulDeviceNr);
  return 1;
}

std::int32_t IODRV_CALL IODrvFctStartReadInputs(std::uint32_t ulDeviceNr) {
  clearDeviceImage(ulDeviceNr);
  return 1;
}

// Input byte a is FPGA byte 1024 + a; bytes beyond FPGA byte 0xFFFFFFFF lie
// outside every window and read as 0.
std::int32_t IODRV_CALL IODrvFctReadInputs(std::uint32_t ulAddress, std::int32_t lSize, std::uint8_t* pbData,
                                           std::uint32_t ulDeviceNr) {
  if (pbData == nullptr) return 0;
  if (lSize > 0) {
    const std::uint64_t first = std::uint64_t{FPGA_INPUT_BASE} + ulAddress;
    if (first > UINT32_MAX)
      std::memset(pbData, 0, static_cast<std::size_t>(lSize));
    else
      g_backend.readBlock(ulDeviceNr, static_cast<std::uint32_t>(first), pbData, static_cast<std::uint32_t>(lSize));
  } else if (lSize == 0) {
    const std::uint32_t byte = ulAddress / 8;
    const std::uint8_t mask = bitMask(ulAddress);
    std::uint8_t temp = 0;
    if (byte < FPGA_IMAGE_BIT_BYTES)
      temp = static_cast<std::uint8_t>(g_backend.readInputByte(ulDeviceNr, byte));
    else
      g_backend.readBlock(ulDeviceNr, FPGA_INPUT_BASE + byte, &temp, 1);
    pbData[0] = (temp & mask) != 0 ? static_cast<std::uint8_t>(pbData[0] | mask) : static_cast<std::uint8_t>(pbData[0] & ~mask);
  }
  return 1;
}

std::int32_t IODRV_CALL IODrvFctDoneReadInputs(std::uint32_t) { return 1; }
