// halvex through the built library: the store, the process area byte by
// byte, and the process data exchange by address.
#include "driver_fixture.h"
#include "sim/profibus_net.h"

namespace {

class Halvex : public ::testing::Test {
 protected:
  LoadedDriver d{HALVEX_PATH};
  std::vector<std::unique_ptr<NetSlave>> slaves;
  BusDescEntry first{};
  BusDesc bus{};
  unsigned char* area = nullptr;

  void SetUp() override {
    ASSERT_EQ(d.init(), 1);
    area = reinterpret_cast<unsigned char*>(d.table.ulIOOffset);
    ASSERT_NE(area, nullptr);
    bus.pFirstEntry = &first;
  }
  NetSlave& addSlave(std::uint32_t inStart, std::uint32_t inBits, std::uint32_t outStart, std::uint32_t outBits) {
    auto s = std::make_unique<NetSlave>();
    s->inStart = inStart;
    s->inBits = inBits;
    s->outStart = outStart;
    s->outBits = outBits;
    s->buildBlocks();
    slaves.push_back(std::move(s));
    return *slaves.back();
  }
  void configure() {
    d.table.IODrvFctStartConfigureIONet(0);
    for (std::size_t i = 0; i < slaves.size(); ++i)
      d.table.IODrvFctConfigureModule(static_cast<std::int32_t>(i), &slaves[i]->record, 0);
    d.table.IODrvFctConfigureDevice(&bus, 0);
  }
  unsigned char* record(int i) { return area + 8 + 1302 * i; }
  unsigned char* inputs(int i) { return record(i) + 278; }
  unsigned char* outputs(int i) { return record(i) + 534; }
  std::int32_t write(std::uint32_t a, std::int32_t n, const void* p) {
    return d.table.IODrvFctWriteOutputs(a, n, static_cast<const std::uint8_t*>(p), 0);
  }
  std::int32_t read(std::uint32_t a, std::int32_t n, void* p) {
    return d.table.IODrvFctReadInputs(a, n, static_cast<std::uint8_t*>(p), 0);
  }
};

TEST_F(Halvex, RecordAndHeaderByteByByte) {
  NetSlave& s = addSlave(0, 12, 8, 2048);
  s.station = 0x21;
  s.ident = 0x1234;
  s.status = 0xA8;
  s.wdFact1 = 0x0A;
  s.wdFact2 = 0x14;
  s.minTsdr = 0x0B;
  s.userPrm = {0xE1, 0xE2};
  s.cfg = {0xC1, 0xC2, 0xC3};
  s.buildBlocks();
  for (int i = 0; i < 67; ++i) bus.abBusParam[i] = static_cast<std::uint8_t>(0x40 + i);
  bus.abBusParam[3] = 0x0B;
  configure();

  const unsigned char header[8] = {0x42, 0x0B, 0, 0, 0, 0x4B, 0x44, 0x46};
  EXPECT_EQ(0, std::memcmp(area, header, 8));
  const unsigned char head[22] = {0xFF, 0x42, 0x21, 0,    0x0A, 0x14, 0x0B, 0x34, 0x12, 1, 1,
                                  1,    0,    1,    0,    0,    0,    2,    0,    3,    0, 0xA8};
  for (int i = 0; i < 22; ++i) EXPECT_EQ(record(0)[i], head[i]) << "record byte " << i;
  EXPECT_EQ(record(0)[790], 0xE1);
  EXPECT_EQ(record(0)[791], 0xE2);
  EXPECT_EQ(record(0)[792], 0);
  EXPECT_EQ(0, std::memcmp(record(0) + 1046, "\xC1\xC2\xC3\0", 4));
  for (int i = 1302; i < 166664 - 8; ++i) ASSERT_EQ(record(0)[i], 0) << "past record 0 at " << i;
}

TEST_F(Halvex, StationStatusBitsAndLengthsOutsideTheirRanges) {
  NetSlave& s = addSlave(0, 8, 0, 8);
  s.status = 0x50;
  s.buildBlocks();
  // Lengths claiming more than the blocks hold, and less than their headers.
  NetSlave& t = addSlave(0, 8, 0, 8);
  t.buildBlocks();
  t.prmData[0] = 0xFF;
  t.prmData[1] = 0x7F;
  t.cfgData[0] = 0x2C;
  t.cfgData[1] = 0x01; // 300
  std::fill(t.prmData.begin() + 9, t.prmData.end(), 0x77);
  std::fill(t.cfgData.begin() + 2, t.cfgData.end(), 0x66);
  NetSlave& u = addSlave(0, 8, 0, 8);
  u.prmData[0] = 5;
  u.cfgData[0] = 1;
  configure();
  EXPECT_EQ(record(0)[9] | record(0)[10] | record(0)[11], 0);
  EXPECT_EQ(record(1)[17] | record(1)[18] << 8, 242);
  EXPECT_EQ(record(1)[19] | record(1)[20] << 8, 255);
  EXPECT_EQ(record(1)[790 + 241], 0x77);
  EXPECT_EQ(record(1)[790 + 242], 0);
  EXPECT_EQ(record(1)[1046 + 254], 0x66);
  EXPECT_EQ(record(1)[1046 + 255], 0);
  EXPECT_EQ(record(2)[17] | record(2)[18] | record(2)[19] | record(2)[20], 0);
}

TEST_F(Halvex, FullStoreAndEmptyStore) {
  for (int i = 0; i < 130; ++i) addSlave(static_cast<std::uint32_t>(16 * i), 16, 0, 8).station = i;
  for (auto& s : slaves) s->buildBlocks();
  d.table.IODrvFctStartConfigureIONet(0);
  for (std::size_t i = 0; i < slaves.size(); ++i)
    EXPECT_EQ(d.table.IODrvFctConfigureModule(static_cast<std::int32_t>(i), &slaves[i]->record, 0), 1);
  d.table.IODrvFctConfigureDevice(&bus, 0);
  EXPECT_EQ(record(127)[0], 0xFF);
  EXPECT_EQ(record(127)[2], 127);
  EXPECT_EQ(record(127) + 1302, area + 166664);
  // Modules 129 and 130 left no trace: their input ranges find nothing.
  inputs(127)[0] = 0x5A;
  std::uint8_t b[2] = {1, 1};
  read(2 * 127, 2, b);
  EXPECT_EQ(b[0], 0x5A);
  read(2 * 128, 2, b);
  EXPECT_EQ(b[0], 0x5A) << "module 129 was stored";

  // A reset hides the old modules, and configuring an empty store clears all.
  d.table.IODrvFctStartConfigureIONet(0);
  b[0] = 3;
  read(0, 1, b);
  EXPECT_EQ(b[0], 3);
  d.table.IODrvFctConfigureDevice(&bus, 0);
  for (int i = 8; i < 166664; ++i) ASSERT_EQ(area[i], 0) << i;
}

TEST_F(Halvex, ConfigurationLogAndArrivalOrder) {
  addSlave(0, 8, 0, 8).station = 5;
  addSlave(0, 8, 0, 8).station = 2;
  for (auto& s : slaves) s->buildBlocks();
  d.takeLog();
  d.table.IODrvFctStartConfigureIONet(7);
  d.table.IODrvFctConfigureIONet(1, nullptr, 9);
  d.table.IODrvFctConfigureModule(5, &slaves[0]->record, 3);
  d.table.IODrvFctConfigureModule(2, &slaves[1]->record, 3);
  d.table.IODrvFctDoneConfigureIONet(7);
  d.table.IODrvFctConfigureDevice(nullptr, 4);
  char expect[600];
  std::snprintf(expect, sizeof expect,
                "Halvex: IODrvFctStartConfigureIONet(ulDeviceNr=7)\n"
                "Halvex: IODrvFctConfigureIONet(ulDeviceNr=1, pccm=%p, ulParam=9)\n"
                "Halvex: IODrvFctConfigureModule(iModule=5, pModConfData=%p, ulDeviceNr=3)\n"
                "Halvex: IODrvFctConfigureModule(iModule=2, pModConfData=%p, ulDeviceNr=3)\n"
                "Halvex: IODrvFctDoneConfigureIONet(ulDeviceNr=7)\n"
                "Halvex: IODrvFctConfigureDevice(pBusDesc=%p, ulDeviceNr=4)\n",
                static_cast<void*>(nullptr), static_cast<void*>(&slaves[0]->record),
                static_cast<void*>(&slaves[1]->record), static_cast<void*>(nullptr));
  EXPECT_EQ(d.takeLog(), expect);
  EXPECT_EQ(record(0)[2], 5);
  EXPECT_EQ(record(1)[2], 2);
  EXPECT_EQ(area[0], 0) << "no bus description: a zero header";

  // A null record resets the store like StartConfigureIONet.
  EXPECT_EQ(d.table.IODrvFctConfigureModule(0, nullptr, 0), 1);
  d.table.IODrvFctConfigureDevice(&bus, 0);
  EXPECT_EQ(record(0)[0], 0);
}

TEST_F(Halvex, ProcessDataByAddress) {
  addSlave(0, 0, 16, 16);    // module 0: outputs are host bytes 2 and 3
  addSlave(4, 16, 32, 16);   // module 1: inputs from bit 4; outputs bytes 4 and 5
  addSlave(4, 16, 32, 8);    // module 2 overlaps module 1
  configure();
  const std::uint8_t two[2] = {0xA1, 0xB2};
  struct Case {
    std::uint32_t address;
    std::int32_t size;
    int module;           // -1: nothing copied
    int offset;
  } cases[] = {{2, 2, 0, 0}, {3, 2, -1, 0}, {1, 1, -1, 0}, {3, 1, 0, 1}, {3, 2, -1, 0}, {4, 2, 1, 0}, {5, 1, 1, 1}};
  for (const Case& c : cases) {
    std::memset(outputs(0), 0, 4);
    std::memset(outputs(1), 0, 4);
    std::memset(outputs(2), 0, 4);
    EXPECT_EQ(write(c.address, c.size, two), 1);
    for (int m = 0; m < 3; ++m) {
      for (int i = 0; i < 4; ++i) {
        const bool hit = m == c.module && i >= c.offset && i < c.offset + c.size;
        EXPECT_EQ(outputs(m)[i], hit ? two[i - c.offset] : 0) << "write " << c.size << " at " << c.address;
      }
    }
  }
  // Single bits: the bit from the absolute address, the byte from the module's start.
  const std::uint8_t set = 0xFF, clear = 0;
  std::memset(outputs(0), 0x0F, 2);
  write(19, 0, &set);
  write(31, 0, &set);
  write(17, 0, &clear);
  write(32, 0, &set); // module 1's byte 0: its range starts at 32
  EXPECT_EQ(outputs(0)[0], 0x0D | 0x08);
  EXPECT_EQ(outputs(0)[1], 0x8F);
  EXPECT_EQ(outputs(1)[0], 0x01);

  inputs(1)[0] = 0x02;
  inputs(1)[1] = 0x10;
  std::uint8_t hostByte = 0xF0;
  read(9, 0, &hostByte);
  EXPECT_EQ(hostByte, 0xF2); // bit 1 of abInputs byte 0
  read(12, 0, &hostByte);
  EXPECT_EQ(hostByte, 0xF2 | 0x10);
  read(20, 0, &hostByte); // beyond the range: untouched
  EXPECT_EQ(hostByte, 0xF2 | 0x10);
}

TEST_F(Halvex, RequestsThatMustNotMatch) {
  addSlave(0xFFFFFFF0u, 0x20, 0xFFFFFFF0u, 0x20); // runs past the 32-bit bit space
  addSlave(0, 4096, 0, 4096);                      // longer than its 256-byte sub-area
  configure();
  std::uint8_t buf[300];
  std::memset(buf, 0x77, sizeof buf);
  EXPECT_EQ(write(0x1FFFFFFE, 2, buf), 1); // bits up to 2^32 + 15
  EXPECT_EQ(write(255, 2, buf), 1);        // crosses the end of module 1's sub-area
  EXPECT_EQ(write(300, 1, buf), 1);
  EXPECT_EQ(write(0, 300, buf), 1);
  for (int i = 0; i < 256; ++i) ASSERT_EQ(outputs(1)[i], 0) << i;
  EXPECT_EQ(write(254, 2, buf), 1);
  EXPECT_EQ(outputs(1)[255], 0x77);

  EXPECT_EQ(write(0, -1, buf), 1);
  EXPECT_EQ(write(0, -2, buf), 1);
  EXPECT_EQ(read(0, -7, buf), 1);
  EXPECT_EQ(buf[0], 0x77);
  for (std::int32_t size : {-2, -1, 0, 1}) {
    EXPECT_EQ(write(0, size, nullptr), 0);
    EXPECT_EQ(read(0, size, nullptr), 0);
  }
  EXPECT_EQ(d.table.IODrvFctStartReadInputs(0) + d.table.IODrvFctDoneReadInputs(0) +
                d.table.IODrvFctStartWriteOutputs(0) + d.table.IODrvFctDoneWriteOutputs(0),
            4);
}

TEST_F(Halvex, ReconfigurationClearsOutputsAndTheRangeStaysPut) {
  addSlave(0, 16, 0, 16);
  configure();
  const std::uint8_t v[2] = {1, 2};
  write(0, 2, v);
  EXPECT_EQ(outputs(0)[1], 2);
  configure();
  EXPECT_EQ(outputs(0)[1], 0);
  IODrvWord offset = 0, size = 0;
  d.table.IODrvFctGetIORange(&offset, &size);
  EXPECT_EQ(offset, reinterpret_cast<IODrvWord>(area));
  EXPECT_EQ(size, 166664u);
}

TEST_F(Halvex, NullPointersInsideTheRecords) {
  NetSlave& s = addSlave(0, 16, 0, 16);
  s.record.pPrmData = nullptr;
  s.record.pBlock492 = nullptr;
  first.ppEntries = nullptr;
  first.usEntryCount = 5;
  configure();
  EXPECT_EQ(record(0)[0], 0xFF);
  EXPECT_EQ(record(0)[17], 0);
  bus.pFirstEntry = nullptr;
  d.table.IODrvFctConfigureDevice(&bus, 0);
  EXPECT_EQ(record(0)[0], 0xFF);
}

} // namespace
