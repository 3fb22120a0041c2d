// A simulated host: owns both tables, serves the host services a driver
// uses, loads a driver library and starts it the way the runtime does.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "../frame/function_table.h"
#include "../frame/host_services.h"

struct PortAccess {
  enum Kind { In, Out16, Out32 } kind;
  std::uint32_t port;
  std::uint32_t value;
  bool operator==(const PortAccess& o) const { return kind == o.kind && port == o.port && value == o.value; }
};

// The board side of the port services; the default reads 0 and drops writes.
struct PortDevice {
  virtual ~PortDevice() = default;
  virtual std::uint16_t in16(std::uint32_t port) = 0;
  virtual void out16(std::uint32_t port, std::uint16_t value) = 0;
  virtual void out32(std::uint32_t port, std::uint32_t value) = 0;
};

class SimHost {
 public:
  SimHost();  // becomes the host whose services the slots serve
  ~SimHost();
  SimHost(const SimHost&) = delete;
  SimHost& operator=(const SimHost&) = delete;

  IODrvHostServices services{};

  // Fills every slot this host serves / empties the whole table.
  void fillServices();
  void clearServices();

  // Host file names ("C:\DAV3I.CFG") live below this directory ("DAV3I.CFG").
  void setFileRoot(const std::string& dir) { fileRoot_ = dir; }
  std::string hostPathToLocal(const char* hostName) const;

  std::string log;                    // everything the print service formatted, as one stream
  std::vector<std::string> fileCalls; // "size NAME", "open NAME MODE", "read N", "close"
  std::vector<PortAccess> ports;      // every port service call, in order
  PortDevice* portDevice = nullptr;

  // The service functions, public so a test can put one back into a slot.
  static void IODRV_CALL svcPrint(const char* pszFormat, va_list args);
  static IODrvSWord IODRV_CALL svcFileGetSize(const char* pszName);
  static IODrvWord IODRV_CALL svcFileOpen(const char* pszName, const char* pszMode);
  static IODrvSWord IODRV_CALL svcFileRead(IODrvWord hFile, void* pBuffer, IODrvWord ulCount);
  static IODrvSWord IODRV_CALL svcFileClose(IODrvWord hFile);
  static IODrvSWord IODRV_CALL svcInWord(IODrvWord ulPort);
  static IODrvSWord IODRV_CALL svcOutWord(IODrvWord ulPort, std::uint16_t usValue);
  static IODrvSWord IODRV_CALL svcOutDword(IODrvWord ulPort, IODrvWord ulValue);

 private:
  std::string fileRoot_ = ".";
  static SimHost* current_;
};

// One driver library loaded into the simulated host.
class DriverLib {
 public:
  explicit DriverLib(const std::string& path);
  ~DriverLib();
  DriverLib(const DriverLib&) = delete;
  DriverLib& operator=(const DriverLib&) = delete;

  bool loaded() const { return handle_ != nullptr; }
  const std::string& error() const { return error_; }
  void* symbol(const char* name) const;

  // Calls the exported IODrvInit / IODrvFctInit.
  std::int32_t init(SimHost& host, IODrvFunctionTable* table);
  std::int32_t fctInit();

 private:
  void* handle_ = nullptr;
  std::string error_;
};
