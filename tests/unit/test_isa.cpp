// The exact window accesses of the two ISA back-ends and of the cyclic
// entries over them.
#include "frame/driver.h"
#include "qmx_unit.h"

namespace {

// FPGA word w holds 0x0101 * (w & 0xFF) + 0x8000-ish pattern: distinct bytes.
void fillPattern(unsigned char* window) {
  for (std::size_t i = 0; i < 4096; ++i) window[i] = static_cast<unsigned char>(0xA0 + i * 7);
}

class Isa16 : public QmxUnit {
 protected:
  void SetUp() override {
    QmxUnit::SetUp();
    useIsa(false);
    fillPattern(window);
  }
};

TEST_F(Isa16, BlockReadAtAnOddByte) {
  std::uint8_t d[4];
  isa16ReadBlock(0, 3, d, 4);
  EXPECT_EQ(trace(window), (Trace{"R16 0x0002", "R16 0x0004", "R16 0x0006"}));
  EXPECT_EQ(0, std::memcmp(d, window + 3, 4));
  for (const BusAccess& a : g_busTrace) EXPECT_TRUE(a.interruptsOff);
}

TEST_F(Isa16, EveryAccessHasInterruptsOffAndRestoresThem) {
  std::uint8_t d[2];
  isa16ReadBlock(0, 0, d, 2);
  isaWriteWord(1, 0x1234);
  ASSERT_EQ(g_busTrace.size(), 2u);
  for (const BusAccess& a : g_busTrace) EXPECT_TRUE(a.interruptsOff);
  EXPECT_FALSE(g_interruptsOff);
}

TEST_F(Isa16, BlockWritesReadModifyWriteOnlyPartialEndWords) {
  struct Case {
    std::uint32_t b, n;
    Trace accesses;
  } cases[] = {
      {3, 4, {"R16 0x0002", "W16 0x0002=0x11ae", "W16 0x0004=0x3322", "R16 0x0006", "W16 0x0006=0xd144"}},
      {4, 1, {"R16 0x0004", "W16 0x0004=0xc311"}},
      {4, 2, {"W16 0x0004=0x2211"}},
      {5, 1, {"R16 0x0004", "W16 0x0004=0x11bc"}},
  };
  const std::uint8_t src[] = {0x11, 0x22, 0x33, 0x44};
  for (const Case& c : cases) {
    fillPattern(window);
    g_busTrace.clear();
    isa16WriteBlock(0, c.b, src, c.n);
    EXPECT_EQ(trace(window), c.accesses) << "write " << c.n << " at " << c.b;
    EXPECT_EQ(0, std::memcmp(window + c.b, src, c.n));
  }
}

TEST_F(Isa16, ReadsAndWritesBeyondTheWindowAreDropped) {
  std::uint8_t d[4] = {9, 9, 9, 9};
  isa16ReadBlock(0, 0xFFFE, d, 4);
  EXPECT_EQ(trace(window), (Trace{"R16 0xfffe"}));
  EXPECT_EQ(d[2], 0);
  EXPECT_EQ(d[3], 0);
  const std::uint8_t src[4] = {1, 2, 3, 4};
  isa16WriteBlock(0, 0xFFFFFFFE, src, 4);
  EXPECT_TRUE(trace(window).empty());
}

TEST_F(Isa16, FlushMergesTheImageBitsAndKeepsTheShadow) {
  setWord(window, 14, 0x0123);
  shadowWriteBit(0, 15, 0x80, 0x80); // bit address 127
  isa16FlushOutputs(0);
  EXPECT_EQ(trace(window), (Trace{"R16 0x000e", "W16 0x000e=0x8123"}));
  isa16FlushOutputs(0);
  EXPECT_EQ(trace(window), (Trace{"R16 0x000e", "W16 0x000e=0x8123"}));
  clearDeviceImage(0);
  isa16FlushOutputs(0);
  EXPECT_TRUE(trace(window).empty());
}

TEST_F(Isa16, FlushWritesWholeWordsAboveTheBitAreaWithoutReading) {
  img().outputMask[8] = 0x00FF;
  img().outputValue[8] = 0xBEEF;
  img().outputMask[511] = 0xFFFF;
  img().outputValue[511] = 0x1234;
  isa16FlushOutputs(0);
  EXPECT_EQ(trace(window), (Trace{"W16 0x0010=0xbeef", "W16 0x03fe=0x1234"}));
  isa16FlushOutputs(16);
  isa16FlushOutputs(0xFFFFFFFF);
  EXPECT_TRUE(trace(window).empty());
}

TEST_F(Isa16, InputBytesAreReadOncePerCycle) {
  setWord(window, 1024, 0xB2A1);
  EXPECT_EQ(isaReadInputByte(0, 0), 0xA1u);
  EXPECT_EQ(isaReadInputByte(0, 1), 0xB2u);
  EXPECT_EQ(trace(window), (Trace{"R16 0x0400"}));
  EXPECT_EQ(isaReadInputByte(0, 1024), 0u);
  EXPECT_EQ(isaReadInputByte(16, 0), 0u);
  EXPECT_TRUE(trace(window).empty());
}

TEST_F(Isa16, VirtualMachineRowMakesNoAccess) {
  for (bool wide : {false, true}) {
    useVm(wide);
    std::uint8_t d[8] = {1, 1, 1, 1, 1, 1, 1, 1};
    g_backend.readBlock(0, 1024, d, 8);
    g_backend.readBlock(0, 3, d, 5);
    for (std::uint8_t b : d) EXPECT_EQ(b, 0);
    g_backend.writeBlock(0, 0, d, 8);
    shadowWriteBit(0, 0, 1, 1);
    g_backend.flushOutputs(0);
    EXPECT_EQ(g_backend.readInputByte(0, 0), 0u);
    EXPECT_TRUE(trace(window).empty()) << (wide ? "32-bit" : "16-bit");
  }
}

class Isa32 : public QmxUnit {
 protected:
  void SetUp() override {
    QmxUnit::SetUp();
    useIsa(true);
    fillPattern(window);
  }
  void cache(std::uint32_t k) {
    img().inputCache[k] = 0xCAFE;
    setInputCached(img(), k);
  }
};

TEST_F(Isa32, BlockReadsThroughTheInputCache) {
  struct Case {
    const char* what;
    std::uint32_t b, n;
    std::vector<std::uint32_t> cached;
    Trace accesses;
    std::uint32_t device = 0;
  } cases[] = {
      {"aligned four, nothing cached", 1024, 4, {}, {"R32 0x0400"}},
      {"two words off the 32-bit grid", 1026, 4, {}, {"R16 0x0402", "R16 0x0404"}},
      {"odd start", 1025, 2, {}, {"R16 0x0400", "R16 0x0402"}},
      {"first word cached", 1024, 4, {0}, {"R16 0x0402"}},
      {"second word cached", 1024, 4, {1}, {"R32 0x0400"}},
      {"both cached", 1024, 4, {0, 1}, {}},
      {"seven bytes", 1024, 7, {}, {"R32 0x0400", "R16 0x0404", "R16 0x0406"}},
      {"output area, never cached", 16, 1, {}, {"R16 0x0010"}},
      {"output area, aligned four", 0, 4, {}, {"R32 0x0000"}},
      {"device without a record reads uncached", 1024, 2, {}, {"R16 0x0400"}, 16},
  };
  for (const Case& c : cases) {
    std::memset(g_deviceImage, 0, sizeof g_deviceImage);
    for (std::uint32_t k : c.cached) cache(k);
    g_busTrace.clear();
    std::uint8_t d[8];
    const std::uint32_t device = c.device;
    isa32ReadBlock(device, c.b, d, c.n);
    EXPECT_EQ(trace(window), c.accesses) << c.what;
    for (std::uint32_t i = 0; i < c.n; ++i) {
      const std::uint32_t x = c.b + i;
      const bool fromCache = x >= 1024 && img().inputValid[0] != 0 &&
                             std::find(c.cached.begin(), c.cached.end(), (x - 1024) / 2) != c.cached.end();
      const std::uint8_t want = fromCache ? static_cast<std::uint8_t>(x % 2 ? 0xCA : 0xFE) : window[x];
      EXPECT_EQ(d[i], want) << c.what << ", byte " << i;
    }
    if (device == 0 && c.b >= 1024) {
      std::uint8_t again[8];
      isa32ReadBlock(0, c.b, again, c.n);
      EXPECT_TRUE(trace(window).empty()) << c.what << ": read again in the same cycle";
      EXPECT_EQ(0, std::memcmp(d, again, c.n)) << c.what;
    }
  }
}

TEST_F(Isa32, BlockWritesOnlyFillTheShadow) {
  const std::uint8_t src[] = {0x11, 0x22, 0x33};
  shadowWriteBlock(0, 1, src, 3);
  EXPECT_TRUE(trace(window).empty());
  EXPECT_EQ(img().outputMask[0], 0xFF00);
  EXPECT_EQ(img().outputMask[1], 0xFFFF);
  EXPECT_EQ(img().outputValue[0] & 0xFF00, 0x1100);
  EXPECT_EQ(img().outputValue[1], 0x3322);
  // Beyond the output area, and for a device without a record: dropped.
  shadowWriteBlock(0, 1023, src, 3);
  EXPECT_EQ(img().outputMask[511], 0xFF00);
  shadowWriteBlock(16, 0, src, 3);
  shadowWriteBlock(0xFFFFFFFF, 0, src, 3);
}

TEST_F(Isa32, PairedFlush) {
  struct Case {
    const char* what;
    std::vector<std::pair<std::uint32_t, std::uint16_t>> masks; // word, mask (value 0x5A5A everywhere)
    std::uint16_t fpgaWord0;
    Trace accesses;
  } cases[] = {
      {"3 bytes at 1, word 0 changes", {{0, 0xFF00}, {1, 0xFFFF}}, 0x0000, {"R16 0x0000", "W32 0x0000=0x5a5a5a00"}},
      {"3 bytes at 1, word 0 already so", {{0, 0xFF00}, {1, 0xFFFF}}, 0x5A00, {"R16 0x0000", "W16 0x0002=0x5a5a"}},
      {"words 4 and 5 whole", {{4, 0xFFFF}, {5, 0xFFFF}}, 0, {"W32 0x0008=0x5a5a5a5a"}},
      {"words 5 and 6: two pairs", {{5, 0xFFFF}, {6, 0xFFFF}}, 0, {"W16 0x000a=0x5a5a", "W16 0x000c=0x5a5a"}},
      {"partial, unchanged", {{0, 0x0001}}, 0x0000, {"R16 0x0000"}},
      {"words 510 and 511", {{510, 0xFFFF}, {511, 0xFFFF}}, 0, {"W32 0x03fc=0x5a5a5a5a"}},
  };
  for (const Case& c : cases) {
    std::memset(g_deviceImage, 0, sizeof g_deviceImage);
    setWord(window, 0, c.fpgaWord0);
    for (auto [k, m] : c.masks) {
      img().outputMask[k] = m;
      img().outputValue[k] = 0x5A5A;
    }
    if (std::string(c.what) == "partial, unchanged") img().outputValue[0] = 0;
    g_busTrace.clear();
    isa32FlushOutputs(0);
    EXPECT_EQ(trace(window), c.accesses) << c.what;
    for (std::uint32_t k = 0; k < 512; ++k) ASSERT_EQ(img().outputMask[k], 0) << c.what << ", word " << k;
    isa32FlushOutputs(0);
    EXPECT_TRUE(trace(window).empty()) << c.what << ": second flush";
  }
}

// The cyclic entries over the 32-bit back-end.
TEST_F(Isa32, SingleBitsAboveByte15BothReachTheFpga) {
  const std::uint8_t all = 0xFF;
  setWord(window, 16, 0);
  IODrvFctWriteOutputs(16 * 8 + 1, 0, &all, 0);
  IODrvFctWriteOutputs(16 * 8 + 6, 0, &all, 0);
  EXPECT_EQ(trace(window), (Trace{"R16 0x0010", "R16 0x0010"}));
  IODrvFctDoneWriteOutputs(0);
  EXPECT_EQ(window[16], 0x42);
}

TEST_F(Isa32, EntriesOnTheImage) {
  const std::uint8_t one = 0x80;
  EXPECT_EQ(IODrvFctWriteOutputs(127, 0, &one, 0), 1);
  EXPECT_EQ(img().outputMask[7], 0x8000);
  EXPECT_EQ(img().outputValue[7], 0x8000);
  const std::uint8_t zero = 0;
  IODrvFctWriteOutputs(3, 0, &zero, 0); // a 0 is pending too: the flush drives it
  EXPECT_EQ(img().outputMask[0] & 0x0008, 0x0008);
  EXPECT_EQ(img().outputValue[0] & 0x0008, 0);
  EXPECT_TRUE(trace(window).empty());

  EXPECT_EQ(IODrvFctWriteOutputs(0, 4, nullptr, 0), 0);
  EXPECT_EQ(IODrvFctReadInputs(0, 4, nullptr, 0), 0);
  std::uint8_t d[4] = {7, 7, 7, 7};
  EXPECT_EQ(IODrvFctWriteOutputs(0, -1, d, 0), 1);
  EXPECT_EQ(IODrvFctReadInputs(0, -5, d, 0), 1);
  EXPECT_EQ(d[0], 7);
  EXPECT_TRUE(trace(window).empty());

  std::uint8_t hostByte = 0x55;
  setWord(window, 1024, 0x0200);
  EXPECT_EQ(IODrvFctReadInputs(9, 0, &hostByte, 0), 1);
  EXPECT_EQ(hostByte, 0x57); // bit 1 set, the other seven as they were
  EXPECT_EQ(trace(window), (Trace{"R16 0x0400"}));
  IODrvFctReadInputs(8, 0, &hostByte, 0);
  EXPECT_TRUE(trace(window).empty());
  IODrvFctStartReadInputs(0);
  IODrvFctReadInputs(8, 0, &hostByte, 0);
  EXPECT_EQ(trace(window), (Trace{"R16 0x0400"}));

  IODrvFctReadInputs(5, 3, d, 0);
  EXPECT_EQ(trace(window), (Trace{"R16 0x0404", "R16 0x0406"}));
  EXPECT_EQ(0, std::memcmp(d, window + 1029, 3));

  // Beyond the bit space of the input area: zeros, no access.
  std::memset(d, 9, sizeof d);
  IODrvFctReadInputs(0xFFFFFFFE, 4, d, 0);
  EXPECT_EQ(d[0] | d[1] | d[2] | d[3], 0);
  EXPECT_TRUE(trace(window).empty());
}

TEST_F(Isa32, DevicesWithoutARecord) {
  for (std::uint32_t device : {16u, 0xFFFFFFFFu}) {
    std::uint8_t hostByte = 0xFF;
    setWord(window, 1024, 0xFFFF);
    EXPECT_EQ(IODrvFctReadInputs(3, 0, &hostByte, device), 1);
    EXPECT_EQ(hostByte, 0xF7);
    EXPECT_EQ(IODrvFctWriteOutputs(3, 0, &hostByte, device), 1);
    EXPECT_EQ(IODrvFctStartReadInputs(device), 1);
    EXPECT_EQ(IODrvFctDoneWriteOutputs(device), 1);
    EXPECT_EQ(IODrvFctStartWriteOutputs(device), 1);
    EXPECT_EQ(IODrvFctDoneReadInputs(device), 1);
    EXPECT_TRUE(trace(window).empty());
  }
}

} // namespace
