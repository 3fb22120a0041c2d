// IODrvFunctionTable: the host-owned table through which the host calls a
// driver. Offsets are those of the host's 32-bit build (see iodrv_abi.h for
// the 64-bit rule). The driver writes only the words its start-up names and
// never touches the host's words.
#pragma once

#include "iodrv_abi.h"

struct IODrvHostServices;
struct IODrvFunctionTable;
struct ModConfData;
struct BusDesc;

constexpr IODrvWord IODRV_INTERFACE_VERSION = 2402; // 0x962
constexpr int IODRV_MAX_DEVICE_FLAGS = 5;

extern "C" {
typedef std::int32_t(IODRV_CALL* PFN_IODrvInit)(IODrvHostServices*, IODrvFunctionTable*);
typedef std::int32_t(IODRV_CALL* PFN_IODrvFctExit)(void);
typedef std::int32_t(IODRV_CALL* PFN_IODrvFctGetId)(IODrvSWord* plDeviceCount);
typedef std::int32_t(IODRV_CALL* PFN_IODrvFctGetVersion)(const char** ppszVersion);
typedef std::int32_t(IODRV_CALL* PFN_IODrvFctGetDescription)(char* pszBuffer, std::uint32_t ulLength);
typedef std::int32_t(IODRV_CALL* PFN_IODrvFctGetModuleName)(char* pszModuleName);
typedef std::int32_t(IODRV_CALL* PFN_IODrvFctGetDeviceFlags)(std::uint32_t ulDeviceNr);
typedef std::int32_t(IODRV_CALL* PFN_IODrvFctGetIORange)(IODrvWord* pulOffset, IODrvWord* pulSize);
typedef std::int32_t(IODRV_CALL* PFN_IODrvFctStartConfigureIONet)(std::uint32_t ulDeviceNr);
typedef std::int32_t(IODRV_CALL* PFN_IODrvFctConfigureIONet)(std::uint32_t ulDeviceNr, void* pccm,
                                                              std::uint32_t ulParam);
typedef std::int32_t(IODRV_CALL* PFN_IODrvFctDoneConfigureIONet)(std::uint32_t ulDeviceNr);
typedef std::int32_t(IODRV_CALL* PFN_IODrvFctConfigureModule)(std::int32_t iModule,
                                                               const ModConfData* pModConfData,
                                                               std::uint32_t ulDeviceNr);
typedef std::int32_t(IODRV_CALL* PFN_IODrvFctConfigureDevice)(const BusDesc* pBusDesc,
                                                               std::uint32_t ulDeviceNr);
// The four bracketing entries all take the device number; those that do not
// need it ignore it.
typedef std::int32_t(IODRV_CALL* PFN_IODrvFctStartWriteOutputs)(std::uint32_t ulDeviceNr);
typedef std::int32_t(IODRV_CALL* PFN_IODrvFctWriteOutputs)(std::uint32_t ulAddress, std::int32_t lSize,
                                                            const std::uint8_t* pbData,
                                                            std::uint32_t ulDeviceNr);
typedef std::int32_t(IODRV_CALL* PFN_IODrvFctDoneWriteOutputs)(std::uint32_t ulDeviceNr);
typedef std::int32_t(IODRV_CALL* PFN_IODrvFctStartReadInputs)(std::uint32_t ulDeviceNr);
typedef std::int32_t(IODRV_CALL* PFN_IODrvFctReadInputs)(std::uint32_t ulAddress, std::int32_t lSize,
                                                          std::uint8_t* pbData, std::uint32_t ulDeviceNr);
typedef std::int32_t(IODRV_CALL* PFN_IODrvFctDoneReadInputs)(std::uint32_t ulDeviceNr);
typedef void*(IODRV_CALL* PFN_IODrvFctGetExtRefTable)(void);
typedef std::int32_t(IODRV_CALL* PFN_IODrvFctLibReserved)(void);
typedef std::int32_t(IODRV_CALL* PFN_IODrvFctLibGetState)(void);
typedef bool(IODRV_CALL* PFN_IODrvFctGetRevision)(std::uint32_t* pulRevision, std::uint32_t* pulBuild);
typedef std::int32_t(IODRV_CALL* PFN_IODrvFctGetIORangeEx)(IODrvWord* pulOffset, IODrvWord* pulSize,
                                                            IODrvWord* pulHost548, IODrvWord* pulHost568);
}

