// IODrvHostServices: the host's table of service functions, one 4-byte slot
// each on the host's 32-bit build (pointer-wide elsewhere, see iodrv_abi.h).
// The drivers only read it, through the wrappers in host_wrappers.h, which
// read the slot anew on every call so a slot the host fills late is used.
#pragma once

#include <cstdarg>

#include "iodrv_abi.h"

extern "C" {
typedef void(IODRV_CALL* IODrvHostSlot)(void); // a slot the drivers do not call by name
typedef IODrvWord(IODRV_CALL* PFN_IODrvHostFileOpen)(const char* pszName, const char* pszMode);
typedef IODrvSWord(IODRV_CALL* PFN_IODrvHostFileClose)(IODrvWord hFile);
typedef IODrvSWord(IODRV_CALL* PFN_IODrvHostFileRead)(IODrvWord hFile, void* pBuffer, IODrvWord ulCount);
typedef IODrvSWord(IODRV_CALL* PFN_IODrvHostInWord)(IODrvWord ulPort);
typedef IODrvSWord(IODRV_CALL* PFN_IODrvHostOutWord)(IODrvWord ulPort, std::uint16_t usValue);
typedef IODrvSWord(IODRV_CALL* PFN_IODrvHostOutDword)(IODrvWord ulPort, IODrvWord ulValue);
typedef void(IODRV_CALL* PFN_IODrvHostPrint)(const char* pszFormat, va_list args);
typedef IODrvSWord(IODRV_CALL* PFN_IODrvHostFileGetSize)(const char* pszName);
}

struct IODrvHostServices {
  IODrvHostSlot pfnSlot000; // 0
  IODrvHostSlot pfnSlot004; // 4
  IODrvHostSlot pfnSlot008; // 8
  IODrvHostSlot pfnSlot012; // 12
  IODrvHostSlot pfnSlot016; // 16
  IODrvHostSlot pfnSlot020; // 20
  IODrvHostSlot pfnSlot024; // 24
  IODrvHostSlot pfnSlot028; // 28
  IODrvHostSlot pfnSlot032; // 32
  IODrvHostSlot pfnSlot036; // 36
  IODrvHostSlot pfnSlot040; // 40
  IODrvHostSlot pfnSlot044; // 44
  IODrvHostSlot pfnSlot048; // 48
  IODrvHostSlot pfnSlot052; // 52
  IODrvHostSlot pfnSlot056; // 56
  IODrvHostSlot pfnSlot060; // 60
  IODrvHostSlot pfnSlot064; // 64
  IODrvHostSlot pfnSlot068; // 68
  PFN_IODrvHostFileOpen pfnFileOpen; // 72
  PFN_IODrvHostFileClose pfnFileClose; // 76
  PFN_IODrvHostFileRead pfnFileRead; // 80
  IODrvHostSlot pfnSlot084; // 84
  IODrvHostSlot pfnSlot088; // 88
  IODrvHostSlot pfnSlot092; // 92
  IODrvHostSlot pfnSlot096; // 96
  IODrvHostSlot pfnSlot100; // 100
  IODrvHostSlot pfnSlot104; // 104
  IODrvHostSlot pfnSlot108; // 108
  IODrvHostSlot pfnSlot112; // 112
  IODrvHostSlot pfnSlot116; // 116
  IODrvHostSlot pfnSlot120; // 120
  IODrvHostSlot pfnSlot124; // 124
  IODrvHostSlot pfnSlot128; // 128
  IODrvHostSlot pfnSlot132; // 132
  IODrvHostSlot pfnSlot136; // 136
  IODrvHostSlot pfnSlot140; // 140
  IODrvHostSlot pfnSlot144; // 144
  PFN_IODrvHostInWord pfnInWord; // 148
  IODrvHostSlot pfnSlot152; // 152
  IODrvHostSlot pfnSlot156; // 156
  PFN_IODrvHostOutWord pfnOutWord; // 160
  PFN_IODrvHostOutDword pfnOutDword; // 164
  IODrvHostSlot pfnSlot168; // 168
  PFN_IODrvHostPrint pfnPrint; // 172
  IODrvHostSlot pfnSlot176; // 176
  IODrvHostSlot pfnSlot180; // 180
  IODrvHostSlot pfnSlot184; // 184
  IODrvHostSlot pfnSlot188; // 188
  IODrvHostSlot pfnSlot192; // 192
  IODrvHostSlot pfnSlot196; // 196
  IODrvHostSlot pfnSlot200; // 200
  IODrvHostSlot pfnSlot204; // 204
  IODrvHostSlot pfnSlot208; // 208
  IODrvHostSlot pfnSlot212; // 212
  IODrvHostSlot pfnSlot216; // 216
  IODrvHostSlot pfnSlot220; // 220
  IODrvHostSlot pfnSlot224; // 224
  IODrvHostSlot pfnSlot228; // 228
  IODrvHostSlot pfnSlot232; // 232
  IODrvHostSlot pfnSlot236; // 236
  IODrvHostSlot pfnSlot240; // 240
  IODrvHostSlot pfnSlot244; // 244
  IODrvHostSlot pfnSlot248; // 248
  IODrvHostSlot pfnSlot252; // 252
  IODrvHostSlot pfnSlot256; // 256
  IODrvHostSlot pfnSlot260; // 260
  IODrvHostSlot pfnSlot264; // 264
  IODrvHostSlot pfnSlot268; // 268
  IODrvHostSlot pfnSlot272; // 272
  IODrvHostSlot pfnSlot276; // 276
  IODrvHostSlot pfnSlot280; // 280
  IODrvHostSlot pfnSlot284; // 284
  IODrvHostSlot pfnSlot288; // 288
  IODrvHostSlot pfnSlot292; // 292
  IODrvHostSlot pfnSlot296; // 296
  IODrvHostSlot pfnSlot300; // 300
  IODrvHostSlot pfnSlot304; // 304
  IODrvHostSlot pfnSlot308; // 308
  IODrvHostSlot pfnSlot312; // 312
  IODrvHostSlot pfnSlot316; // 316
  IODrvHostSlot pfnSlot320; // 320
  PFN_IODrvHostFileGetSize pfnFileGetSize; // 324
  IODrvHostSlot pfnSlot328; // 328
  IODrvHostSlot pfnSlot332; // 332
  IODrvHostSlot pfnSlot336; // 336
  IODrvHostSlot pfnSlot340; // 340
  IODrvHostSlot pfnSlot344; // 344
  IODrvHostSlot pfnSlot348; // 348
  IODrvHostSlot pfnSlot352; // 352
  IODrvHostSlot pfnSlot356; // 356
  IODrvHostSlot pfnSlot360; // 360
  IODrvHostSlot pfnSlot364; // 364
  IODrvHostSlot pfnSlot368; // 368
  IODrvHostSlot pfnSlot372; // 372
  IODrvHostSlot pfnSlot376; // 376
  IODrvHostSlot pfnSlot380; // 380
  IODrvHostSlot pfnSlot384; // 384
  IODrvHostSlot pfnSlot388; // 388
  IODrvHostSlot pfnSlot392; // 392
  IODrvHostSlot pfnSlot396; // 396
  IODrvHostSlot pfnSlot400; // 400
  IODrvHostSlot pfnSlot404; // 404
  IODrvHostSlot pfnSlot408; // 408
  IODrvHostSlot pfnSlot412; // 412
  IODrvHostSlot pfnSlot416; // 416
  IODrvHostSlot pfnSlot420; // 420
};

