#include "host_program.h"

#if defined(_WIN32)
#include <windows.h>

void* hostProgramLookup(const char* pszName) {
  HMODULE self = GetModuleHandleA(nullptr);
  if (self == nullptr) return nullptr;
  return reinterpret_cast<void*>(GetProcAddress(self, pszName));
}
#else
#include <dlfcn.h>

// The main program and what it loaded into the global scope.
void* hostProgramLookup(const char* pszName) {
  void* self = dlopen(nullptr, RTLD_LAZY);
  if (self == nullptr) return nullptr;
  return dlsym(self, pszName);
}
#endif
