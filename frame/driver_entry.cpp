// IODrvInit and IODrvFctInit: how the host brings a driver up.
#include "driver.h"
#include "frame_state.h"
#include "host_wrappers.h"

IODrvHostServices* g_pHostServices = nullptr;
IODrvFunctionTable* g_pDriverTable = nullptr;

namespace {

// Every entry the table fill writes, and null in the words of entries that
// neither driver provides. GetVersion and GetModuleName are written as null
// here and filled by IODrvFctInit.
void fillTable(IODrvFunctionTable* t) {
  t->ulInterfaceVersion = IODRV_INTERFACE_VERSION;
  t->IODrvInit = IODrvInit;
  t->IODrvFctExit = IODrvFctExit;
  t->IODrvFctGetId = IODrvFctGetId;
  t->IODrvFctGetVersion = nullptr;
  t->IODrvFctGetDescription = IODrvFctGetDescription;
  t->IODrvFctGetModuleName = nullptr;
  t->IODrvFctGetDeviceFlags = IODrvFctGetDeviceFlags;
  t->IODrvFctGetIORange = IODrvFctGetIORange;
  t->IODrvFctStartConfigureIONet = IODrvFctStartConfigureIONet;
  t->IODrvFctConfigureIONet = IODrvFctConfigureIONet;
  t->IODrvFctDoneConfigureIONet = IODrvFctDoneConfigureIONet;
  t->IODrvFctConfigureModule = IODrvFctConfigureModule;
  t->IODrvFctConfigureDevice = IODrvFctConfigureDevice;
  t->IODrvFctStartWriteOutputs = IODrvFctStartWriteOutputs;
  t->IODrvFctWriteOutputs = IODrvFctWriteOutputs;
  t->IODrvFctDoneWriteOutputs = IODrvFctDoneWriteOutputs;
  t->pfnUnused068 = 0;
  t->IODrvFctStartReadInputs = IODrvFctStartReadInputs;
  t->IODrvFctReadInputs = IODrvFctReadInputs;
  t->IODrvFctDoneReadInputs = IODrvFctDoneReadInputs;
  t->pfnUnused084 = 0;
  t->pfnUnused088 = 0;
  t->pfnUnused092 = 0;
  t->IODrvFctGetExtRefTable = IODrvFctGetExtRefTable;
  t->IODrvFctLibReserved = IODrvFctLibReserved;
  t->IODrvFctLibGetState = IODrvFctLibGetState;
}

} // namespace

std::int32_t IODRV_CALL IODrvInit(IODrvHostServices* pHostServices, IODrvFunctionTable* pTable) {
  g_pHostServices = pHostServices;
  g_pDriverTable = pTable;
  if (pTable != nullptr) fillTable(pTable);

  IODrvFctInit();
  if (pTable == nullptr) return 1;

  // From here on everything goes through the table, so the host sees the
  // answers of whatever the table holds now.
  if (pTable->IODrvFctGetId != nullptr) pTable->IODrvFctGetId(&pTable->lDeviceCount);
  if (pTable->IODrvFctGetDeviceFlags != nullptr) {
    // The count is read anew before each step; the table has room for five.
    for (IODrvSWord i = 0; i < pTable->lDeviceCount && i < IODRV_MAX_DEVICE_FLAGS; ++i)
      pTable->alDeviceFlags[i] = pTable->IODrvFctGetDeviceFlags(static_cast<std::uint32_t>(i));
  }
  if (pTable->IODrvFctGetIORangeEx != nullptr)
    pTable->IODrvFctGetIORangeEx(&pTable->ulIOOffset, &pTable->ulIOSize, &pTable->ulHostWord548,
                                 &pTable->ulHostWord568);
  else if (pTable->IODrvFctGetIORange != nullptr)
    pTable->IODrvFctGetIORange(&pTable->ulIOOffset, &pTable->ulIOSize);
  return 1;
}

std::int32_t IODRV_CALL IODrvFctInit(void) {
  IODrvFunctionTable* t = g_pDriverTable;
  IODrvHostPrintText(g_driverIdentity.pszInitLog);
  if (g_driverIdentity.pfnInitHook != nullptr) g_driverIdentity.pfnInitHook();
  if (t == nullptr) return 1; // called before any IODrvInit: nothing to fill
  t->IODrvFctGetModuleName = IODrvFctGetModuleName;
  t->IODrvFctGetVersion = IODrvFctGetVersion;
  t->IODrvFctGetRevision = IODrvFctGetRevision;
  t->IODrvFctStartWriteOutputs = IODrvFctStartWriteOutputs;
  t->IODrvFctWriteOutputs = IODrvFctWriteOutputs;
  t->IODrvFctDoneWriteOutputs = IODrvFctDoneWriteOutputs;
  t->IODrvFctStartReadInputs = IODrvFctStartReadInputs;
  t->IODrvFctReadInputs = IODrvFctReadInputs;
  t->IODrvFctDoneReadInputs = IODrvFctDoneReadInputs;
  return 1;
}