#define IODRV_CHECK_SLOT(field, n)                                                              \
  static_assert(offsetof(IODrvHostServices, field) == IODRV_OFS(n), "slot " #n);            \
  static_assert(!IODRV_IS_HOST_ABI || offsetof(IODrvHostServices, field) == (n), "host slot " #n)
IODRV_CHECK_SLOT(pfnSlot000, 0);
IODRV_CHECK_SLOT(pfnSlot004, 4);
IODRV_CHECK_SLOT(pfnSlot008, 8);
IODRV_CHECK_SLOT(pfnSlot012, 12);
IODRV_CHECK_SLOT(pfnSlot016, 16);
IODRV_CHECK_SLOT(pfnSlot020, 20);
IODRV_CHECK_SLOT(pfnSlot024, 24);
IODRV_CHECK_SLOT(pfnSlot028, 28);
IODRV_CHECK_SLOT(pfnSlot032, 32);
IODRV_CHECK_SLOT(pfnSlot036, 36);
IODRV_CHECK_SLOT(pfnSlot040, 40);
IODRV_CHECK_SLOT(pfnSlot044, 44);
IODRV_CHECK_SLOT(pfnSlot048, 48);
IODRV_CHECK_SLOT(pfnSlot052, 52);
IODRV_CHECK_SLOT(pfnSlot056, 56);
IODRV_CHECK_SLOT(pfnSlot060, 60);
IODRV_CHECK_SLOT(pfnSlot064, 64);
IODRV_CHECK_SLOT(pfnSlot068, 68);
IODRV_CHECK_SLOT(pfnFileOpen, 72);
IODRV_CHECK_SLOT(pfnFileClose, 76);
IODRV_CHECK_SLOT(pfnFileRead, 80);
IODRV_CHECK_SLOT(pfnSlot084, 84);
IODRV_CHECK_SLOT(pfnSlot088, 88);
IODRV_CHECK_SLOT(pfnSlot092, 92);
IODRV_CHECK_SLOT(pfnSlot096, 96);
IODRV_CHECK_SLOT(pfnSlot100, 100);
IODRV_CHECK_SLOT(pfnSlot104, 104);
IODRV_CHECK_SLOT(pfnSlot108, 108);
IODRV_CHECK_SLOT(pfnSlot112, 112);
IODRV_CHECK_SLOT(pfnSlot116, 116);
IODRV_CHECK_SLOT(pfnSlot120, 120);
IODRV_CHECK_SLOT(pfnSlot124, 124);
IODRV_CHECK_SLOT(pfnSlot128, 128);
IODRV_CHECK_SLOT(pfnSlot132, 132);
IODRV_CHECK_SLOT(pfnSlot136, 136);
IODRV_CHECK_SLOT(pfnSlot140, 140);
IODRV_CHECK_SLOT(pfnSlot144, 144);
IODRV_CHECK_SLOT(pfnInWord, 148);
IODRV_CHECK_SLOT(pfnSlot152, 152);
IODRV_CHECK_SLOT(pfnSlot156, 156);
IODRV_CHECK_SLOT(pfnOutWord, 160);
IODRV_CHECK_SLOT(pfnOutDword, 164);
IODRV_CHECK_SLOT(pfnSlot168, 168);
IODRV_CHECK_SLOT(pfnPrint, 172);
IODRV_CHECK_SLOT(pfnSlot176, 176);
IODRV_CHECK_SLOT(pfnSlot180, 180);
IODRV_CHECK_SLOT(pfnSlot184, 184);
IODRV_CHECK_SLOT(pfnSlot188, 188);
IODRV_CHECK_SLOT(pfnSlot192, 192);
IODRV_CHECK_SLOT(pfnSlot196, 196);
IODRV_CHECK_SLOT(pfnSlot200, 200);
IODRV_CHECK_SLOT(pfnSlot204, 204);
IODRV_CHECK_SLOT(pfnSlot208, 208);
IODRV_CHECK_SLOT(pfnSlot212, 212);
IODRV_CHECK_SLOT(pfnSlot216, 216);
IODRV_CHECK_SLOT(pfnSlot220, 220);
IODRV_CHECK_SLOT(pfnSlot224, 224);
IODRV_CHECK_SLOT(pfnSlot228, 228);
IODRV_CHECK_SLOT(pfnSlot232, 232);
IODRV_CHECK_SLOT(pfnSlot236, 236);
IODRV_CHECK_SLOT(pfnSlot240, 240);
IODRV_CHECK_SLOT(pfnSlot244, 244);
IODRV_CHECK_SLOT(pfnSlot248, 248);
IODRV_CHECK_SLOT(pfnSlot252, 252);
IODRV_CHECK_SLOT(pfnSlot256, 256);
IODRV_CHECK_SLOT(pfnSlot260, 260);
IODRV_CHECK_SLOT(pfnSlot264, 264);
IODRV_CHECK_SLOT(pfnSlot268, 268);
IODRV_CHECK_SLOT(pfnSlot272, 272);
IODRV_CHECK_SLOT(pfnSlot276, 276);
IODRV_CHECK_SLOT(pfnSlot280, 280);
IODRV_CHECK_SLOT(pfnSlot284, 284);
IODRV_CHECK_SLOT(pfnSlot288, 288);
IODRV_CHECK_SLOT(pfnSlot292, 292);
IODRV_CHECK_SLOT(pfnSlot296, 296);
IODRV_CHECK_SLOT(pfnSlot300, 300);
IODRV_CHECK_SLOT(pfnSlot304, 304);
IODRV_CHECK_SLOT(pfnSlot308, 308);
IODRV_CHECK_SLOT(pfnSlot312, 312);
IODRV_CHECK_SLOT(pfnSlot316, 316);
IODRV_CHECK_SLOT(pfnSlot320, 320);
IODRV_CHECK_SLOT(pfnFileGetSize, 324);
IODRV_CHECK_SLOT(pfnSlot328, 328);
IODRV_CHECK_SLOT(pfnSlot332, 332);
IODRV_CHECK_SLOT(pfnSlot336, 336);
IODRV_CHECK_SLOT(pfnSlot340, 340);
IODRV_CHECK_SLOT(pfnSlot344, 344);
IODRV_CHECK_SLOT(pfnSlot348, 348);
IODRV_CHECK_SLOT(pfnSlot352, 352);
IODRV_CHECK_SLOT(pfnSlot356, 356);
IODRV_CHECK_SLOT(pfnSlot360, 360);
IODRV_CHECK_SLOT(pfnSlot364, 364);
IODRV_CHECK_SLOT(pfnSlot368, 368);
IODRV_CHECK_SLOT(pfnSlot372, 372);
IODRV_CHECK_SLOT(pfnSlot376, 376);
IODRV_CHECK_SLOT(pfnSlot380, 380);
IODRV_CHECK_SLOT(pfnSlot384, 384);
IODRV_CHECK_SLOT(pfnSlot388, 388);
IODRV_CHECK_SLOT(pfnSlot392, 392);
IODRV_CHECK_SLOT(pfnSlot396, 396);
IODRV_CHECK_SLOT(pfnSlot400, 400);
IODRV_CHECK_SLOT(pfnSlot404, 404);
IODRV_CHECK_SLOT(pfnSlot408, 408);
IODRV_CHECK_SLOT(pfnSlot412, 412);
IODRV_CHECK_SLOT(pfnSlot416, 416);
IODRV_CHECK_SLOT(pfnSlot420, 420);
static_assert(sizeof(IODrvHostServices) == IODRV_OFS(424), "service table size");
#undef IODRV_CHECK_SLOT
