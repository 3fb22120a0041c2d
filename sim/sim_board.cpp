#include "sim_board.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstring>

#include "../platform/linux/rtt32_sim.h"
#include "hostprog.h"

const BoardKind kBoards[] = {
    {"isa16", "ISA window, 16-bit accesses", 2, 0, 0, 0, nullptr},
    {"isa32", "ISA window, 32-bit cached", 2, 0, 0, 0, "[Bus]\r\nISABusWidth=32\r\n"},
    {"vmware", "inside a virtual machine: no FPGA access", 1, 1, 0, 0, nullptr},
    {"legacy", "host program without the board functions (16-bit ISA)", 0, 0, 0, 0, nullptr},
    {"lpc", "Congatec board on LPC, input from the firmware window", 4, 0, 1, 0, nullptr},
    {"lpc-port", "Congatec board on LPC, input through ports", 4, 0, 1, 0, "LPCInputFunc=P\r\n"},
    {"pci", "Congatec board with PCI memory", 4, 0, 1, 1, nullptr},
};
const int kBoardCount = sizeof kBoards / sizeof kBoards[0];

const BoardKind* findBoard(const std::string& name) {
  for (const BoardKind& b : kBoards)
    if (name == b.name) return &b;
  return nullptr;
}

namespace {
constexpr std::uint32_t kLpcRegisters = 0xFF801000;
constexpr std::uint32_t kIsaWindow = 0xD0000;
constexpr std::uint32_t kPortBase = 0x1000;
constexpr std::uint32_t kRegisterBytes = 2048;
} // namespace

SimBoard::SimBoard(const BoardKind& kind, const std::string& dir) : kind_(kind), dir_(dir) {
  const bool congatec = kind.congatec != 0;
  if (congatec && kind.usePci != 0)
    regs_ = pci_;
  else if (congatec)
    regs_ = static_cast<std::uint8_t*>(rtt32SimPhysView(kLpcRegisters, kRegisterBytes));
  else
    regs_ = static_cast<std::uint8_t*>(rtt32SimPhysView(kIsaWindow, 0x10000));
}

void SimBoard::prepareHost(SimHost& host) const {
  host.setFileRoot(dir_);
  const std::string path = host.hostPathToLocal("C:\\DAV3I.CFG");
  if (kind_.configText == nullptr) {
    std::remove(path.c_str());
  } else if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fputs(kind_.configText, f);
    std::fclose(f);
  }
  if (kind_.hostProgExports > 0) hostProgSetAnswers(kind_.vmware, kind_.congatec, kind_.usePci, pciWindow());
}

void SimBoard::loopback() { std::memmove(regs_ + 1024, regs_, 1024); }

std::uint16_t SimBoard::in16(std::uint32_t port) {
  const std::uint32_t x = port - kPortBase;
  if (port < kPortBase || x + 2 > kRegisterBytes) return 0;
  return static_cast<std::uint16_t>(regs_[x] | regs_[x + 1] << 8);
}

void SimBoard::out16(std::uint32_t port, std::uint16_t value) {
  const std::uint32_t x = port - kPortBase;
  if (port < kPortBase || x + 2 > kRegisterBytes) return;
  regs_[x] = static_cast<std::uint8_t>(value);
  regs_[x + 1] = static_cast<std::uint8_t>(value >> 8);
}

void SimBoard::out32(std::uint32_t port, std::uint32_t value) {
  out16(port, static_cast<std::uint16_t>(value));
  out16(port + 2, static_cast<std::uint16_t>(value >> 16));
}

void hostProgSetAnswers(std::int32_t vmware, std::int32_t congatec, std::int32_t usePci, std::uintptr_t pciBase) {
  typedef void (*Set)(std::int32_t, std::int32_t, std::int32_t, std::uintptr_t);
  if (auto set = reinterpret_cast<Set>(dlsym(RTLD_DEFAULT, "hostProgSet"))) set(vmware, congatec, usePci, pciBase);
}

int hostProgCallCount(int which) {
  typedef int (*Calls)(int);
  auto calls = reinterpret_cast<Calls>(dlsym(RTLD_DEFAULT, "hostProgCalls"));
  return calls == nullptr ? 0 : calls(which);
}
