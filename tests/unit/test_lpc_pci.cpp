// The LPC back-end's port and firmware-window accesses, and the PCI back-end
// through the same block read and input byte.
#include "qmx_unit.h"

namespace {

using Ports = std::vector<PortAccess>;
PortAccess in(std::uint32_t port, std::uint32_t v) { return {PortAccess::In, port, v}; }
PortAccess out16(std::uint32_t port, std::uint32_t v) { return {PortAccess::Out16, port, v}; }
PortAccess out32(std::uint32_t port, std::uint32_t v) { return {PortAccess::Out32, port, v}; }

// Port side of the board: FPGA byte x at port 0x1000 + x.
struct PortRegisters : PortDevice {
  std::uint8_t regs[2048] = {};
  std::uint16_t in16(std::uint32_t port) override {
    const std::uint32_t x = port - 0x1000;
    return x + 2 > sizeof regs ? 0 : static_cast<std::uint16_t>(regs[x] | regs[x + 1] << 8);
  }
  void out16(std::uint32_t port, std::uint16_t v) override { std::memcpy(regs + port - 0x1000, &v, 2); }
  void out32(std::uint32_t port, std::uint32_t v) override { std::memcpy(regs + port - 0x1000, &v, 4); }
};

class Lpc : public QmxUnit {
 protected:
  PortRegisters board;
  unsigned char* regs = nullptr; // the register file as the firmware window mirrors it
  void SetUp() override {
    QmxUnit::SetUp();
    host.portDevice = &board;
    regs = window + 0x1000;
    for (int i = 0; i < 2048; ++i) regs[i] = board.regs[i] = static_cast<std::uint8_t>(i * 3 + 1);
  }
  Ports ports() {
    Ports p;
    p.swap(host.ports);
    return p;
  }
};

TEST_F(Lpc, BlockReadFetchesEachWordOnceInAscendingOrder) {
  struct Case {
    std::uint32_t b, n;
    Trace firmware;
  } cases[] = {
      {1025, 3, {"R16 0x1400", "R16 0x1402"}},
      {16, 1, {"R16 0x1010"}},
      {1022, 4, {"R16 0x13fe", "R16 0x1400"}},
      {1024, 8, {"R16 0x1400", "R16 0x1402", "R16 0x1404", "R16 0x1406"}},
  };
  useLpc('M');
  for (const Case& c : cases) {
    std::memset(g_deviceImage, 0, sizeof g_deviceImage);
    std::uint8_t d[8];
    lpcReadBlock(0, c.b, d, c.n);
    EXPECT_EQ(trace(window), c.firmware) << c.b;
    EXPECT_EQ(0, std::memcmp(d, regs + c.b, c.n)) << c.b;
    for (const BusAccess& a : g_busTrace) EXPECT_FALSE(a.interruptsOff);
    lpcReadBlock(0, c.b, d, c.n);
    Trace again;
    for (const std::string& s : c.firmware)
      if (s < "R16 0x1400") again.push_back(s); // the output area is never cached
    EXPECT_EQ(trace(window), again) << c.b << " again";
  }
  EXPECT_TRUE(inputCached(img(), 0));
  EXPECT_TRUE(ports().empty());
}

TEST_F(Lpc, PortModeReadsTheSameWordsThroughThePorts) {
  useLpc('P');
  std::uint8_t d[3];
  lpcReadBlock(0, 1025, d, 3);
  EXPECT_EQ(ports(), (Ports{in(0x1400, wordAt(regs, 1024)), in(0x1402, wordAt(regs, 1026))}));
  EXPECT_EQ(0, std::memcmp(d, regs + 1025, 3));
  EXPECT_EQ(lpcReadInputByte(0, 5), regs[1029]);
  EXPECT_EQ(ports(), (Ports{in(0x1404, wordAt(regs, 1028))}));
  EXPECT_TRUE(trace(window).empty());
}

TEST_F(Lpc, PairedFlushThroughThePorts) {
  useLpc('M');
  struct Case {
    const char* what;
    std::vector<std::pair<std::uint32_t, std::uint16_t>> pending; // word, mask; value 0xA55A
    Trace reads;
    Ports writes;
  } cases[] = {
      {"pair 0/1 whole", {{0, 0xFFFF}, {1, 0xFFFF}}, {}, {out32(0x1000, 0xA55AA55A)}},
      {"word 511 low byte", {{511, 0x00FF}}, {"R16 0x13fe"}, {out16(0x13FE, 0x0B5A)}},
      {"word 3 bit 8 already so", {{3, 0x0100}}, {"R16 0x1006"}, {}},
      {"pair 510/511 partly", {{510, 0xFF00}, {511, 0xFFFF}}, {"R16 0x13fc"}, {out32(0x13FC, 0xA55AA5FB)}},
  };
  for (const Case& c : cases) {
    std::memset(g_deviceImage, 0, sizeof g_deviceImage);
    setWord(regs, 6, 0x0100);
    setWord(regs, 1022, 0x0BFE);
    setWord(regs, 1020, 0x0BFB);
    for (auto [k, m] : c.pending) {
      img().outputMask[k] = m;
      img().outputValue[k] = 0xA55A;
    }
    if (std::string(c.what).find("already") != std::string::npos) img().outputValue[3] = 0x0100;
    g_busTrace.clear();
    ports();
    lpcFlushOutputs(0);
    EXPECT_EQ(trace(window), c.reads) << c.what;
    EXPECT_EQ(ports(), c.writes) << c.what;
    for (std::uint32_t k = 0; k < 512; ++k) ASSERT_EQ(img().outputMask[k], 0) << c.what;
  }
}

TEST_F(Lpc, DeviceWithoutARecord) {
  useLpc('P');
  g_deviceImage[0].outputMask[0] = 0xFFFF;
  lpcFlushOutputs(16);
  EXPECT_EQ(lpcReadInputByte(16, 0), 0u);
  EXPECT_EQ(lpcReadInputByte(0, 1024), 0u);
  EXPECT_TRUE(ports().empty());
  // The block read still reaches the register space, uncached.
  std::uint8_t d[2];
  lpcReadBlock(16, 1024, d, 2);
  lpcReadBlock(16, 1024, d, 2);
  EXPECT_EQ(ports().size(), 2u);
}

TEST_F(Lpc, LocationsBeyondThe64KiBSpaceReadZeroWithoutAccess) {
  useLpc('P');
  std::uint8_t d[4] = {1, 1, 1, 1};
  lpcReadBlock(0, 0xEFFE, d, 4);
  EXPECT_EQ(ports(), (Ports{in(0xFFFE, 0)}));
  EXPECT_EQ(d[2] | d[3], 0);
  useLpc('M');
  EXPECT_EQ(lpcReadInputWordMem(0xFFFF), 0);
  lpcWriteWord(0x7800, 1);
  EXPECT_TRUE(trace(window).empty());
}

class Pci : public QmxUnit {
 protected:
  alignas(8) unsigned char pci[2048];
  void SetUp() override {
    QmxUnit::SetUp();
    for (int i = 0; i < 2048; ++i) pci[i] = static_cast<unsigned char>(i * 5 + 2);
    usePci(pci);
  }
};

TEST_F(Pci, BorrowedBlockReadAndInputByte) {
  std::uint8_t d[2];
  lpcReadBlock(0, 1024, d, 2);
  EXPECT_EQ(trace(pci), (Trace{"R16 0x0400"}));
  EXPECT_EQ(0, std::memcmp(d, pci + 1024, 2));
  lpcReadBlock(0, 16, d, 2);
  lpcReadBlock(0, 16, d, 2);
  EXPECT_EQ(trace(pci), (Trace{"R16 0x0010", "R16 0x0010"}));
  EXPECT_EQ(lpcReadInputByte(0, 3), pci[1027]);
  EXPECT_EQ(trace(pci), (Trace{"R16 0x0402"}));
  EXPECT_EQ(pciReadWord(2048), pciReadWord(0));
  EXPECT_EQ(trace(pci), (Trace{"R16 0x0000", "R16 0x0000"}));
}

TEST_F(Pci, PairedFlushThroughTheWindow) {
  img().outputMask[0] = img().outputMask[1] = 0xFFFF;
  img().outputValue[0] = 0x1111;
  img().outputValue[1] = 0x2222;
  img().outputMask[510] = img().outputMask[511] = 0xFFFF;
  img().outputValue[510] = 0x3333;
  img().outputValue[511] = 0x4444;
  img().outputMask[7] = 0x00F0;
  img().outputValue[7] = 0x00F0;
  setWord(pci, 14, 0x0000);
  pciFlushOutputs(0);
  EXPECT_EQ(trace(pci), (Trace{"W32 0x0000=0x22221111", "R16 0x000e", "W16 0x000e=0x00f0", "W32 0x03fc=0x44443333"}));
}

TEST_F(Pci, NoBaseNoAccess) {
  usePci(nullptr);
  img().outputMask[0] = 0xFFFF;
  pciFlushOutputs(0);
  std::uint8_t d[2] = {5, 5};
  lpcReadBlock(0, 1024, d, 2);
  EXPECT_EQ(d[0] | d[1], 0);
  EXPECT_TRUE(g_busTrace.empty());
}

} // namespace
