// Shared set-up of the qmxdrv unit tests: the ISA window mapped through the
// RTT32 stand-in, a clean image, and the access slots of one back-end row.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "fpga/backend_select.h"
#include "fpga/backends.h"
#include "frame/frame_state.h"
#include "frame/host_wrappers.h"
#include "recording_bus.h"
#include "sim/sim_host.h"

using Trace = std::vector<std::string>;

class QmxUnit : public ::testing::Test {
 protected:
  SimHost host;
  unsigned char* window = nullptr; // the one physical window of this process

  void SetUp() override {
    g_pHostServices = &host.services;
    window = static_cast<unsigned char*>(getPhysicalWindow(ISA_WINDOW_PHYS, PHYS_WINDOW_SIZE));
    ASSERT_NE(window, nullptr);
    std::memset(window, 0, PHYS_WINDOW_SIZE);
    std::memset(g_deviceImage, 0, sizeof g_deviceImage);
    g_isaWindowOff = false;
    pciBase = 0;
    g_busTrace.clear();
  }
  void TearDown() override { g_pHostServices = nullptr; }

  void useIsa(bool wide) {
    g_backend = {isaWriteWord,
                 isaReadWord,
                 isaReadWord,
                 wide ? isa32ReadBlock : isa16ReadBlock,
                 wide ? shadowWriteBlock : isa16WriteBlock,
                 wide ? isa32FlushOutputs : isa16FlushOutputs,
                 isaReadInputByte};
  }
  void useVm(bool wide) {
    useIsa(wide);
    g_backend.writeWord = vmWriteWord;
    g_backend.readWord = g_backend.readInputWord = vmReadWord;
    g_isaWindowOff = true;
  }
  void useLpc(char mode) {
    g_backend = {lpcWriteWord,    lpcReadWord,     mode == 'M' ? lpcReadInputWordMem : IODrvHostInWord,
                 lpcReadBlock,    shadowWriteBlock, lpcFlushOutputs, lpcReadInputByte};
  }
  void usePci(void* base) {
    pciBase = reinterpret_cast<std::uintptr_t>(base);
    g_backend = {pciWriteWord, pciReadWord, pciReadWord, lpcReadBlock, shadowWriteBlock, pciFlushOutputs, lpcReadInputByte};
  }

  void setWord(unsigned char* base, std::size_t byteOffset, std::uint16_t v) { std::memcpy(base + byteOffset, &v, 2); }
  std::uint16_t wordAt(const unsigned char* base, std::size_t byteOffset) {
    std::uint16_t v;
    std::memcpy(&v, base + byteOffset, 2);
    return v;
  }
  Trace trace(const void* base) {
    Trace t = busTraceText(base);
    g_busTrace.clear();
    return t;
  }
  FpgaDeviceImage& img(std::uint32_t device = 0) { return g_deviceImage[device]; }
};
