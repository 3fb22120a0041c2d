// Word sizes and calling convention shared by both host tables.
//
// The host is a 32-bit program: every word of IODrvFunctionTable and every slot
// of IODrvHostServices is 4 bytes, and the byte offsets in the table headers
// are those of that build. To build and test on 64-bit Linux as well, the rule
// is:
//   * every table word is pointer-wide (IODrvWord, like ULONG_PTR), so the
//     word at 32-bit byte offset N sits at word index N / 4 (IODRV_OFS(N));
//   * value words, and the pointers the range and count queries store through,
//     are pointer-wide too, so an address (halvex's process area) fits;
//   * in byte-packed records a pointer field widens in place and moves the
//     bytes after it.
// On a 32-bit build IODRV_OFS(N) == N, and every table header checks its
// offsets against the host's numbers at compile time.
#pragma once

#include <cstddef>
#include <cstdint>

using IODrvWord = std::uintptr_t; // unsigned table word / value slot
using IODrvSWord = std::intptr_t; // signed table word

#define IODRV_OFS(n) (((n) / 4) * sizeof(IODrvWord))
#define IODRV_IS_HOST_ABI (sizeof(void*) == 4)

#if defined(_WIN32)
#define IODRV_CALL __cdecl
#else
#define IODRV_CALL
#endif

// Exported names carry a leading underscore. The Windows .def file maps the
// plain C names onto them; ELF builds name the symbol directly.
#if defined(_WIN32)
#define IODRV_EXPORT_AS(name)
#define IODRV_EXPORT
#else
#define IODRV_EXPORT_AS(name) __asm__(name)
#define IODRV_EXPORT __attribute__((visibility("default")))
#endif
