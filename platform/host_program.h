// Functions of the host program's main executable, looked up by exact name.
#pragma once

#include <cstdint>

typedef std::int32_t (*HostProgramQuery)(void);
typedef std::uintptr_t (*HostProgramAddress)(void);

// The address of the named function exported by the main program, or null.
void* hostProgramLookup(const char* pszName);
