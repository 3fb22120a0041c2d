// Process data between the host's buffers and the slaves' sub-areas, found
// by bit address. No log, no host call and no allocation on this path.
#include <cstring>

#include "../frame/driver.h"
#include "halvex.h"

namespace {

constexpr std::uint64_t kBitSpace = std::uint64_t{1} << 32;
constexpr std::uint64_t kSubAreaBits = MODULE_DATA_SIZE * 8;

// Bits [A, A + S] in the range [start, start + count) of the first stored
// module that holds them all. Sums are taken 64 bits wide, so nothing that
// runs past the 32-bit bit space matches and nothing wraps into a module it is
// not inside. The first matching module wins even when the request lies
// beyond its 256-byte sub-area (a range longer than 2048 bits): then nothing
// is found at all.
std::uint8_t* findByte(std::uint64_t A, std::uint64_t S, bool outputs) {
  const std::uint64_t last = A + S;
  if (last >= kBitSpace) return nullptr;
  ModuleTable& t = g_moduleTable;
  for (int i = 0; i < t.nModules; ++i) {
    IoDesc io;
    std::memcpy(&io, t.aIoDesc[i], sizeof io);
    const std::uint64_t start = outputs ? io.ulOutputBitStart : io.ulInputBitStart;
    const std::uint64_t count = outputs ? io.ulOutputBitCount : io.ulInputBitCount;
    if (start + count > kBitSpace) continue;
    if (A < start || last >= start + count) continue;
    if (last - start >= kSubAreaBits) return nullptr;
    ModuleRecord& rec = g_processArea.aModule[i];
    return (outputs ? rec.abOutputs : rec.abInputs) + (A - start) / 8;
  }
  return nullptr;
}

} // namespace

std::uint8_t* FindOutputByte(std::uint32_t A, std::uint32_t S) { return findByte(A, S, true); }
std::uint8_t* FindInputByte(std::uint32_t A, std::uint32_t S) { return findByte(A, S, false); }

std::int32_t IODRV_CALL IODrvFctStartWriteOutputs(std::uint32_t) { return 1; }
std::int32_t IODRV_CALL IODrvFctDoneWriteOutputs(std::uint32_t) { return 1; }
std::int32_t IODRV_CALL IODrvFctStartReadInputs(std::uint32_t) { return 1; }
std::int32_t IODRV_CALL IODrvFctDoneReadInputs(std::uint32_t) { return 1; }

// Size -1 (and any size below it) asks for nothing; 0 is the single bit at bit
// address ulAddress; a positive size is that many bytes from byte address
// ulAddress.
std::int32_t IODRV_CALL IODrvFctWriteOutputs(std::uint32_t ulAddress, std::int32_t lSize, const std::uint8_t* pbData,
                                             std::uint32_t) {
  if (pbData == nullptr) return 0;
  if (lSize < 0) return 1;
  if (lSize == 0) {
    std::uint8_t* p = findByte(ulAddress, 0, true);
    if (p != nullptr) {
      const std::uint8_t m = static_cast<std::uint8_t>(1u << (ulAddress % 8));
      *p = (pbData[0] & m) != 0 ? static_cast<std::uint8_t>(*p | m) : static_cast<std::uint8_t>(*p & ~m);
    }
    return 1;
  }
  std::uint8_t* p = findByte(std::uint64_t{ulAddress} * 8, std::uint64_t(lSize) * 8 - 1, true);
  if (p != nullptr) std::memcpy(p, pbData, static_cast<std::size_t>(lSize));
  return 1;
}

std::int32_t IODRV_CALL IODrvFctReadInputs(std::uint32_t ulAddress, std::int32_t lSize, std::uint8_t* pbData,
                                           std::uint32_t) {
  if (pbData == nullptr) return 0;
  if (lSize < 0) return 1;
  if (lSize == 0) {
    const std::uint8_t* p = findByte(ulAddress, 0, false);
    if (p != nullptr) {
      const std::uint8_t m = static_cast<std::uint8_t>(1u << (ulAddress % 8));
      pbData[0] = (*p & m) != 0 ? static_cast<std::uint8_t>(pbData[0] | m) : static_cast<std::uint8_t>(pbData[0] & ~m);
    }
    return 1;
  }
  const std::uint8_t* p = findByte(std::uint64_t{ulAddress} * 8, std::uint64_t(lSize) * 8 - 1, false);
  if (p != nullptr) std::memcpy(pbData, p, static_cast<std::size_t>(lSize));
  return 1;
}
