#include "host_wrappers.h"

#include "frame_state.h"

namespace {

template <class Slot>
Slot hostSlot(Slot IODrvHostServices::*member) {
  const IODrvHostServices* services = g_pHostServices;
  return services == nullptr ? nullptr : services->*member;
}

} // namespace

namespace {

void hostPrintV(const char* pszFormat, va_list args) {
  const PFN_IODrvHostPrint pfn = hostSlot(&IODrvHostServices::pfnPrint);
  if (pfn != nullptr) pfn(pszFormat, args);
}

// Not format-checked: the text is passed as the format with no arguments.
void hostPrintUnchecked(const char* pszFormat, ...) {
  va_list args;
  va_start(args, pszFormat);
  hostPrintV(pszFormat, args);
  va_end(args);
}

} // namespace

void IODrvHostPrint(const char* pszFormat, ...) {
  va_list args;
  va_start(args, pszFormat);
  hostPrintV(pszFormat, args);
  va_end(args);
}

void IODrvHostPrintText(const char* pszText) { hostPrintUnchecked(pszText); }

IODrvSWord IODrvHostFileGetSize(const char* pszName) {
  const PFN_IODrvHostFileGetSize pfn = hostSlot(&IODrvHostServices::pfnFileGetSize);
  return pfn == nullptr ? -1 : pfn(pszName);
}

IODrvWord IODrvHostFileOpen(const char* pszName, const char* pszMode) {
  const PFN_IODrvHostFileOpen pfn = hostSlot(&IODrvHostServices::pfnFileOpen);
  return pfn == nullptr ? 0 : pfn(pszName, pszMode);
}

IODrvSWord IODrvHostFileRead(IODrvWord hFile, void* pBuffer, IODrvWord ulCount) {
  const PFN_IODrvHostFileRead pfn = hostSlot(&IODrvHostServices::pfnFileRead);
  return pfn == nullptr ? -1 : pfn(hFile, pBuffer, ulCount);
}

IODrvSWord IODrvHostFileClose(IODrvWord hFile) {
  const PFN_IODrvHostFileClose pfn = hostSlot(&IODrvHostServices::pfnFileClose);
  return pfn == nullptr ? -1 : pfn(hFile);
}

std::int32_t IODrvHostInWord(std::uint32_t ulPort) {
  const PFN_IODrvHostInWord pfn = hostSlot(&IODrvHostServices::pfnInWord);
  return pfn == nullptr ? 0 : static_cast<std::int32_t>(pfn(ulPort));
}

IODrvSWord IODrvHostOutWord(std::uint32_t ulPort, std::uint32_t ulValue) {
  const PFN_IODrvHostOutWord pfn = hostSlot(&IODrvHostServices::pfnOutWord);
  return pfn == nullptr ? 0 : pfn(ulPort, static_cast<std::uint16_t>(ulValue));
}

IODrvSWord IODrvHostOutDword(std::uint32_t ulPort, std::uint32_t ulValue) {
  const PFN_IODrvHostOutDword pfn = hostSlot(&IODrvHostServices::pfnOutDword);
  return pfn == nullptr ? 0 : pfn(ulPort, ulValue);
}

std::int32_t IODrvHostSvc004(void) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn004>(hostSlot(&IODrvHostServices::pfnSlot004));
  if (pfn == nullptr) return 0;
  pfn();
  return 1;
}

IODrvSWord IODrvHostSvc048(IODrvWord a0, std::uint32_t a1, IODrvWord a2, IODrvWord a3, IODrvWord a4) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn048>(hostSlot(&IODrvHostServices::pfnSlot048));
  if (pfn == nullptr) return -1;
  return pfn(a0, static_cast<std::uint8_t>(a1), a2, a3, a4);
}

std::int32_t IODrvHostSvc052(IODrvWord a0) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn052>(hostSlot(&IODrvHostServices::pfnSlot052));
  if (pfn == nullptr) return -1;
  return pfn(a0);
}

std::int32_t IODrvHostSvc056(IODrvWord a0) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn056>(hostSlot(&IODrvHostServices::pfnSlot056));
  if (pfn == nullptr) return -1;
  pfn(a0);
  return 1;
}

std::int32_t IODrvHostSvc060(IODrvWord a0, IODrvWord a1) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn060>(hostSlot(&IODrvHostServices::pfnSlot060));
  if (pfn == nullptr) return -1;
  pfn(a0, a1);
  return 1;
}

std::int32_t IODrvHostSvc064(IODrvWord a0) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn064>(hostSlot(&IODrvHostServices::pfnSlot064));
  if (pfn == nullptr) return -1;
  return pfn(a0);
}

std::int32_t IODrvHostSvc068(IODrvWord a0) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn068>(hostSlot(&IODrvHostServices::pfnSlot068));
  if (pfn == nullptr) return -1;
  return pfn(a0);
}

