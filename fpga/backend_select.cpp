#include "backend_select.h"

#include <cstdlib>
#include <cstring>

#include "../frame/host_wrappers.h"
#include "../platform/host_program.h"
#include "backends.h"

char lpcInputFunc = 'M';

namespace {

const char kConfigFile[] = "C:\\DAV3I.CFG";

void fillIsa(std::int32_t width) {
  g_backend.writeWord = isaWriteWord;
  g_backend.readWord = isaReadWord;
  g_backend.readInputWord = isaReadWord;
  g_backend.readBlock = width == 32 ? isa32ReadBlock : isa16ReadBlock;
  g_backend.writeBlock = width == 32 ? shadowWriteBlock : isa16WriteBlock;
  g_backend.flushOutputs = width == 32 ? isa32FlushOutputs : isa16FlushOutputs;
  g_backend.readInputByte = isaReadInputByte;
}

void fillWordSlots(FpgaWriteWordFn write, FpgaReadWordFn read) {
  g_backend.writeWord = write;
  g_backend.readWord = read;
  g_backend.readInputWord = read;
}

// Rows PCI and LPC: every slot replaced (LPC's readInputWord by its probe).
void fillCongatec(bool pci) {
  fillWordSlots(pci ? pciWriteWord : lpcWriteWord, pci ? pciReadWord : lpcReadWord);
  g_backend.readBlock = lpcReadBlock;
  g_backend.writeBlock = shadowWriteBlock;
  g_backend.flushOutputs = pci ? pciFlushOutputs : lpcFlushOutputs;
  g_backend.readInputByte = lpcReadInputByte;
}

HostProgramQuery queryFunction(const char* name) { return reinterpret_cast<HostProgramQuery>(hostProgramLookup(name)); }

} // namespace

// The key is set when its exact text occurs anywhere in the file (up to its
// first 0 byte); the file is read afresh for every key.
bool configFileContains(const char* text) {
  const IODrvSWord size = IODrvHostFileGetSize(kConfigFile);
  if (size <= 0) return false;
  const IODrvWord handle = IODrvHostFileOpen(kConfigFile, "r");
  if (handle == 0) return false;
  const auto bytes = static_cast<std::size_t>(size);
  char* buffer = bytes < SIZE_MAX ? static_cast<char*>(std::malloc(bytes + 1)) : nullptr;
  if (buffer == nullptr) {
    IODrvHostFileClose(handle);
    return false;
  }
  std::memset(buffer, 0, bytes + 1);
  IODrvHostFileRead(handle, buffer, static_cast<IODrvWord>(size));
  const bool found = std::strstr(buffer, text) != nullptr;
  std::free(buffer);
  IODrvHostFileClose(handle);
  return found;
}

std::int32_t probeIsaBusWidth(void) {
  const std::int32_t width = configFileContains("ISABusWidth=32") ? 32 : 16;
  IODrvHostPrintText(width == 32 ? "ISABus optimized for 32 bit with cache\n" : "ISABus standard 16 bit\n");
  return width;
}

void probeLpcInputFunc(void) {
  lpcInputFunc = 'M';
  if (configFileContains("LPCInputFunc=P")) lpcInputFunc = 'P';
  IODrvHostPrintText("LPCBus output to FPGA via port IO\nQMXDrv: ");
  if (lpcInputFunc == 'M') {
    IODrvHostPrintText("LPCBus input from FPGA via firmware memory read (FF801000h)\n");
    g_backend.readInputWord = lpcReadInputWordMem;
  } else {
    IODrvHostPrintText("LPCBus input from FPGA via port IO\n");
    g_backend.readInputWord = IODrvHostInWord;
  }
}

void selectAccessBackend(void) {
  IODrvHostPrintText("QMXDrv: ");
  fillIsa(probeIsaBusWidth());
  g_isaWindowOff = false;

  const HostProgramQuery isVMware = queryFunction("_isVMware");
  if (isVMware == nullptr) {
    IODrvHostPrintText("cannot find function 'isVMWare'\n");
    return;
  }
  if (isVMware() != 0) {
    fillWordSlots(vmWriteWord, vmReadWord);
    g_isaWindowOff = true;
    IODrvHostPrintText("no FPGA access in WMWare\n");
    return;
  }
  const HostProgramQuery isCongatec = queryFunction("_isCongatec");
  if (isCongatec == nullptr) {
    IODrvHostPrintText("cannot find function 'isCongatec'\n");
    return;
  }
  if (isCongatec() == 0) {
    fillWordSlots(isaWriteWord, isaReadWord);
    IODrvHostPrintText("FPGA access via memory mapped IO\n");
    return;
  }
  const HostProgramQuery usePci = queryFunction("_useCongatecMemoryPCI");
  if (usePci != nullptr && usePci() != 0) {
    const auto baseAddress =
        reinterpret_cast<HostProgramAddress>(hostProgramLookup("_getCongatecMemoryPCIBaseAddress"));
    if (baseAddress != nullptr) {
      pciBase = baseAddress();
      fillCongatec(true);
      IODrvHostPrintText("FPGA access via PCI-Bus\n");
      return;
    }
  }
  fillCongatec(false);
  probeLpcInputFunc();
}
