// halvex: the module store the host fills, the shared process area built
// from it, and the records the host hands over. Multi-byte fields are
// little-endian and every record is byte-packed; offsets are those of the
// host's 32-bit build, where a pointer field is 4 bytes (on 64-bit builds it
// widens in place and moves the bytes after it, see iodrv_abi.h).
#pragma once

#include <cstddef>
#include <cstdint>

#include "../frame/iodrv_abi.h"

constexpr int MAX_MODULES = 128;

constexpr std::size_t IO_DESC_SIZE = 27;
constexpr std::size_t BLOCK16_SIZE = 16;
constexpr std::size_t PRM_DATA_SIZE = 251;
constexpr std::size_t CFG_DATA_SIZE = 257;
constexpr std::size_t BLOCK492_SIZE = 492;
constexpr std::size_t BLOCK102_SIZE = 102;

constexpr std::size_t MODULE_DATA_SIZE = 256; // each sub-area of a ModuleRecord
constexpr std::size_t BUS_PARAM_SIZE = 67;

#pragma pack(push, 1)

// What the host passes to IODrvFctConfigureModule: six pointers to blocks of
// which exactly the block's size is copied.
struct ModConfData {
  const std::uint8_t* pIoDesc;
  const std::uint8_t* pBlock16;
  const std::uint8_t* pPrmData;
  const std::uint8_t* pCfgData;
  const std::uint8_t* pBlock492;
  const std::uint8_t* pBlock102;
};

// Where a module's data sits in the host's process image, in bits.
struct IoDesc {
  std::uint8_t ucTag;
  std::uint8_t abCarried1[8];
  std::uint32_t ulInputBitStart;
  std::uint32_t ulInputBitCount;
  std::uint8_t abCarried17[2];
  std::uint32_t ulOutputBitStart;
  std::uint32_t ulOutputBitCount;
};

struct BusDescEntry {
  std::uint8_t abCarried0[59];
  std::uint16_t usEntryCount; // further entries listed by ppEntries
  std::uint8_t abCarried61[4];
  const BusDescEntry* const* ppEntries;
};

struct BusDesc {
  std::uint8_t abCarried0[7];
  std::uint8_t abBusParam[BUS_PARAM_SIZE];
  std::uint8_t ucCarried74;
  const BusDescEntry* pFirstEntry;
};

// One configured slave in the shared area.
struct ModuleRecord {
  std::uint8_t ucInUse; // 0xFF once configured
  std::uint8_t ucBusParam2;
  std::uint8_t ucTag;
  std::uint8_t ucReserved3;
  std::uint8_t ucWdFact1;
  std::uint8_t ucWdFact2;
  std::uint8_t ucMinTsdr;
  std::uint16_t usIdentNumber;
  std::uint8_t ucLockReq;
  std::uint8_t ucSyncReq;
  std::uint8_t ucWdOn;
  std::uint8_t ucReserved12;
  std::uint8_t ucInputBytes;
  std::uint8_t ucOutputBytes;
  std::uint8_t abReserved15[2];
  std::uint16_t usUserPrmLen;
  std::uint16_t usCfgLen;
  std::uint8_t ucStationStatus;
  std::uint8_t abReserved[MODULE_DATA_SIZE];
  std::uint8_t abInputs[MODULE_DATA_SIZE];
  std::uint8_t abOutputs[MODULE_DATA_SIZE];
  std::uint8_t abUserPrm[MODULE_DATA_SIZE];
  std::uint8_t abCfg[MODULE_DATA_SIZE];
};

struct ProcessArea {
  std::uint8_t ucBusParam2;
  std::uint32_t ulBusParam3;
  std::uint8_t ucBusParam11;
  std::uint8_t ucBusParam4;
  std::uint8_t ucBusParam6;
  ModuleRecord aModule[MAX_MODULES];
};

#pragma pack(pop)

static_assert(sizeof(IoDesc) == IO_DESC_SIZE);
static_assert(offsetof(IoDesc, ulInputBitStart) == 9 && offsetof(IoDesc, ulInputBitCount) == 13);
static_assert(offsetof(IoDesc, ulOutputBitStart) == 19 && offsetof(IoDesc, ulOutputBitCount) == 23);
static_assert(offsetof(BusDescEntry, usEntryCount) == 59 && offsetof(BusDescEntry, ppEntries) == 65);
static_assert(sizeof(BusDescEntry) == 65 + sizeof(void*));
static_assert(offsetof(BusDesc, abBusParam) == 7 && offsetof(BusDesc, pFirstEntry) == 75);
static_assert(!IODRV_IS_HOST_ABI || sizeof(BusDescEntry) == 69);
static_assert(!IODRV_IS_HOST_ABI || offsetof(ModConfData, pBlock102) == 20);
static_assert(offsetof(ModuleRecord, usIdentNumber) == 7 && offsetof(ModuleRecord, ucLockReq) == 9);
static_assert(offsetof(ModuleRecord, ucInputBytes) == 13 && offsetof(ModuleRecord, usUserPrmLen) == 17);
static_assert(offsetof(ModuleRecord, usCfgLen) == 19 && offsetof(ModuleRecord, ucStationStatus) == 21);
static_assert(offsetof(ModuleRecord, abReserved) == 22 && offsetof(ModuleRecord, abInputs) == 278);
static_assert(offsetof(ModuleRecord, abOutputs) == 534 && offsetof(ModuleRecord, abUserPrm) == 790);
static_assert(offsetof(ModuleRecord, abCfg) == 1046 && sizeof(ModuleRecord) == 1302);
static_assert(offsetof(ProcessArea, ulBusParam3) == 1 && offsetof(ProcessArea, ucBusParam11) == 5);
static_assert(offsetof(ProcessArea, ucBusParam4) == 6 && offsetof(ProcessArea, ucBusParam6) == 7);
static_assert(offsetof(ProcessArea, aModule) == 8 && sizeof(ProcessArea) == 166664);

// The module store: six parallel arrays in arrival order.
struct ModuleTable {
  std::int32_t nModules;
  std::uint8_t aIoDesc[MAX_MODULES][IO_DESC_SIZE];
  std::uint8_t aBlock16[MAX_MODULES][BLOCK16_SIZE];
  std::uint8_t aPrmData[MAX_MODULES][PRM_DATA_SIZE];
  std::uint8_t aCfgData[MAX_MODULES][CFG_DATA_SIZE];
  std::uint8_t aBlock492[MAX_MODULES][BLOCK492_SIZE];
  std::uint8_t aBlock102[MAX_MODULES][BLOCK102_SIZE];
};

// Copy of what the last IODrvFctConfigureDevice read of the bus description.
struct BusSnapshot {
  std::uint8_t abBusParam[BUS_PARAM_SIZE];
  BusDescEntry firstEntry;
  BusDescEntry aEntries[MAX_MODULES];
  std::int32_t nEntries; // how many of aEntries were copied
};

extern ModuleTable g_moduleTable;
extern ProcessArea g_processArea;
extern BusSnapshot g_busSnapshot;

std::int32_t StoreModule(const ModConfData* pModConfData);
std::int32_t BuildProcessArea(const BusDesc* pBusDesc);

// The first stored module whose range holds bits [A, A + S], or null.
std::uint8_t* FindOutputByte(std::uint32_t A, std::uint32_t S);
std::uint8_t* FindInputByte(std::uint32_t A, std::uint32_t S);
