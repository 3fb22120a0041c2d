// A driver library freshly loaded into a simulated host for each test, so
// every test starts from the library's load-time state.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "sim/sim_host.h"

// The table word at the host's 32-bit byte offset n, read by address: on the
// i386 build this checks the layout at run time, independent of the struct.
inline IODrvWord& tableWord(IODrvFunctionTable& t, std::size_t n) {
  return *reinterpret_cast<IODrvWord*>(reinterpret_cast<char*>(&t) + IODRV_OFS(n));
}

struct DriverInfo {
  const char* path;
  const char* prefix;        // "QMXDrv: "
  const char* marker;        // exported marker entry
  const char* description;
  const char* moduleName;
  const char* versionText;
  std::int32_t versionNumber;
  std::int32_t deviceFlags;
};

inline void PrintTo(const DriverInfo& info, std::ostream* os) { *os << info.moduleName; }

inline const DriverInfo kQmxdrv{QMXDRV_PATH, "QMXDrv: ", "_QMXDrv_dll", "Tavelin Brenix-T driver", "QMXDrv", "V1.3",
                                1300, 0};
inline const DriverInfo kHalvex{HALVEX_PATH, "Halvex: ", "_Halvex_dll", "Tavelin Halvex Profibus driver", "Halvex",
                                "V1.2", 1200, 3};

class LoadedDriver {
 public:
  explicit LoadedDriver(const char* path) : lib_(std::make_unique<DriverLib>(path)) {}
  SimHost host;
  IODrvFunctionTable table{};
  DriverLib& lib() { return *lib_; }
  std::int32_t init() { return lib_->init(host, &table); }
  std::string takeLog() {
    std::string s;
    s.swap(host.log);
    return s;
  }

 private:
  std::unique_ptr<DriverLib> lib_;
};
