// The frame's two pointers, one set per library, null at load and written
// only by IODrvInit.
#pragma once

struct IODrvHostServices;
struct IODrvFunctionTable;

extern IODrvHostServices* g_pHostServices;
extern IODrvFunctionTable* g_pDriverTable;
