// iodrv-sim: a command-line host that loads the driver libraries, starts
// them as the runtime does and prints what they logged and left in the table.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include <dlfcn.h>
#include <stdlib.h>

#include "profibus_net.h"
#include "sim_board.h"
#include "sim_host.h"

namespace {

struct Options {
  bool qmxdrv = true;
  bool halvex = true;
  std::string libDir;
  std::string board = "isa32";
  int cycles = 4;
  std::string net; // default: sample.net beside this program
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
      "  --board NAME    the board qmxdrv runs on (default: isa32):\n",
      out);
  for (int i = 0; i < kBoardCount; ++i) std::fprintf(out, "                    %-9s %s\n", kBoards[i].name, kBoards[i].description);
  std::fputs(
      "                  Each comes with the configuration file and host program\n"
      "                  that select its access path. Between cycles the board\n"
      "                  copies its output words into its input words.\n"
      "  --net FILE      the Profibus net halvex is configured with (default:\n"
      "                  sample.net beside this program); between cycles the\n"
      "                  simulated bus copies each slave's outputs into its inputs\n"
      "  --cycles N      PLC cycles to run (default: 4); the first and last are printed\n"
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

void printBytes(const char* label, const std::uint8_t* p, int n) {
  std::printf("  %-8s", label);
  for (int i = 0; i < n; ++i) std::printf(" %02x", p[i]);
  std::printf("\n");
}

// One PLC cycle of device 0, as the runtime makes it: inputs first (a block
// of 16 bytes and one single bit), then outputs (16 single bits of bytes 0
// and 1, a block for bytes 2 to 15), then the flush.
void qmxdrvCycle(IODrvFunctionTable& t, int cycle, bool print) {
  std::uint8_t in[16] = {};
  std::uint8_t bit = 0;
  t.IODrvFctStartReadInputs(0);
  t.IODrvFctReadInputs(0, 16, in, 0);
  t.IODrvFctReadInputs(9, 0, &bit, 0);
  t.IODrvFctDoneReadInputs(0);
  std::uint8_t out[16];
  for (int i = 0; i < 16; ++i) out[i] = static_cast<std::uint8_t>(cycle * 0x10 + i);
  t.IODrvFctStartWriteOutputs(0);
  for (std::uint32_t b = 0; b < 16; ++b) t.IODrvFctWriteOutputs(b, 0, &out[b / 8], 0);
  t.IODrvFctWriteOutputs(2, 14, out + 2, 0);
  t.IODrvFctDoneWriteOutputs(0);
  if (!print) return;
  std::printf("-- cycle %d\n", cycle);
  printBytes("inputs", in, 16);
  std::printf("  %-8s %d (input bit 9)\n", "bit", (bit >> 1) & 1);
  printBytes("outputs", out, 16);
}

int runQmxdrvBoard(const Options& opt, SimHost& host, IODrvFunctionTable& table, SimBoard& board) {
  for (int c = 1; c <= opt.cycles; ++c) {
    const bool print = c == 1 || c == opt.cycles;
    host.ports.clear();
    qmxdrvCycle(table, c, print);
    if (print && !host.ports.empty()) {
      std::printf("  port accesses of this cycle:\n");
      for (const PortAccess& p : host.ports)
        std::printf("    %s 0x%04x 0x%0*x\n", p.kind == PortAccess::In ? "in   " : p.kind == PortAccess::Out16 ? "out16" : "out32",
                    p.port, p.kind == PortAccess::Out32 ? 8 : 4, p.value);
    }
    board.loopback();
  }
  return 0;
}

void printSlaveBytes(const char* label, int station, std::uint32_t byteAddress, const std::uint8_t* p, std::uint32_t n) {
  std::printf("  station %-3d %-7s @%-3u", station, label, byteAddress);
  for (std::uint32_t i = 0; i < n; ++i) std::printf(" %02x", p[i]);
  std::printf("\n");
}

int runHalvexNet(const Options& opt, SimHost& host, IODrvFunctionTable& t) {
  ProfibusNet net;
  std::string error;
  const std::string file = opt.net.empty() ? opt.libDir + "/sample.net" : opt.net;
  if (!loadNet(file, net, error)) {
    std::fprintf(stderr, "iodrv-sim: %s\n", error.c_str());
    return 1;
  }
  host.log.clear();
  t.IODrvFctStartConfigureIONet(0);
  for (std::size_t i = 0; i < net.slaves.size(); ++i)
    t.IODrvFctConfigureModule(static_cast<std::int32_t>(i), &net.slaves[i].record, 0);
  t.IODrvFctDoneConfigureIONet(0);
  t.IODrvFctConfigureDevice(&net.busDesc, 0);
  std::printf("-- configuration of %s\n%s", file.c_str(), host.log.c_str());
  auto* area = reinterpret_cast<ProcessArea*>(t.ulIOOffset);
  std::printf("-- configured records\n");
  for (int i = 0; i < MAX_MODULES && area->aModule[i].ucInUse == 0xFF; ++i) {
    const ModuleRecord& r = area->aModule[i];
    std::printf("  [%d] station %-3d ident 0x%04x  inputs %u bytes, outputs %u bytes, user_prm %u, cfg %u, status 0x%02x\n", i,
                r.ucTag, r.usIdentNumber, r.ucInputBytes, r.ucOutputBytes, r.usUserPrmLen, r.usCfgLen,
                r.ucStationStatus);
  }
  for (int c = 1; c <= opt.cycles; ++c) {
    const bool print = c == 1 || c == opt.cycles;
    if (print) std::printf("-- cycle %d\n", c);
    t.IODrvFctStartReadInputs(0);
    for (const NetSlave& s : net.slaves) {
      std::uint8_t in[256] = {};
      t.IODrvFctReadInputs(s.inStart / 8, static_cast<std::int32_t>(s.inBits / 8), in, 0);
      if (print) printSlaveBytes("inputs", s.station, s.inStart / 8, in, s.inBits / 8);
    }
    t.IODrvFctDoneReadInputs(0);
    t.IODrvFctStartWriteOutputs(0);
    for (const NetSlave& s : net.slaves) {
      std::uint8_t out[256];
      for (std::uint32_t i = 0; i < s.outBits / 8; ++i) out[i] = static_cast<std::uint8_t>(c * 0x10 + s.station + i);
      t.IODrvFctWriteOutputs(s.outStart / 8, static_cast<std::int32_t>(s.outBits / 8), out, 0);
      if (print) printSlaveBytes("outputs", s.station, s.outStart / 8, out, s.outBits / 8);
    }
    t.IODrvFctDoneWriteOutputs(0);
    loopbackArea(*area);
  }
  return 0;
}

int runDriver(const Options& opt, const char* name) {
  const std::string path = opt.libDir + "/" + name + ".so";
  std::printf("== %s (%s)\n", name, path.c_str());
  SimHost host;
  const bool fpga = std::strcmp(name, "qmxdrv") == 0;
  const BoardKind* kind = findBoard(opt.board);
  char dirTemplate[] = "/tmp/iodrv-sim-XXXXXX";
  const char* dir = fpga ? mkdtemp(dirTemplate) : ".";
  std::unique_ptr<SimBoard> board;
  if (fpga) {
    if (dir == nullptr) {
      std::fprintf(stderr, "iodrv-sim: cannot make a folder for the configuration file\n");
      return 1;
    }
    board = std::make_unique<SimBoard>(*kind, dir);
    if (kind->hostProgExports > 0) {
      const std::string hp = opt.libDir + "/hostprog" + std::to_string(kind->hostProgExports) + ".so";
      if (dlopen(hp.c_str(), RTLD_NOW | RTLD_GLOBAL) == nullptr) {
        std::fprintf(stderr, "iodrv-sim: %s\n", dlerror());
        return 1;
      }
    }
    board->prepareHost(host);
    host.portDevice = board.get();
    std::printf("board: %s (%s)\n", kind->name, kind->description);
  }
  DriverLib lib(path);
  if (!lib.loaded()) {
    std::fprintf(stderr, "iodrv-sim: %s\n", lib.error().c_str());
    return 1;
  }
  IODrvFunctionTable table{};
  const std::int32_t rc = lib.init(host, &table);
  std::printf("-- driver log (IODrvInit returned %d)\n%s", rc, host.log.c_str());
  printTable(table);
  int result = rc == 1 ? 0 : 1;
  if (fpga) {
    result |= runQmxdrvBoard(opt, host, table, *board);
    const std::string cfg = host.hostPathToLocal("C:\\DAV3I.CFG");
    std::remove(cfg.c_str());
    rmdir(dir);
  } else {
    result |= runHalvexNet(opt, host, table);
  }
  return result;
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
    } else if (a == "--board" && hasValue) {
      opt.board = argv[++i];
      if (findBoard(opt.board) == nullptr) {
        std::fprintf(stderr, "iodrv-sim: unknown board '%s'\n", opt.board.c_str());
        return 2;
      }
    } else if (a == "--cycles" && hasValue) {
      opt.cycles = std::atoi(argv[++i]);
      if (opt.cycles < 1) {
        std::fprintf(stderr, "iodrv-sim: --cycles takes a number of at least 1\n");
        return 2;
      }
    } else if (a == "--net" && hasValue) {
      opt.net = argv[++i];
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
