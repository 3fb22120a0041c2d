// iodrv-sim: a command-line host that loads the driver libraries, starts
// them as the runtime does and prints what they logged and left in the table.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "sim_host.h"

namespace {

struct Options {
  bool qmxdrv = true;
  bool halvex = true;
  std::string libDir;
};

void usage(std::FILE* out) {
  std::fputs(
      "usage: iodrv-sim [options]\n"
      "\n"
      "Loads the I/O driver libraries into a simulated PLC runtime host, calls\n"
      "IODrvInit with a zeroed driver table and the host's services, and prints\n"
      "the driver log and the words the driver left in the table.\n"
      "\n"
      "options:\n"
      "  --driver NAME   qmxdrv, halvex or both (default: both)\n"
      "  --lib-dir DIR   where qmxdrv.so, halvex.so and their helpers are\n"
      "                  (default: the directory of this program)\n"
      "  --help          this text\n",
      out);
}

std::string selfDir() {
  char buf[4096];
  const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return ".";
  std::string path(buf, static_cast<std::size_t>(n));
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

void printTable(const IODrvFunctionTable& t) {
  std::printf("-- table words\n");
  std::printf("  ulInterfaceVersion  %lu\n", static_cast<unsigned long>(t.ulInterfaceVersion));
  std::printf("  lDeviceCount        %ld\n", static_cast<long>(t.lDeviceCount));
  for (int i = 0; i < IODRV_MAX_DEVICE_FLAGS && i < t.lDeviceCount; ++i)
    std::printf("  alDeviceFlags[%d]    %ld\n", i, static_cast<long>(t.alDeviceFlags[i]));
  std::printf("  ulIOOffset          0x%lx\n", static_cast<unsigned long>(t.ulIOOffset));
  std::printf("  ulIOSize            %lu\n", static_cast<unsigned long>(t.ulIOSize));
}

int runDriver(const Options& opt, const char* name) {
  const std::string path = opt.libDir + "/" + name + ".so";
  std::printf("== %s (%s)\n", name, path.c_str());
  SimHost host;
  DriverLib lib(path);
  if (!lib.loaded()) {
    std::fprintf(stderr, "iodrv-sim: %s\n", lib.error().c_str());
    return 1;
  }
  IODrvFunctionTable table{};
  const std::int32_t rc = lib.init(host, &table);
  std::printf("-- driver log (IODrvInit returned %d)\n%s", rc, host.log.c_str());
  printTable(table);
  return rc == 1 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
  Options opt;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    const bool hasValue = i + 1 < argc;
    if (a == "--help" || a == "-h") {
      usage(stdout);
      return 0;
    } else if (a == "--driver" && hasValue) {
      const std::string v = argv[++i];
      opt.qmxdrv = v == "qmxdrv" || v == "both";
      opt.halvex = v == "halvex" || v == "both";
      if (!opt.qmxdrv && !opt.halvex) {
        std::fprintf(stderr, "iodrv-sim: unknown driver '%s'\n", v.c_str());
        return 2;
      }
    } else if (a == "--lib-dir" && hasValue) {
      opt.libDir = argv[++i];
    } else {
      std::fprintf(stderr, "iodrv-sim: unknown or incomplete option '%s'\n\n", a.c_str());
      usage(stderr);
      return 2;
    }
  }
  if (opt.libDir.empty()) opt.libDir = selfDir();
  int rc = 0;
  if (opt.qmxdrv) rc |= runDriver(opt, "qmxdrv");
  if (opt.halvex) rc |= runDriver(opt, "halvex");
  return rc;
}
