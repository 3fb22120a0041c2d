// halvex's identity. Its device flags and I/O range (the process area) are
// with the area in process_area.cpp.
#include "../frame/driver.h"

extern "C" IODRV_EXPORT void IODRV_CALL Halvex_dll(void) IODRV_EXPORT_AS("_Halvex_dll");
extern "C" void IODRV_CALL Halvex_dll(void) {}

const DriverIdentity g_driverIdentity = {
    "Halvex: IODrvFctInit\n",
    nullptr,
    "V1.2",
    1200,
    "Halvex: ->IODrvFctGetVersion(ppszVersion=0x%p)\n",
    "Halvex: <-IODrvFctGetVersion()=%ld\n",
    "Tavelin Halvex Profibus driver",
    "Halvex",
    "Halvex: IODrvFctGetModuleName(pszModuleName=%s)\n",
    "Halvex: IODrvFctExit()\n",
    "Halvex: IODrvFctGetId()\n",
    "Halvex: IODrvFctGetExtRefTable()\n",
    "Halvex: IODrvFctLibGetState()\n",
};
