#include "../frame/driver.h"

std::int32_t IODRV_CALL IODrvFctStartWriteOutputs(std::uint32_t) { return 1; }
std::int32_t IODRV_CALL IODrvFctWriteOutputs(std::uint32_t, std::int32_t, const std::uint8_t* pbData, std::uint32_t) {
  return pbData == nullptr ? 0 : 1;
}
std::int32_t IODRV_CALL IODrvFctDoneWriteOutputs(std::uint32_t) { return 1; }
std::int32_t IODRV_CALL IODrvFctStartReadInputs(std::uint32_t) { return 1; }
std::int32_t IODRV_CALL IODrvFctReadInputs(std::uint32_t, std::int32_t, std::uint8_t* pbData, std::uint32_t) {
  return pbData == nullptr ? 0 : 1;
}
std::int32_t IODRV_CALL IODrvFctDoneReadInputs(std::uint32_t) { return 1; }