IODrvSWord IODrvHostSvc084(IODrvWord a0, IODrvWord a1, IODrvWord a2) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn084>(hostSlot(&IODrvHostServices::pfnSlot084));
  if (pfn == nullptr) return -1;
  return pfn(a0, a1, a2);
}

bool IODrvHostSvc096(IODrvWord a0, IODrvWord a1) {
  if (a0 == 0) return false;
  const auto pfn = reinterpret_cast<IODrvHostSvcFn096>(hostSlot(&IODrvHostServices::pfnSlot096));
  if (pfn == nullptr) return false;
  pfn(a0, a1);
  return true;
}

IODrvSWord IODrvHostSvc100(IODrvWord a0) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn100>(hostSlot(&IODrvHostServices::pfnSlot100));
  if (pfn == nullptr) return 0;
  return pfn(a0);
}

void IODrvHostSvc104(IODrvWord a0, std::uint32_t a1) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn104>(hostSlot(&IODrvHostServices::pfnSlot104));
  if (pfn != nullptr) pfn(a0, static_cast<std::uint8_t>(a1));
}

IODrvSWord IODrvHostSvc112(IODrvWord a0) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn112>(hostSlot(&IODrvHostServices::pfnSlot112));
  if (pfn == nullptr) return 0;
  return pfn(a0);
}

IODrvSWord IODrvHostSvc116(IODrvWord a0) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn116>(hostSlot(&IODrvHostServices::pfnSlot116));
  if (pfn == nullptr) return 0;
  return pfn(a0);
}

IODrvSWord IODrvHostSvc120(IODrvWord a0) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn120>(hostSlot(&IODrvHostServices::pfnSlot120));
  if (pfn == nullptr) return 0;
  return pfn(a0);
}

IODrvSWord IODrvHostSvc124(void) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn124>(hostSlot(&IODrvHostServices::pfnSlot124));
  if (pfn == nullptr) return 0;
  return pfn();
}

IODrvSWord IODrvHostSvc128(IODrvWord a0) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn128>(hostSlot(&IODrvHostServices::pfnSlot128));
  if (pfn == nullptr) return 0;
  return pfn(a0);
}

IODrvSWord IODrvHostSvc132(void) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn132>(hostSlot(&IODrvHostServices::pfnSlot132));
  if (pfn == nullptr) return 0;
  return pfn();
}

IODrvSWord IODrvHostSvc136(IODrvWord a0, IODrvWord a1, IODrvWord a2) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn136>(hostSlot(&IODrvHostServices::pfnSlot136));
  if (pfn == nullptr) return 0;
  return pfn(a0, a1, a2);
}

IODrvSWord IODrvHostSvc140(IODrvWord a0) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn140>(hostSlot(&IODrvHostServices::pfnSlot140));
  if (pfn == nullptr) return 0;
  return pfn(a0);
}

IODrvSWord IODrvHostSvc144(IODrvWord a0) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn144>(hostSlot(&IODrvHostServices::pfnSlot144));
  if (pfn == nullptr) return 0;
  return pfn(a0);
}

IODrvSWord IODrvHostSvc152(IODrvWord a0) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn152>(hostSlot(&IODrvHostServices::pfnSlot152));
  if (pfn == nullptr) return 0;
  return pfn(a0);
}

IODrvSWord IODrvHostSvc156(IODrvWord a0, std::uint32_t a1) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn156>(hostSlot(&IODrvHostServices::pfnSlot156));
  if (pfn == nullptr) return 0;
  return pfn(a0, static_cast<std::uint8_t>(a1));
}

IODrvSWord IODrvHostSvc168(IODrvWord a0, IODrvWord a1) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn168>(hostSlot(&IODrvHostServices::pfnSlot168));
  if (pfn == nullptr) return 0;
  return pfn(a0, a1);
}

IODrvSWord IODrvHostSvc196(std::uint32_t a0, IODrvWord a1) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn196>(hostSlot(&IODrvHostServices::pfnSlot196));
  if (pfn == nullptr) return 0;
  return pfn(static_cast<std::uint16_t>(a0), a1);
}

IODrvSWord IODrvHostSvc200(std::uint32_t a0, IODrvWord a1) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn200>(hostSlot(&IODrvHostServices::pfnSlot200));
  if (pfn == nullptr) return 0;
  return pfn(static_cast<std::uint16_t>(a0), a1);
}

void IODrvHostSvc212(IODrvWord a0, IODrvWord a1, IODrvWord a2, IODrvWord a3) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn212>(hostSlot(&IODrvHostServices::pfnSlot212));
  if (pfn != nullptr) pfn(a0, a1, a2, a3);
}

IODrvSWord IODrvHostSvc296(IODrvWord a0) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn296>(hostSlot(&IODrvHostServices::pfnSlot296));
  if (pfn == nullptr) return 0;
  return pfn(a0);
}

