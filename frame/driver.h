// What each deliverable plugs into the shared frame: its identity texts and
// log lines, the hook that IODrvFctInit runs, and the table entries whose
// behaviour is its own (defined once per deliverable under the same names).
#pragma once

#include "function_table.h"

struct DriverIdentity {
  const char* pszInitLog;          // logged first by IODrvFctInit
  void (*pfnInitHook)(void);       // run by IODrvFctInit after its log line, or null
  const char* pszVersionText;
  std::int32_t lVersionNumber;
  const char* pszVersionLogBefore; // format, one %p: the caller's ppszVersion
  const char* pszVersionLogAfter;  // format, one %ld: the version number
  const char* pszDescription;
  const char* pszModuleName;
  const char* pszModuleNameLog;    // format, one %s: the caller's buffer
  const char* pszExitLog;
  const char* pszGetIdLog;         // null: no log
  const char* pszExtRefTableLog;   // null: no log
  const char* pszLibGetStateLog;   // null: no log
};

extern const DriverIdentity g_driverIdentity;

constexpr std::int32_t IODRV_DRIVER_ID = 10278; // 0x2826
constexpr std::uint32_t IODRV_REVISION = 26500; // 0x6784
constexpr std::size_t IODRV_EXT_REF_TABLE_SIZE = 36;

extern "C" {
// Exported entries.
IODRV_EXPORT std::int32_t IODRV_CALL IODrvInit(IODrvHostServices* pHostServices,
                                               IODrvFunctionTable* pTable) IODRV_EXPORT_AS("_IODrvInit");
IODRV_EXPORT std::int32_t IODRV_CALL IODrvFctInit(void) IODRV_EXPORT_AS("_IODrvFctInit");

// Identity entries, the same in both deliverables (frame/identity.cpp).
std::int32_t IODRV_CALL IODrvFctExit(void);
std::int32_t IODRV_CALL IODrvFctGetId(IODrvSWord* plDeviceCount);
std::int32_t IODRV_CALL IODrvFctGetVersion(const char** ppszVersion);
std::int32_t IODRV_CALL IODrvFctGetDescription(char* pszBuffer, std::uint32_t ulLength);
std::int32_t IODRV_CALL IODrvFctGetModuleName(char* pszModuleName);
void* IODRV_CALL IODrvFctGetExtRefTable(void);
std::int32_t IODRV_CALL IODrvFctLibReserved(void);
std::int32_t IODRV_CALL IODrvFctLibGetState(void);
bool IODRV_CALL IODrvFctGetRevision(std::uint32_t* pulRevision, std::uint32_t* pulBuild);

// Entries each deliverable defines itself.
std::int32_t IODRV_CALL IODrvFctGetDeviceFlags(std::uint32_t ulDeviceNr);
std::int32_t IODRV_CALL IODrvFctGetIORange(IODrvWord* pulOffset, IODrvWord* pulSize);
std::int32_t IODRV_CALL IODrvFctStartConfigureIONet(std::uint32_t ulDeviceNr);
std::int32_t IODRV_CALL IODrvFctConfigureIONet(std::uint32_t ulDeviceNr, void* pccm, std::uint32_t ulParam);
std::int32_t IODRV_CALL IODrvFctDoneConfigureIONet(std::uint32_t ulDeviceNr);
std::int32_t IODRV_CALL IODrvFctConfigureModule(std::int32_t iModule, const ModConfData* pModConfData,
                                                std::uint32_t ulDeviceNr);
std::int32_t IODRV_CALL IODrvFctConfigureDevice(const BusDesc* pBusDesc, std::uint32_t ulDeviceNr);
std::int32_t IODRV_CALL IODrvFctStartWriteOutputs(std::uint32_t ulDeviceNr);
std::int32_t IODRV_CALL IODrvFctWriteOutputs(std::uint32_t ulAddress, std::int32_t lSize,
                                             const std::uint8_t* pbData, std::uint32_t ulDeviceNr);
std::int32_t IODRV_CALL IODrvFctDoneWriteOutputs(std::uint32_t ulDeviceNr);
std::int32_t IODRV_CALL IODrvFctStartReadInputs(std::uint32_t ulDeviceNr);
std::int32_t IODRV_CALL IODrvFctReadInputs(std::uint32_t ulAddress, std::int32_t lSize, std::uint8_t* pbData,
                                           std::uint32_t ulDeviceNr);
std::int32_t IODRV_CALL IODrvFctDoneReadInputs(std::uint32_t ulDeviceNr);
}
