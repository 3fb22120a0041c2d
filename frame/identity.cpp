// The identity entries, one body for both deliverables; the texts and which
// entries log come from the deliverable's DriverIdentity.
#include <cstring>

#include "driver.h"
#include "host_wrappers.h"

namespace {

// The external reference table: 36 zero bytes, handed out but never written.
std::uint8_t s_abExtRefTable[IODRV_EXT_REF_TABLE_SIZE];

std::int32_t textSize(const char* psz) { return static_cast<std::int32_t>(std::strlen(psz)) + 1; }

void logOptional(const char* pszText) {
  if (pszText != nullptr) IODrvHostPrintText(pszText);
}

} // namespace

std::int32_t IODRV_CALL IODrvFctExit(void) {
  IODrvHostPrintText(g_driverIdentity.pszExitLog);
  return 1;
}

std::int32_t IODRV_CALL IODrvFctGetId(IODrvSWord* plDeviceCount) {
  logOptional(g_driverIdentity.pszGetIdLog);
  if (plDeviceCount != nullptr) *plDeviceCount = 1;
  return IODRV_DRIVER_ID;
}

std::int32_t IODRV_CALL IODrvFctGetVersion(const char** ppszVersion) {
  IODrvHostPrint(g_driverIdentity.pszVersionLogBefore, static_cast<void*>(ppszVersion));
  if (ppszVersion != nullptr) *ppszVersion = g_driverIdentity.pszVersionText;
  IODrvHostPrint(g_driverIdentity.pszVersionLogAfter, static_cast<long>(g_driverIdentity.lVersionNumber));
  return g_driverIdentity.lVersionNumber;
}

// The text cut to at most length - 1 characters and always terminated;
// nothing is written at or beyond pszBuffer[ulLength]. A buffer with a length
// of 0 has no room even for the terminator: nothing is written and the answer
// is the size a buffer needs, as for a null buffer.
std::int32_t IODRV_CALL IODrvFctGetDescription(char* pszBuffer, std::uint32_t ulLength) {
  const char* pszText = g_driverIdentity.pszDescription;
  const std::uint32_t ulNeeded = static_cast<std::uint32_t>(textSize(pszText));
  if (pszBuffer == nullptr || ulLength == 0) return static_cast<std::int32_t>(ulNeeded);
  const std::uint32_t n = ulNeeded < ulLength - 1 ? ulNeeded : ulLength - 1;
  std::uint32_t i = 0;
  for (; i < n && pszText[i] != '\0'; ++i) pszBuffer[i] = pszText[i];
  for (; i <= n; ++i) pszBuffer[i] = '\0';
  return textSize(pszBuffer);
}

std::int32_t IODRV_CALL IODrvFctGetModuleName(char* pszModuleName) {
  if (pszModuleName != nullptr) std::strcpy(pszModuleName, g_driverIdentity.pszModuleName);
  IODrvHostPrint(g_driverIdentity.pszModuleNameLog, pszModuleName);
  return textSize(g_driverIdentity.pszModuleName);
}

void* IODRV_CALL IODrvFctGetExtRefTable(void) {
  logOptional(g_driverIdentity.pszExtRefTableLog);
  return s_abExtRefTable;
}

std::int32_t IODRV_CALL IODrvFctLibReserved(void) { return 1; }

std::int32_t IODRV_CALL IODrvFctLibGetState(void) {
  logOptional(g_driverIdentity.pszLibGetStateLog);
  return 1;
}

bool IODRV_CALL IODrvFctGetRevision(std::uint32_t* pulRevision, std::uint32_t* pulBuild) {
  if (pulRevision != nullptr) *pulRevision = IODRV_REVISION;
  if (pulBuild != nullptr) *pulBuild = 0;
  return true;
}