std::int32_t IODrvHostSvc300(IODrvWord a0, IODrvWord a1) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn300>(hostSlot(&IODrvHostServices::pfnSlot300));
  if (pfn == nullptr) return 0;
  return pfn(a0, a1);
}

std::int32_t IODrvHostSvc308(IODrvWord a0) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn308>(hostSlot(&IODrvHostServices::pfnSlot308));
  if (pfn == nullptr) return -1;
  return pfn(a0);
}

std::int32_t IODrvHostSvc312(IODrvWord a0, IODrvWord a1) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn312>(hostSlot(&IODrvHostServices::pfnSlot312));
  if (pfn == nullptr) return -1;
  return pfn(a0, a1);
}

std::int32_t IODrvHostSvc316(IODrvWord a0, IODrvWord a1) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn316>(hostSlot(&IODrvHostServices::pfnSlot316));
  if (pfn == nullptr) return -1;
  return pfn(a0, a1);
}

IODrvSWord IODrvHostSvc320(IODrvWord a0) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn320>(hostSlot(&IODrvHostServices::pfnSlot320));
  if (pfn == nullptr) return -1;
  return pfn(a0);
}

std::int32_t IODrvHostSvc328(IODrvWord a0) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn328>(hostSlot(&IODrvHostServices::pfnSlot328));
  if (pfn == nullptr) return -1;
  return pfn(a0);
}

IODrvSWord IODrvHostSvc332(IODrvWord a0, IODrvWord a1) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn332>(hostSlot(&IODrvHostServices::pfnSlot332));
  if (pfn == nullptr) return -1;
  return pfn(a0, a1);
}

IODrvSWord IODrvHostSvc336(IODrvWord a0, IODrvWord a1) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn336>(hostSlot(&IODrvHostServices::pfnSlot336));
  if (pfn == nullptr) return -1;
  return pfn(a0, a1);
}

std::int32_t IODrvHostSvc340(IODrvWord a0, IODrvWord a1) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn340>(hostSlot(&IODrvHostServices::pfnSlot340));
  if (pfn == nullptr) return -1;
  return pfn(a0, a1);
}

std::int32_t IODrvHostSvc344(IODrvWord a0, IODrvWord a1, IODrvWord a2) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn344>(hostSlot(&IODrvHostServices::pfnSlot344));
  if (pfn == nullptr) return -1;
  return pfn(a0, a1, a2);
}

std::int32_t IODrvHostSvc348(IODrvWord a0) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn348>(hostSlot(&IODrvHostServices::pfnSlot348));
  if (pfn == nullptr) return 0;
  return pfn(a0);
}

IODrvSWord IODrvHostSvc352(void) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn352>(hostSlot(&IODrvHostServices::pfnSlot352));
  if (pfn == nullptr) return 0;
  return pfn();
}

IODrvSWord IODrvHostSvc360(IODrvWord a0) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn360>(hostSlot(&IODrvHostServices::pfnSlot360));
  if (pfn == nullptr) return 0;
  return pfn(a0);
}

IODrvSWord IODrvHostSvc364(IODrvWord a0) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn364>(hostSlot(&IODrvHostServices::pfnSlot364));
  if (pfn == nullptr) return 0;
  return pfn(a0);
}

IODrvSWord IODrvHostSvc368(IODrvWord a0) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn368>(hostSlot(&IODrvHostServices::pfnSlot368));
  if (pfn == nullptr) return 0;
  return pfn(a0);
}

IODrvSWord IODrvHostSvc372(std::uint32_t a0) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn372>(hostSlot(&IODrvHostServices::pfnSlot372));
  if (pfn == nullptr) return 0;
  return pfn(static_cast<std::uint16_t>(a0));
}

std::int32_t IODrvHostSvc388(IODrvWord a0, IODrvWord a1, IODrvWord a2, IODrvWord a3) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn388>(hostSlot(&IODrvHostServices::pfnSlot388));
  if (pfn == nullptr) return 0;
  pfn(a0, a1, a2, a3);
  return 1;
}

IODrvSWord IODrvHostSvc392(void) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn392>(hostSlot(&IODrvHostServices::pfnSlot392));
  if (pfn == nullptr) return 0;
  return pfn();
}

IODrvSWord IODrvHostSvc396(IODrvWord a0) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn396>(hostSlot(&IODrvHostServices::pfnSlot396));
  if (pfn == nullptr) return 0;
  return pfn(a0);
}

IODrvSWord IODrvHostSvc400(std::uint32_t a0) {
  const auto pfn = reinterpret_cast<IODrvHostSvcFn400>(hostSlot(&IODrvHostServices::pfnSlot400));
  if (pfn == nullptr) return 0;
  return pfn(static_cast<std::uint16_t>(a0));
}

void IODrvHostSvc420(IODrvWord a0) {
  if (a0 == 0) return;
  const auto pfn = reinterpret_cast<IODrvHostSvcFn420>(hostSlot(&IODrvHostServices::pfnSlot420));
  if (pfn != nullptr) pfn(a0);
}
