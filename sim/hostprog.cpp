// A stand-in for the host program's board queries. Built several times, each
// exporting the first HOSTPROG_EXPORTS of the four functions the driver asks
// for, so a simulated host program exports exactly what a board calls for.
// hostProgSet chooses the answers.
#include <cstdint>

#include "hostprog.h"

#define HOSTPROG_API extern "C" __attribute__((visibility("default")))

namespace {
std::int32_t s_vmware = 0;
std::int32_t s_congatec = 0;
std::int32_t s_usePci = 0;
std::uintptr_t s_pciBase = 0;
int s_calls[4];
} // namespace

HOSTPROG_API void hostProgSet(std::int32_t vmware, std::int32_t congatec, std::int32_t usePci, std::uintptr_t pciBase) {
  s_vmware = vmware;
  s_congatec = congatec;
  s_usePci = usePci;
  s_pciBase = pciBase;
}

HOSTPROG_API int hostProgCalls(int which) { return which >= 0 && which < 4 ? s_calls[which] : 0; }

#if HOSTPROG_EXPORTS >= 1
HOSTPROG_API std::int32_t hostIsVMware(void) __asm__("_isVMware");
std::int32_t hostIsVMware(void) {
  ++s_calls[HOSTPROG_IS_VMWARE];
  return s_vmware;
}
#endif
#if HOSTPROG_EXPORTS >= 2
HOSTPROG_API std::int32_t hostIsCongatec(void) __asm__("_isCongatec");
std::int32_t hostIsCongatec(void) {
  ++s_calls[HOSTPROG_IS_CONGATEC];
  return s_congatec;
}
#endif
#if HOSTPROG_EXPORTS >= 3
HOSTPROG_API std::int32_t hostUsePci(void) __asm__("_useCongatecMemoryPCI");
std::int32_t hostUsePci(void) {
  ++s_calls[HOSTPROG_USE_PCI];
  return s_usePci;
}
#endif
#if HOSTPROG_EXPORTS >= 4
HOSTPROG_API std::uintptr_t hostPciBase(void) __asm__("_getCongatecMemoryPCIBaseAddress");
std::uintptr_t hostPciBase(void) {
  ++s_calls[HOSTPROG_PCI_BASE];
  return s_pciBase;
}
#endif
