#include "sim_host.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>

SimHost* SimHost::current_ = nullptr;

namespace {

constexpr int kMaxFiles = 16;
std::FILE* s_files[kMaxFiles];

std::FILE* fileFor(IODrvWord hFile) {
  return hFile >= 1 && hFile <= static_cast<IODrvWord>(kMaxFiles) ? s_files[hFile - 1] : nullptr;
}

} // namespace

SimHost::SimHost() {
  current_ = this;
  fillServices();
}

SimHost::~SimHost() {
  if (current_ == this) current_ = nullptr;
}

void SimHost::fillServices() {
  services.pfnPrint = svcPrint;
  services.pfnFileGetSize = svcFileGetSize;
  services.pfnFileOpen = svcFileOpen;
  services.pfnFileRead = svcFileRead;
  services.pfnFileClose = svcFileClose;
  services.pfnInWord = svcInWord;
  services.pfnOutWord = svcOutWord;
  services.pfnOutDword = svcOutDword;
}

void SimHost::clearServices() { services = IODrvHostServices{}; }

std::string SimHost::hostPathToLocal(const char* hostName) const {
  std::string name = hostName;
  if (name.size() >= 2 && name[1] == ':') name.erase(0, 2);
  while (!name.empty() && (name[0] == '\\' || name[0] == '/')) name.erase(0, 1);
  for (char& c : name)
    if (c == '\\') c = '/';
  return fileRoot_ + "/" + name;
}

void IODRV_CALL SimHost::svcPrint(const char* pszFormat, va_list args) {
  if (current_ == nullptr) return;
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(nullptr, 0, pszFormat, copy);
  va_end(copy);
  if (n <= 0) return;
  std::string text(static_cast<std::size_t>(n) + 1, '\0');
  std::vsnprintf(text.data(), text.size(), pszFormat, args);
  text.resize(static_cast<std::size_t>(n));
  current_->log += text;
}

IODrvSWord IODRV_CALL SimHost::svcFileGetSize(const char* pszName) {
  if (current_ == nullptr) return -1;
  current_->fileCalls.push_back(std::string("size ") + pszName);
  struct stat st;
  if (stat(current_->hostPathToLocal(pszName).c_str(), &st) != 0) return -1;
  return static_cast<IODrvSWord>(st.st_size);
}

IODrvWord IODRV_CALL SimHost::svcFileOpen(const char* pszName, const char* pszMode) {
  if (current_ == nullptr) return 0;
  current_->fileCalls.push_back(std::string("open ") + pszName + " " + pszMode);
  for (int i = 0; i < kMaxFiles; ++i) {
    if (s_files[i] != nullptr) continue;
    s_files[i] = std::fopen(current_->hostPathToLocal(pszName).c_str(), pszMode);
    return s_files[i] == nullptr ? 0 : static_cast<IODrvWord>(i + 1);
  }
  return 0;
}

IODrvSWord IODRV_CALL SimHost::svcFileRead(IODrvWord hFile, void* pBuffer, IODrvWord ulCount) {
  if (current_ != nullptr) current_->fileCalls.push_back("read " + std::to_string(ulCount));
  std::FILE* f = fileFor(hFile);
  if (f == nullptr) return -1;
  return static_cast<IODrvSWord>(std::fread(pBuffer, 1, ulCount, f));
}

IODrvSWord IODRV_CALL SimHost::svcFileClose(IODrvWord hFile) {
  if (current_ != nullptr) current_->fileCalls.push_back("close");
  std::FILE* f = fileFor(hFile);
  if (f == nullptr) return -1;
  s_files[hFile - 1] = nullptr;
  return std::fclose(f);
}

IODrvSWord IODRV_CALL SimHost::svcInWord(IODrvWord ulPort) {
  if (current_ == nullptr) return 0;
  const std::uint32_t port = static_cast<std::uint32_t>(ulPort);
  const std::uint16_t v = current_->portDevice != nullptr ? current_->portDevice->in16(port) : 0;
  current_->ports.push_back({PortAccess::In, port, v});
  return v;
}

IODrvSWord IODRV_CALL SimHost::svcOutWord(IODrvWord ulPort, std::uint16_t usValue) {
  if (current_ == nullptr) return 0;
  const std::uint32_t port = static_cast<std::uint32_t>(ulPort);
  current_->ports.push_back({PortAccess::Out16, port, usValue});
  if (current_->portDevice != nullptr) current_->portDevice->out16(port, usValue);
  return 0;
}

IODrvSWord IODRV_CALL SimHost::svcOutDword(IODrvWord ulPort, IODrvWord ulValue) {
  if (current_ == nullptr) return 0;
  const std::uint32_t port = static_cast<std::uint32_t>(ulPort);
  const std::uint32_t value = static_cast<std::uint32_t>(ulValue);
  current_->ports.push_back({PortAccess::Out32, port, value});
  if (current_->portDevice != nullptr) current_->portDevice->out32(port, value);
  return 0;
}

DriverLib::DriverLib(const std::string& path) {
  handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) {
    const char* e = dlerror();
    error_ = e != nullptr ? e : "cannot load " + path;
  }
}

DriverLib::~DriverLib() {
  if (handle_ != nullptr) dlclose(handle_);
}

void* DriverLib::symbol(const char* name) const { return handle_ == nullptr ? nullptr : dlsym(handle_, name); }

std::int32_t DriverLib::init(SimHost& host, IODrvFunctionTable* table) {
  const auto pfn = reinterpret_cast<PFN_IODrvInit>(symbol("_IODrvInit"));
  return pfn == nullptr ? 0 : pfn(&host.services, table);
}

std::int32_t DriverLib::fctInit() {
  typedef std::int32_t(IODRV_CALL * PFN_IODrvFctInit)(void);
  const auto pfn = reinterpret_cast<PFN_IODrvFctInit>(symbol("_IODrvFctInit"));
  return pfn == nullptr ? 0 : pfn();
}
