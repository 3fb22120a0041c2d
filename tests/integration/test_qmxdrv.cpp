// qmxdrv through the built library in the simulated host. This file is built
// once per host program: HOSTPROG_LEVEL is how many of the four board
// functions the test program exports (0: none).
#include <unistd.h>

#include <cstdio>

#include "driver_fixture.h"
#include "platform/linux/rtt32_sim.h"
#include "sim/hostprog.h"
#include "sim/sim_board.h"

namespace {

constexpr const char* kWidth16 = "QMXDrv: ISABus standard 16 bit\n";
constexpr const char* kWidth32 = "QMXDrv: ISABus optimized for 32 bit with cache\n";

class Qmx : public ::testing::Test {
 protected:
  char dir[32] = "/tmp/qmx-it-XXXXXX";
  std::unique_ptr<LoadedDriver> d;
  unsigned char* isa = static_cast<unsigned char*>(rtt32SimPhysView(0xD0000, 0x10000));
  unsigned char* lpc = static_cast<unsigned char*>(rtt32SimPhysView(0xFF801000, 0x800));
  alignas(8) unsigned char pci[2048] = {};

  void SetUp() override {
    ASSERT_NE(mkdtemp(dir), nullptr);
    rtt32SimReset();
    std::memset(isa, 0, 0x10000);
    std::memset(lpc, 0, 0x800);
  }
  void TearDown() override {
    d.reset();
    std::remove((std::string(dir) + "/DAV3I.CFG").c_str());
    rmdir(dir);
  }
  void config(const std::string& text) {
    FILE* f = std::fopen((std::string(dir) + "/DAV3I.CFG").c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
  }
  // Loads qmxdrv afresh and starts it; returns the selection's log lines.
  std::string start(std::int32_t vmware = 0, std::int32_t congatec = 0, std::int32_t usePci = 0,
                    std::uintptr_t base = 0) {
    hostProgSetAnswers(vmware, congatec, usePci, base);
    d.reset();
    d = std::make_unique<LoadedDriver>(QMXDRV_PATH);
    EXPECT_TRUE(d->lib().loaded()) << d->lib().error();
    d->host.setFileRoot(dir);
    EXPECT_EQ(d->init(), 1);
    std::string log = d->takeLog();
    const std::size_t init = std::string("QMXDrv: IODrvFctInit\n").size();
    const std::size_t range = log.find("QMXDrv: IODrvFctGetIORange");
    return log.substr(init, range - init);
  }
  IODrvFunctionTable& t() { return d->table; }

  // One cycle of device 0: 4 output bytes at 0 as a block and 16 bytes from
  // byte 2 of the input area read back as a block.
  void cycle(const std::uint8_t (&out)[4], std::uint8_t (&in)[4]) {
    t().IODrvFctStartReadInputs(0);
    t().IODrvFctReadInputs(2, 4, in, 0);
    t().IODrvFctStartWriteOutputs(0);
    t().IODrvFctWriteOutputs(0, 4, out, 0);
    t().IODrvFctDoneWriteOutputs(0);
  }
};

#if HOSTPROG_LEVEL == 0
TEST_F(Qmx, HostWithoutBoardFunctionsKeepsTheProbedIsaWidth) {
  EXPECT_EQ(start(), std::string(kWidth16) + "cannot find function 'isVMWare'\n");
  config("ISABusWidth=32");
  EXPECT_EQ(start(), std::string(kWidth32) + "cannot find function 'isVMWare'\n");
  const std::uint8_t out[4] = {1, 2, 3, 4};
  std::uint8_t in[4];
  isa[1026] = 0x77;
  cycle(out, in);
  EXPECT_EQ(in[0], 0x77);
  EXPECT_EQ(0, std::memcmp(isa, out, 4));
}

TEST_F(Qmx, ConfigurationKeyIsAnyExactOccurrenceBeforeA0Byte) {
  const struct {
    std::string file;
    const char* width;
  } cases[] = {
      {"ISABusWidth=32", kWidth32},
      {"ISABusWidth=320", kWidth32},
      {"; ISABusWidth=32 as a comment", kWidth32},
      {"[x]\r\nISABusWidth=32\r\n", kWidth32},
      {"ISABusWidth = 32", kWidth16},
      {"isabuswidth=32", kWidth16},
      {std::string("x\0ISABusWidth=32", 16), kWidth16},
      {"ISABusWidth=16", kWidth16},
      {"", kWidth16},
  };
  for (const auto& c : cases) {
    config(c.file);
    EXPECT_EQ(start(), std::string(c.width) + "cannot find function 'isVMWare'\n") << c.file;
  }
}

TEST_F(Qmx, FailedMappingAtEachStep) {
  // RTFindPhysMem finds an existing mapping: nothing else is called.
  rtt32SimSetFindExisting(1);
  start();
  std::uint8_t in[4];
  isa[1024] = 0x5A;
  t().IODrvFctReadInputs(0, 1, in, 0);
  EXPECT_EQ(in[0], 0x5A);
  EXPECT_EQ(rtt32SimCallCount(RTT32_SIM_FIND), 1);
  EXPECT_EQ(rtt32SimCallCount(RTT32_SIM_RESERVE), 0);
  EXPECT_EQ(rtt32SimLastFlags(RTT32_SIM_FIND), 7u);

  for (int failing : {RTT32_SIM_RESERVE, RTT32_SIM_MAP}) {
    rtt32SimReset();
    rtt32SimSetFail(failing, 1);
    start();
    std::uint8_t d4[4] = {9, 9, 9, 9};
    const std::uint8_t one = 1;
    t().IODrvFctReadInputs(0, 4, d4, 0);
    t().IODrvFctReadInputs(0, 0, d4, 0);
    t().IODrvFctWriteOutputs(0, 4, d4, 0);
    t().IODrvFctWriteOutputs(0, 0, &one, 0);
    t().IODrvFctDoneWriteOutputs(0);
    EXPECT_EQ(d4[0] | d4[1] | d4[2] | d4[3], 0) << "step " << failing;
    EXPECT_EQ(rtt32SimCallCount(RTT32_SIM_FIND), 1) << "mapping is tried once only";
    EXPECT_EQ(rtt32SimCallCount(RTT32_SIM_RESERVE), 1);
    EXPECT_EQ(rtt32SimCallCount(RTT32_SIM_MAP), failing == RTT32_SIM_MAP ? 1 : 0);
    EXPECT_EQ(isa[0], 0);
  }
}
#endif

#if HOSTPROG_LEVEL == 1
TEST_F(Qmx, HostWithoutIsCongatec) {
  EXPECT_EQ(start(0), std::string(kWidth16) + "cannot find function 'isCongatec'\n");
  EXPECT_EQ(start(1), std::string(kWidth16) + "no FPGA access in WMWare\n");
}
#endif

#if HOSTPROG_LEVEL == 2
TEST_F(Qmx, FullCycleOnEachIsaWidth) {
  for (bool wide : {false, true}) {
    std::memset(isa, 0, 0x10000);
    rtt32SimReset();
    if (wide) config("ISABusWidth=32");
    EXPECT_EQ(start(), std::string(wide ? kWidth32 : kWidth16) + "FPGA access via memory mapped IO\n");
    EXPECT_EQ(rtt32SimCallCount(RTT32_SIM_MAP), 0) << "nothing mapped before the first access";
    const std::uint8_t out[4] = {0x11, 0x22, 0x33, 0x44};
    std::uint8_t in[4];
    isa[1026] = 0xAB;
    isa[1029] = 0xCD;
    cycle(out, in);
    EXPECT_EQ(0, std::memcmp(isa, out, 4));
    EXPECT_EQ(in[0], 0xAB);
    EXPECT_EQ(in[3], 0xCD);
    // The input cache: a change of the FPGA's inputs within the cycle is not seen.
    std::uint8_t bit = 0;
    t().IODrvFctStartReadInputs(0);
    t().IODrvFctReadInputs(2 * 8, 0, &bit, 0);
    EXPECT_EQ(bit, 1);
    isa[1026] = 0;
    t().IODrvFctReadInputs(2 * 8 + 1, 0, &bit, 0);
    EXPECT_EQ(bit, 3);
    t().IODrvFctStartReadInputs(0);
    t().IODrvFctReadInputs(2 * 8, 0, &bit, 0);
    EXPECT_EQ(bit, 2);
    // Pending outputs are discarded by the next StartReadInputs.
    const std::uint8_t ones = 0xFF;
    t().IODrvFctWriteOutputs(5, 0, &ones, 0);
    if (wide) t().IODrvFctWriteOutputs(1, 1, &ones, 0);
    t().IODrvFctStartReadInputs(0);
    t().IODrvFctDoneWriteOutputs(0);
    EXPECT_EQ(0, std::memcmp(isa, out, 4)) << (wide ? "32-bit" : "16-bit");
    EXPECT_EQ(rtt32SimCallCount(RTT32_SIM_MAP), 1);
  }
}

TEST_F(Qmx, VirtualMachineMakesNoAccessOnEitherWidth) {
  for (bool wide : {false, true}) {
    if (wide) config("ISABusWidth=32");
    EXPECT_EQ(start(1), std::string(wide ? kWidth32 : kWidth16) + "no FPGA access in WMWare\n");
    std::memset(isa, 0x5A, 4096);
    const std::uint8_t out[4] = {1, 2, 3, 4};
    std::uint8_t in[4];
    cycle(out, in);
    std::uint8_t bit = 0xFF;
    t().IODrvFctReadInputs(3, 0, &bit, 0);
    t().IODrvFctWriteOutputs(200, 0, out, 0);
    t().IODrvFctDoneWriteOutputs(0);
    EXPECT_EQ(in[0] | in[1] | in[2] | in[3], 0);
    EXPECT_EQ(bit, 0xF7);
    EXPECT_EQ(isa[0], 0x5A);
    EXPECT_EQ(isa[25], 0x5A);
    EXPECT_EQ(rtt32SimCallCount(RTT32_SIM_FIND), 0) << "not even a mapping";
  }
}

TEST_F(Qmx, RepeatedFctInitRunsTheSelectionAgain) {
  start();
  config("ISABusWidth=32");
  EXPECT_EQ(d->lib().fctInit(), 1);
  EXPECT_EQ(d->takeLog(), std::string("QMXDrv: IODrvFctInit\n") + kWidth32 + "FPGA access via memory mapped IO\n");
  // Now the 32-bit back-end: a block write waits for the flush.
  const std::uint8_t v[2] = {7, 8};
  t().IODrvFctStartReadInputs(0);
  t().IODrvFctWriteOutputs(100, 2, v, 0);
  EXPECT_EQ(isa[100], 0);
  t().IODrvFctDoneWriteOutputs(0);
  EXPECT_EQ(isa[100], 7);
  EXPECT_EQ(isa[101], 8);
}
#endif

#if HOSTPROG_LEVEL == 3
TEST_F(Qmx, CongatecWithoutPciBaseFunctionIsLpcWithoutAWord) {
  const std::string lpcLines = "LPCBus output to FPGA via port IO\nQMXDrv: LPCBus input from FPGA via firmware memory read (FF801000h)\n";
  EXPECT_EQ(start(0, 1, 1), std::string(kWidth16) + lpcLines);
  EXPECT_EQ(start(0, 1, 0), std::string(kWidth16) + lpcLines);
  EXPECT_EQ(hostProgCallCount(HOSTPROG_USE_PCI), 2);
}
#endif

#if HOSTPROG_LEVEL == 4
const std::string kLpcM = "LPCBus output to FPGA via port IO\nQMXDrv: LPCBus input from FPGA via firmware memory read (FF801000h)\n";
const std::string kLpcP = "LPCBus output to FPGA via port IO\nQMXDrv: LPCBus input from FPGA via port IO\n";

TEST_F(Qmx, SelectionOutcomes) {
  const struct {
    std::int32_t vm, cg, usePci;
    const char* file;
    std::string lines;
  } cases[] = {
      {1, 1, 1, "", std::string(kWidth16) + "no FPGA access in WMWare\n"},
      {0, 0, 1, "LPCInputFunc=P", std::string(kWidth16) + "FPGA access via memory mapped IO\n"},
      {0, 1, 1, "", std::string(kWidth16) + "FPGA access via PCI-Bus\n"},
      {0, 1, 1, "ISABusWidth=32", std::string(kWidth32) + "FPGA access via PCI-Bus\n"},
      {0, 1, 0, "", std::string(kWidth16) + kLpcM},
      {0, 1, 0, "LPCInputFunc=P\nISABusWidth=32", std::string(kWidth32) + kLpcP},
  };
  for (const auto& c : cases) {
    config(c.file);
    const int congatecCalls = hostProgCallCount(HOSTPROG_IS_CONGATEC);
    EXPECT_EQ(start(c.vm, c.cg, c.usePci, reinterpret_cast<std::uintptr_t>(pci)), c.lines) << c.file;
    if (c.vm != 0) {
      EXPECT_EQ(hostProgCallCount(HOSTPROG_IS_CONGATEC), congatecCalls) << "asked about the board under VMware";
    }
  }
}

// The simulated board serves the ports from the register file the firmware
// window mirrors.
struct LpcBoard : PortDevice {
  unsigned char* regs;
  explicit LpcBoard(unsigned char* r) : regs(r) {}
  std::uint16_t in16(std::uint32_t port) override {
    const std::uint32_t x = port - 0x1000;
    return x + 2 > 2048 ? 0 : static_cast<std::uint16_t>(regs[x] | regs[x + 1] << 8);
  }
  void out16(std::uint32_t port, std::uint16_t v) override {
    if (port - 0x1000 + 2 <= 2048) std::memcpy(regs + port - 0x1000, &v, 2);
  }
  void out32(std::uint32_t port, std::uint32_t v) override {
    if (port - 0x1000 + 4 <= 2048) std::memcpy(regs + port - 0x1000, &v, 4);
  }
};

TEST_F(Qmx, LpcCycleInBothInputModes) {
  for (const char* file : {"", "LPCInputFunc=P"}) {
    config(file);
    start(0, 1, 0);
    LpcBoard board(lpc);
    d->host.portDevice = &board;
    std::memset(lpc, 0, 2048);
    lpc[1026] = 0x42;
    const std::uint8_t out[4] = {1, 2, 3, 4};
    std::uint8_t in[4];
    cycle(out, in);
    EXPECT_EQ(in[0], 0x42) << file;
    EXPECT_EQ(0, std::memcmp(lpc, out, 4)) << file;
    const bool portMode = std::string(file).size() > 0;
    std::vector<PortAccess> expected;
    if (portMode) expected = {{PortAccess::In, 0x1402, 0x0042}, {PortAccess::In, 0x1404, 0}};
    expected.push_back({PortAccess::Out32, 0x1000, 0x04030201});
    EXPECT_EQ(d->host.ports, expected) << file;
    EXPECT_EQ(rtt32SimCallCount(RTT32_SIM_MAP), portMode ? 0 : 1) << file;
    rtt32SimReset();
  }
}

TEST_F(Qmx, PciCycleAndAZeroBase) {
  start(0, 1, 1, reinterpret_cast<std::uintptr_t>(pci));
  pci[1026] = 0x99;
  const std::uint8_t out[4] = {5, 6, 7, 8};
  std::uint8_t in[4];
  cycle(out, in);
  EXPECT_EQ(in[0], 0x99);
  EXPECT_EQ(0, std::memcmp(pci, out, 4));
  EXPECT_TRUE(d->host.ports.empty());

  start(0, 1, 1, 0);
  in[0] = 1;
  cycle(out, in);
  EXPECT_EQ(in[0], 0);
}
#endif

} // namespace
