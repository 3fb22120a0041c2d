// A simulated Brenix-T board: the FPGA's 2048-byte register file where the
// chosen access path finds it (ISA window, LPC firmware window and ports, or
// a PCI window), the configuration file and host program that select that
// path, and the loopback of output words into input words between cycles.
#pragma once

#include <cstdint>
#include <string>

#include "sim_host.h"

struct BoardKind {
  const char* name;
  const char* description;
  int hostProgExports;  // how many of the four host-program functions exist
  std::int32_t vmware, congatec, usePci;
  const char* configText; // DAV3I.CFG, or null for none
};

// isa16, isa32, vmware, legacy, lpc, lpc-port, pci
const BoardKind* findBoard(const std::string& name);
extern const BoardKind kBoards[];
extern const int kBoardCount;

class SimBoard : public PortDevice {
 public:
  SimBoard(const BoardKind& kind, const std::string& dir);
  const BoardKind& kind() const { return kind_; }
  // Where the FPGA's registers are; the PCI window's address for the host program.
  std::uint8_t* registers() { return regs_; }
  std::uintptr_t pciWindow() const { return reinterpret_cast<std::uintptr_t>(pci_); }
  // Writes DAV3I.CFG below dir (or removes it) and tells the host program what to answer.
  void prepareHost(SimHost& host) const;
  void loopback();

  std::uint16_t in16(std::uint32_t port) override;
  void out16(std::uint32_t port, std::uint16_t value) override;
  void out32(std::uint32_t port, std::uint32_t value) override;

 private:
  const BoardKind& kind_;
  std::string dir_;
  std::uint8_t* regs_;
  alignas(8) std::uint8_t pci_[2048] = {};
};
