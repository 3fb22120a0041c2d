// One wrapper per host service slot. Each reads the host services pointer and
// its slot afresh, returns the slot's fixed default when the host left it
// empty, and otherwise calls the host with its arguments narrowed as the host
// expects. Before the first IODrvInit (services pointer still null) every
// wrapper behaves as if its slot were empty.
#pragma once

#include "host_services.h"

// The eight services the drivers use.
void IODrvHostPrint(const char* pszFormat, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
// A fixed message handed to the print service as its format, with no
// arguments; the message itself must hold no conversion.
void IODrvHostPrintText(const char* pszText);
IODrvSWord IODrvHostFileGetSize(const char* pszName);
IODrvWord IODrvHostFileOpen(const char* pszName, const char* pszMode);
IODrvSWord IODrvHostFileRead(IODrvWord hFile, void* pBuffer, IODrvWord ulCount);
IODrvSWord IODrvHostFileClose(IODrvWord hFile);
// Also the 'P' mode input-word reader of the LPC back-end, so its signature is
// that of the access slots: location in, 16-bit word in the low half out.
std::int32_t IODrvHostInWord(std::uint32_t ulPort);
IODrvSWord IODrvHostOutWord(std::uint32_t ulPort, std::uint32_t ulValue);
IODrvSWord IODrvHostOutDword(std::uint32_t ulPort, std::uint32_t ulValue);

// Slots that neither driver calls, named by their 32-bit byte offset. The
// typedef of each gives what the host function receives and returns: 8- and
// 16-bit arguments are narrowed, "8-bit result" slots return a signed byte
// that the wrapper widens with its sign.
extern "C" {
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn004)(void);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn048)(IODrvWord, std::uint8_t, IODrvWord, IODrvWord, IODrvWord);
typedef std::int8_t(IODRV_CALL* IODrvHostSvcFn052)(IODrvWord);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn056)(IODrvWord);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn060)(IODrvWord, IODrvWord);
typedef std::int8_t(IODRV_CALL* IODrvHostSvcFn064)(IODrvWord);
typedef std::int8_t(IODRV_CALL* IODrvHostSvcFn068)(IODrvWord);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn084)(IODrvWord, IODrvWord, IODrvWord);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn096)(IODrvWord, IODrvWord);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn100)(IODrvWord);
typedef void(IODRV_CALL* IODrvHostSvcFn104)(IODrvWord, std::uint8_t);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn112)(IODrvWord);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn116)(IODrvWord);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn120)(IODrvWord);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn124)(void);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn128)(IODrvWord);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn132)(void);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn136)(IODrvWord, IODrvWord, IODrvWord);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn140)(IODrvWord);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn144)(IODrvWord);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn152)(IODrvWord);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn156)(IODrvWord, std::uint8_t);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn168)(IODrvWord, IODrvWord);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn196)(std::uint16_t, IODrvWord);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn200)(std::uint16_t, IODrvWord);
typedef void(IODRV_CALL* IODrvHostSvcFn212)(IODrvWord, IODrvWord, IODrvWord, IODrvWord);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn296)(IODrvWord);
typedef std::int8_t(IODRV_CALL* IODrvHostSvcFn300)(IODrvWord, IODrvWord);
typedef std::int8_t(IODRV_CALL* IODrvHostSvcFn308)(IODrvWord);
typedef std::int8_t(IODRV_CALL* IODrvHostSvcFn312)(IODrvWord, IODrvWord);
typedef std::int8_t(IODRV_CALL* IODrvHostSvcFn316)(IODrvWord, IODrvWord);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn320)(IODrvWord);
typedef std::int8_t(IODRV_CALL* IODrvHostSvcFn328)(IODrvWord);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn332)(IODrvWord, IODrvWord);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn336)(IODrvWord, IODrvWord);
typedef std::int8_t(IODRV_CALL* IODrvHostSvcFn340)(IODrvWord, IODrvWord);
typedef std::int8_t(IODRV_CALL* IODrvHostSvcFn344)(IODrvWord, IODrvWord, IODrvWord);
typedef std::int8_t(IODRV_CALL* IODrvHostSvcFn348)(IODrvWord);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn352)(void);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn360)(IODrvWord);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn364)(IODrvWord);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn368)(IODrvWord);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn372)(std::uint16_t);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn388)(IODrvWord, IODrvWord, IODrvWord, IODrvWord);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn392)(void);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn396)(IODrvWord);
typedef IODrvSWord(IODRV_CALL* IODrvHostSvcFn400)(std::uint16_t);
typedef void(IODRV_CALL* IODrvHostSvcFn420)(IODrvWord);
}
std::int32_t IODrvHostSvc004(void);
IODrvSWord IODrvHostSvc048(IODrvWord a0, std::uint32_t a1, IODrvWord a2, IODrvWord a3, IODrvWord a4);
std::int32_t IODrvHostSvc052(IODrvWord a0);
std::int32_t IODrvHostSvc056(IODrvWord a0);
std::int32_t IODrvHostSvc060(IODrvWord a0, IODrvWord a1);
std::int32_t IODrvHostSvc064(IODrvWord a0);
std::int32_t IODrvHostSvc068(IODrvWord a0);
IODrvSWord IODrvHostSvc084(IODrvWord a0, IODrvWord a1, IODrvWord a2);
bool IODrvHostSvc096(IODrvWord a0, IODrvWord a1);
IODrvSWord IODrvHostSvc100(IODrvWord a0);
void IODrvHostSvc104(IODrvWord a0, std::uint32_t a1);
IODrvSWord IODrvHostSvc112(IODrvWord a0);
IODrvSWord IODrvHostSvc116(IODrvWord a0);
IODrvSWord IODrvHostSvc120(IODrvWord a0);
IODrvSWord IODrvHostSvc124(void);
IODrvSWord IODrvHostSvc128(IODrvWord a0);
IODrvSWord IODrvHostSvc132(void);
IODrvSWord IODrvHostSvc136(IODrvWord a0, IODrvWord a1, IODrvWord a2);
IODrvSWord IODrvHostSvc140(IODrvWord a0);
IODrvSWord IODrvHostSvc144(IODrvWord a0);
IODrvSWord IODrvHostSvc152(IODrvWord a0);
IODrvSWord IODrvHostSvc156(IODrvWord a0, std::uint32_t a1);
IODrvSWord IODrvHostSvc168(IODrvWord a0, IODrvWord a1);
IODrvSWord IODrvHostSvc196(std::uint32_t a0, IODrvWord a1);
IODrvSWord IODrvHostSvc200(std::uint32_t a0, IODrvWord a1);
void IODrvHostSvc212(IODrvWord a0, IODrvWord a1, IODrvWord a2, IODrvWord a3);
IODrvSWord IODrvHostSvc296(IODrvWord a0);
std::int32_t IODrvHostSvc300(IODrvWord a0, IODrvWord a1);
std::int32_t IODrvHostSvc308(IODrvWord a0);
std::int32_t IODrvHostSvc312(IODrvWord a0, IODrvWord a1);
std::int32_t IODrvHostSvc316(IODrvWord a0, IODrvWord a1);
IODrvSWord IODrvHostSvc320(IODrvWord a0);
std::int32_t IODrvHostSvc328(IODrvWord a0);
IODrvSWord IODrvHostSvc332(IODrvWord a0, IODrvWord a1);
IODrvSWord IODrvHostSvc336(IODrvWord a0, IODrvWord a1);
std::int32_t IODrvHostSvc340(IODrvWord a0, IODrvWord a1);
std::int32_t IODrvHostSvc344(IODrvWord a0, IODrvWord a1, IODrvWord a2);
std::int32_t IODrvHostSvc348(IODrvWord a0);
IODrvSWord IODrvHostSvc352(void);
IODrvSWord IODrvHostSvc360(IODrvWord a0);
IODrvSWord IODrvHostSvc364(IODrvWord a0);
IODrvSWord IODrvHostSvc368(IODrvWord a0);
IODrvSWord IODrvHostSvc372(std::uint32_t a0);
std::int32_t IODrvHostSvc388(IODrvWord a0, IODrvWord a1, IODrvWord a2, IODrvWord a3);
IODrvSWord IODrvHostSvc392(void);
IODrvSWord IODrvHostSvc396(IODrvWord a0);
IODrvSWord IODrvHostSvc400(std::uint32_t a0);
void IODrvHostSvc420(IODrvWord a0);
