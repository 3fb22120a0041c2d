// qmxdrv's identity and its configuration entries, which it accepts and
// ignores: the FPGA needs no configuration from the host.
#include "../frame/driver.h"
#include "../frame/host_wrappers.h"
#include "backend_select.h"

extern "C" IODRV_EXPORT void IODRV_CALL QMXDrv_dll(void) IODRV_EXPORT_AS("_QMXDrv_dll");
extern "C" void IODRV_CALL QMXDrv_dll(void) {}

constexpr IODrvWord QMXDRV_IO_SIZE = 0x10000;

const DriverIdentity g_driverIdentity = {
    "QMXDrv: IODrvFctInit\n",
    selectAccessBackend,
    "V1.3",
    1300,
    "QMXDrv: ->IODrvFctGetVersion(ppszVersion=0x%p)\n",
    "QMXDrv: <-IODrvFctGetVersion()=%ld\n",
    "Tavelin Brenix-T driver",
    "QMXDrv",
    "QMXDrv: IODrvFctGetModuleName(pszModuleName=%s)\n",
    "QMXDrv: IODrvFctExit()\n",
    nullptr,
    nullptr,
    nullptr,
};

std::int32_t IODRV_CALL IODrvFctGetDeviceFlags(std::uint32_t) { return 0; }

std::int32_t IODRV_CALL IODrvFctGetIORange(IODrvWord* pulOffset, IODrvWord* pulSize) {
  if (pulOffset != nullptr) *pulOffset = 0;
  if (pulSize != nullptr) *pulSize = QMXDRV_IO_SIZE;
  IODrvHostPrint("QMXDrv: IODrvFctGetIORange(pulOffset=%p, pulSize=%p) Offset=%d, Size=%d\n",
                 static_cast<void*>(pulOffset), static_cast<void*>(pulSize),
                 pulOffset != nullptr ? static_cast<int>(*pulOffset) : 0,
                 pulSize != nullptr ? static_cast<int>(*pulSize) : 0);
  return 1;
}

std::int32_t IODRV_CALL IODrvFctStartConfigureIONet(std::uint32_t) { return 1; }
std::int32_t IODRV_CALL IODrvFctConfigureIONet(std::uint32_t, void*, std::uint32_t) { return 1; }
std::int32_t IODRV_CALL IODrvFctDoneConfigureIONet(std::uint32_t) { return 1; }
std::int32_t IODRV_CALL IODrvFctConfigureModule(std::int32_t, const ModConfData*, std::uint32_t) { return 1; }
std::int32_t IODRV_CALL IODrvFctConfigureDevice(const BusDesc*, std::uint32_t) { return 1; }
