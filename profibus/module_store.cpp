// The module store and the configuration entries that feed it.
#include <cstring>

#include "../frame/driver.h"
#include "../frame/host_wrappers.h"
#include "halvex.h"

ModuleTable g_moduleTable;

namespace {

// A block the host left out (null pointer) is stored as zeros.
void copyBlock(std::uint8_t* pDest, const std::uint8_t* pSource, std::size_t size) {
  if (pSource != nullptr)
    std::memcpy(pDest, pSource, size);
  else
    std::memset(pDest, 0, size);
}

} // namespace

std::int32_t StoreModule(const ModConfData* pModConfData) {
  ModuleTable& t = g_moduleTable;
  if (pModConfData == nullptr) {
    t.nModules = 0;
    return 1;
  }
  if (t.nModules >= MAX_MODULES) return 1;
  const int i = t.nModules;
  copyBlock(t.aIoDesc[i], pModConfData->pIoDesc, IO_DESC_SIZE);
  copyBlock(t.aBlock16[i], pModConfData->pBlock16, BLOCK16_SIZE);
  copyBlock(t.aPrmData[i], pModConfData->pPrmData, PRM_DATA_SIZE);
  copyBlock(t.aCfgData[i], pModConfData->pCfgData, CFG_DATA_SIZE);
  copyBlock(t.aBlock492[i], pModConfData->pBlock492, BLOCK492_SIZE);
  copyBlock(t.aBlock102[i], pModConfData->pBlock102, BLOCK102_SIZE);
  ++t.nModules;
  return 1;
}

std::int32_t IODRV_CALL IODrvFctStartConfigureIONet(std::uint32_t ulDeviceNr) {
  IODrvHostPrint("Halvex: IODrvFctStartConfigureIONet(ulDeviceNr=%ld)\n", static_cast<long>(ulDeviceNr));
  return StoreModule(nullptr);
}

std::int32_t IODRV_CALL IODrvFctConfigureIONet(std::uint32_t ulDeviceNr, void* pccm, std::uint32_t ulParam) {
  IODrvHostPrint("Halvex: IODrvFctConfigureIONet(ulDeviceNr=%ld, pccm=%p, ulParam=%ld)\n",
                 static_cast<long>(ulDeviceNr), pccm, static_cast<long>(ulParam));
  return 1;
}

std::int32_t IODRV_CALL IODrvFctDoneConfigureIONet(std::uint32_t ulDeviceNr) {
  IODrvHostPrint("Halvex: IODrvFctDoneConfigureIONet(ulDeviceNr=%ld)\n", static_cast<long>(ulDeviceNr));
  return 1;
}

std::int32_t IODRV_CALL IODrvFctConfigureModule(std::int32_t iModule, const ModConfData* pModConfData,
                                                std::uint32_t ulDeviceNr) {
  IODrvHostPrint("Halvex: IODrvFctConfigureModule(iModule=%d, pModConfData=%p, ulDeviceNr=%ld)\n",
                 static_cast<int>(iModule), static_cast<const void*>(pModConfData), static_cast<long>(ulDeviceNr));
  StoreModule(pModConfData);
  return 1;
}