struct IODrvFunctionTable {
  IODrvWord ulInterfaceVersion; // 0
  PFN_IODrvInit IODrvInit; // 4
  PFN_IODrvFctExit IODrvFctExit; // 8
  PFN_IODrvFctGetId IODrvFctGetId; // 12
  PFN_IODrvFctGetVersion IODrvFctGetVersion; // 16
  PFN_IODrvFctGetDescription IODrvFctGetDescription; // 20
  PFN_IODrvFctGetModuleName IODrvFctGetModuleName; // 24
  PFN_IODrvFctGetDeviceFlags IODrvFctGetDeviceFlags; // 28
  PFN_IODrvFctGetIORange IODrvFctGetIORange; // 32
  PFN_IODrvFctStartConfigureIONet IODrvFctStartConfigureIONet; // 36
  PFN_IODrvFctConfigureIONet IODrvFctConfigureIONet; // 40
  PFN_IODrvFctDoneConfigureIONet IODrvFctDoneConfigureIONet; // 44
  PFN_IODrvFctConfigureModule IODrvFctConfigureModule; // 48
  PFN_IODrvFctConfigureDevice IODrvFctConfigureDevice; // 52
  PFN_IODrvFctStartWriteOutputs IODrvFctStartWriteOutputs; // 56
  PFN_IODrvFctWriteOutputs IODrvFctWriteOutputs; // 60
  PFN_IODrvFctDoneWriteOutputs IODrvFctDoneWriteOutputs; // 64
  IODrvWord pfnUnused068; // 68
  PFN_IODrvFctStartReadInputs IODrvFctStartReadInputs; // 72
  PFN_IODrvFctReadInputs IODrvFctReadInputs; // 76
  PFN_IODrvFctDoneReadInputs IODrvFctDoneReadInputs; // 80
  IODrvWord pfnUnused084; // 84
  IODrvWord pfnUnused088; // 88
  IODrvWord pfnUnused092; // 92
  IODrvWord aulHost096[10]; // 96 .. 135, the host's
  PFN_IODrvFctGetExtRefTable IODrvFctGetExtRefTable; // 136
  PFN_IODrvFctLibReserved IODrvFctLibReserved; // 140
  PFN_IODrvFctLibGetState IODrvFctLibGetState; // 144
  IODrvWord aulHost148[7]; // 148 .. 175, the host's
  PFN_IODrvFctGetRevision IODrvFctGetRevision; // 176
  IODrvWord aulHost180[8]; // 180 .. 211, the host's
  IODrvSWord lDeviceCount; // 212
  IODrvWord aulHost216[2]; // 216 .. 223, the host's
  IODrvSWord alDeviceFlags[IODRV_MAX_DEVICE_FLAGS]; // 224
  IODrvWord ulIOOffset; // 244
  IODrvWord aulHost248[4]; // 248 .. 263, the host's
  IODrvWord ulIOSize; // 264
  IODrvWord aulHost268[69]; // 268 .. 543, the host's
  PFN_IODrvFctGetIORangeEx IODrvFctGetIORangeEx; // 544
  IODrvWord ulHostWord548; // 548
  IODrvWord aulHost552[4]; // 552 .. 567, the host's
  IODrvWord ulHostWord568; // 568
};

#define IODRV_CHECK_OFS(field, n)                                                                  \
  static_assert(offsetof(IODrvFunctionTable, field) == IODRV_OFS(n), "table word " #n);      \
  static_assert(!IODRV_IS_HOST_ABI || offsetof(IODrvFunctionTable, field) == (n), "host offset " #n)
IODRV_CHECK_OFS(ulInterfaceVersion, 0);
IODRV_CHECK_OFS(IODrvInit, 4);
IODRV_CHECK_OFS(IODrvFctExit, 8);
IODRV_CHECK_OFS(IODrvFctGetId, 12);
IODRV_CHECK_OFS(IODrvFctGetVersion, 16);
IODRV_CHECK_OFS(IODrvFctGetDescription, 20);
IODRV_CHECK_OFS(IODrvFctGetModuleName, 24);
IODRV_CHECK_OFS(IODrvFctGetDeviceFlags, 28);
IODRV_CHECK_OFS(IODrvFctGetIORange, 32);
IODRV_CHECK_OFS(IODrvFctStartConfigureIONet, 36);
IODRV_CHECK_OFS(IODrvFctConfigureIONet, 40);
IODRV_CHECK_OFS(IODrvFctDoneConfigureIONet, 44);
IODRV_CHECK_OFS(IODrvFctConfigureModule, 48);
IODRV_CHECK_OFS(IODrvFctConfigureDevice, 52);
IODRV_CHECK_OFS(IODrvFctStartWriteOutputs, 56);
IODRV_CHECK_OFS(IODrvFctWriteOutputs, 60);
IODRV_CHECK_OFS(IODrvFctDoneWriteOutputs, 64);
IODRV_CHECK_OFS(pfnUnused068, 68);
IODRV_CHECK_OFS(IODrvFctStartReadInputs, 72);
IODRV_CHECK_OFS(IODrvFctReadInputs, 76);
IODRV_CHECK_OFS(IODrvFctDoneReadInputs, 80);
IODRV_CHECK_OFS(pfnUnused084, 84);
IODRV_CHECK_OFS(pfnUnused088, 88);
IODRV_CHECK_OFS(pfnUnused092, 92);
IODRV_CHECK_OFS(IODrvFctGetExtRefTable, 136);
IODRV_CHECK_OFS(IODrvFctLibReserved, 140);
IODRV_CHECK_OFS(IODrvFctLibGetState, 144);
IODRV_CHECK_OFS(IODrvFctGetRevision, 176);
IODRV_CHECK_OFS(lDeviceCount, 212);
IODRV_CHECK_OFS(alDeviceFlags, 224);
IODRV_CHECK_OFS(ulIOOffset, 244);
IODRV_CHECK_OFS(ulIOSize, 264);
IODRV_CHECK_OFS(IODrvFctGetIORangeEx, 544);
IODRV_CHECK_OFS(ulHostWord548, 548);
IODRV_CHECK_OFS(ulHostWord568, 568);
static_assert(sizeof(IODrvFunctionTable) == IODRV_OFS(572), "table size");
#undef IODRV_CHECK_OFS
