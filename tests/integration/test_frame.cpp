// Start-up, table layout, identity entries and host-service defaults of both
// drivers, through the built libraries.
#include <set>

#include "driver_fixture.h"

namespace {

class FrameTest : public ::testing::TestWithParam<DriverInfo> {
 protected:
  LoadedDriver d{GetParam().path};
  void SetUp() override { ASSERT_TRUE(d.lib().loaded()) << d.lib().error(); }
  std::string pfx(const std::string& s) const { return GetParam().prefix + s; }
};

INSTANTIATE_TEST_SUITE_P(BothDrivers, FrameTest, ::testing::Values(kQmxdrv, kHalvex),
                         [](const auto& p) { return std::string(p.param.moduleName); });

constexpr std::size_t kEntryOffsets[] = {4,  8,  12, 16, 20, 24, 28, 32,  36,  40,  44,  48,
                                         52, 56, 60, 64, 72, 76, 80, 136, 140, 144, 176};
constexpr std::size_t kNullOffsets[] = {68, 84, 88, 92};
constexpr std::size_t kDriverWritten[] = {0, 212, 224, 244, 264};

TEST_P(FrameTest, InitFillsTheTableAndLeavesTheHostWordsAlone) {
  // Every word the driver must not touch carries a pattern the host put there.
  std::set<std::size_t> driverWords(std::begin(kEntryOffsets), std::end(kEntryOffsets));
  driverWords.insert(std::begin(kNullOffsets), std::end(kNullOffsets));
  driverWords.insert(std::begin(kDriverWritten), std::end(kDriverWritten));
  for (std::size_t n = 0; n < 572; n += 4)
    tableWord(d.table, n) = driverWords.count(n) != 0 || n == 544 ? 0 : IODrvWord{0x5A5A0000} + n;

  EXPECT_EQ(d.init(), 1);

  EXPECT_EQ(tableWord(d.table, 0), 2402u);
  for (std::size_t n : kEntryOffsets) EXPECT_NE(tableWord(d.table, n), 0u) << "entry at " << n;
  for (std::size_t n : kNullOffsets) EXPECT_EQ(tableWord(d.table, n), 0u) << "word " << n;
  EXPECT_EQ(tableWord(d.table, 4), reinterpret_cast<IODrvWord>(d.lib().symbol("_IODrvInit")));
  EXPECT_EQ(static_cast<IODrvSWord>(tableWord(d.table, 212)), 1);
  EXPECT_EQ(static_cast<IODrvSWord>(tableWord(d.table, 224)), GetParam().deviceFlags);
  EXPECT_EQ(tableWord(d.table, 544), 0u);
  for (std::size_t n = 0; n < 572; n += 4)
    if (driverWords.count(n) == 0 && n != 544) {
      EXPECT_EQ(tableWord(d.table, n), IODrvWord{0x5A5A0000} + n) << "host word " << n;
    }
}

TEST_P(FrameTest, ReportedRangeIsTheDriversOwn) {
  ASSERT_EQ(d.init(), 1);
  IODrvWord offset = 1, size = 1;
  EXPECT_EQ(d.table.IODrvFctGetIORange(&offset, &size), 1);
  EXPECT_EQ(tableWord(d.table, 244), offset);
  EXPECT_EQ(tableWord(d.table, 264), size);
  if (GetParam().deviceFlags == 0) {
    EXPECT_EQ(offset, 0u);
    EXPECT_EQ(size, 65536u);
  } else {
    EXPECT_NE(offset, 0u);
    EXPECT_EQ(size, 166664u);
  }
}

// The host's own four-pointer range query, placed at 544 before IODrvInit.
IODrvWord* g_rangeExArgs[4];
int g_rangeExCalls = 0;
std::int32_t IODRV_CALL hostRangeEx(IODrvWord* a, IODrvWord* b, IODrvWord* c, IODrvWord* e) {
  ++g_rangeExCalls;
  g_rangeExArgs[0] = a;
  g_rangeExArgs[1] = b;
  g_rangeExArgs[2] = c;
  g_rangeExArgs[3] = e;
  return 1;
}

TEST_P(FrameTest, RangeQueryAt544ReplacesTheDriversOwn) {
  g_rangeExCalls = 0;
  d.table.IODrvFctGetIORangeEx = hostRangeEx;
  ASSERT_EQ(d.init(), 1);
  ASSERT_EQ(g_rangeExCalls, 1);
  const std::size_t offsets[] = {244, 264, 548, 568};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(g_rangeExArgs[i], &tableWord(d.table, offsets[i]));
  EXPECT_EQ(d.host.log.find("GetIORange"), std::string::npos) << d.host.log;
  EXPECT_EQ(tableWord(d.table, 264), 0u);
}

TEST_P(FrameTest, DescriptionIsCutToTheBuffer) {
  ASSERT_EQ(d.init(), 1);
  const std::string text = GetParam().description;
  const auto t = static_cast<std::uint32_t>(text.size());
  EXPECT_EQ(d.table.IODrvFctGetDescription(nullptr, 5), static_cast<std::int32_t>(t + 1));
  struct Case {
    std::uint32_t length;
    std::string stored;
  } cases[] = {{0, ""}, {1, ""}, {2, text.substr(0, 1)}, {10, text.substr(0, 9)}, {t, text.substr(0, t - 1)},
               {t + 1, text}, {t + 2, text}, {200, text}};
  for (const Case& c : cases) {
    char buf[256];
    std::memset(buf, '#', sizeof buf);
    const std::int32_t rc = d.table.IODrvFctGetDescription(buf, c.length);
    if (c.length == 0) {
      EXPECT_EQ(rc, static_cast<std::int32_t>(t + 1));
      EXPECT_EQ(buf[0], '#') << "a zero-length buffer was written";
      continue;
    }
    EXPECT_EQ(std::string(buf), c.stored) << "length " << c.length;
    EXPECT_EQ(rc, static_cast<std::int32_t>(c.stored.size() + 1)) << "length " << c.length;
    for (std::uint32_t i = c.length; i < sizeof buf; ++i) ASSERT_EQ(buf[i], '#') << "length " << c.length << " wrote at " << i;
  }
}

TEST_P(FrameTest, IdentityEntries) {
  ASSERT_EQ(d.init(), 1);
  d.takeLog();
  const DriverInfo& info = GetParam();

  const char* version = nullptr;
  EXPECT_EQ(d.table.IODrvFctGetVersion(&version), info.versionNumber);
  EXPECT_STREQ(version, info.versionText);
  char expected[160];
  std::snprintf(expected, sizeof expected, "%s->IODrvFctGetVersion(ppszVersion=0x%p)\n%s<-IODrvFctGetVersion()=%ld\n",
                info.prefix, static_cast<void*>(&version), info.prefix, static_cast<long>(info.versionNumber));
  EXPECT_EQ(d.takeLog(), expected);
  EXPECT_EQ(d.table.IODrvFctGetVersion(nullptr), info.versionNumber);
  d.takeLog();

  char name[16];
  const auto nameSize = static_cast<std::int32_t>(std::strlen(info.moduleName) + 1);
  EXPECT_EQ(d.table.IODrvFctGetModuleName(name), nameSize);
  EXPECT_STREQ(name, info.moduleName);
  EXPECT_EQ(d.takeLog(), pfx("IODrvFctGetModuleName(pszModuleName=") + info.moduleName + ")\n");
  EXPECT_EQ(d.table.IODrvFctGetModuleName(nullptr), nameSize);
  EXPECT_EQ(d.takeLog(), pfx("IODrvFctGetModuleName(pszModuleName=(null))\n"));

  std::uint32_t revision = 1, build = 1;
  EXPECT_TRUE(d.table.IODrvFctGetRevision(&revision, &build));
  EXPECT_EQ(revision, 26500u);
  EXPECT_EQ(build, 0u);
  EXPECT_TRUE(d.table.IODrvFctGetRevision(nullptr, nullptr));

  IODrvSWord count = 0;
  EXPECT_EQ(d.table.IODrvFctGetId(&count), 10278);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(d.table.IODrvFctGetId(nullptr), 10278);

  const auto* ext = static_cast<const unsigned char*>(d.table.IODrvFctGetExtRefTable());
  ASSERT_NE(ext, nullptr);
  EXPECT_EQ(d.table.IODrvFctGetExtRefTable(), ext);
  for (int i = 0; i < 36; ++i) EXPECT_EQ(ext[i], 0) << i;

  EXPECT_EQ(d.table.IODrvFctLibReserved(), 1);
  EXPECT_EQ(d.table.IODrvFctLibGetState(), 1);
  EXPECT_EQ(d.table.IODrvFctGetDeviceFlags(7), info.deviceFlags);
  EXPECT_EQ(d.table.IODrvFctExit(), 1);

  const bool halvex = info.deviceFlags == 3;
  const std::string expectedLog =
      halvex ? pfx("IODrvFctGetId()\n") + pfx("IODrvFctGetId()\n") + pfx("IODrvFctGetExtRefTable()\n") +
                   pfx("IODrvFctGetExtRefTable()\n") + pfx("IODrvFctLibGetState()\n") +
                   pfx("IODrvFctGetDeviceFlags(ulDeviceNr=7)\n") + pfx("IODrvFctExit()\n")
             : pfx("IODrvFctExit()\n");
  EXPECT_EQ(d.takeLog(), expectedLog);
}

TEST_P(FrameTest, HostWithEveryServiceSlotEmpty) {
  d.host.clearServices();
  EXPECT_EQ(d.init(), 1);
  EXPECT_EQ(tableWord(d.table, 0), 2402u);
  EXPECT_EQ(static_cast<IODrvSWord>(tableWord(d.table, 212)), 1);
  EXPECT_NE(tableWord(d.table, 264), 0u);
  EXPECT_EQ(d.table.IODrvFctExit(), 1);
  EXPECT_TRUE(d.host.log.empty());
  EXPECT_TRUE(d.host.fileCalls.empty());

  // A slot the host fills afterwards is used from the next call on.
  d.host.services.pfnPrint = SimHost::svcPrint;
  EXPECT_EQ(d.table.IODrvFctExit(), 1);
  EXPECT_EQ(d.takeLog(), pfx("IODrvFctExit()\n"));
}

TEST_P(FrameTest, FctInitBeforeIODrvInitIsHarmless) {
  typedef std::int32_t(IODRV_CALL * PFN)(void);
  const auto fctInit = reinterpret_cast<PFN>(d.lib().symbol("_IODrvFctInit"));
  ASSERT_NE(fctInit, nullptr);
  EXPECT_EQ(fctInit(), 1);
  EXPECT_TRUE(d.host.log.empty());
}

TEST_P(FrameTest, RepeatedFctInitRewritesItsNineWords) {
  ASSERT_EQ(d.init(), 1);
  const std::size_t nine[] = {16, 24, 56, 60, 64, 72, 76, 80, 176};
  IODrvWord before[9];
  for (int i = 0; i < 9; ++i) {
    before[i] = tableWord(d.table, nine[i]);
    tableWord(d.table, nine[i]) = 0;
  }
  tableWord(d.table, 12) = 0; // not one of the nine: stays as the host left it
  d.takeLog();
  EXPECT_EQ(d.lib().fctInit(), 1);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(tableWord(d.table, nine[i]), before[i]) << "word " << nine[i];
  EXPECT_EQ(tableWord(d.table, 12), 0u);
  EXPECT_EQ(d.host.log.rfind(pfx("IODrvFctInit\n"), 0), 0u) << d.host.log;
}

// A host whose GetId reports more devices than the table has flag words for.
int g_flagCalls = 0;
std::int32_t IODRV_CALL manyDevices(IODrvSWord* p) {
  *p = 100;
  return 10278;
}
std::int32_t IODRV_CALL countingFlags(std::uint32_t) { return ++g_flagCalls; }
IODrvFunctionTable* g_tableToRewire = nullptr;
void IODRV_CALL rewiringPrint(const char*, va_list) {
  // Called during IODrvFctInit, after the fill: the host swaps in its entries.
  if (g_tableToRewire == nullptr) return;
  g_tableToRewire->IODrvFctGetId = manyDevices;
  g_tableToRewire->IODrvFctGetDeviceFlags = countingFlags;
  g_tableToRewire->IODrvFctGetIORange = nullptr;
  g_tableToRewire = nullptr;
}

TEST_P(FrameTest, DeviceFlagLoopStaysInsideItsFiveWords) {
  g_flagCalls = 0;
  g_tableToRewire = &d.table;
  d.host.services.pfnPrint = rewiringPrint;
  tableWord(d.table, 244) = 0xABCD;
  ASSERT_EQ(d.init(), 1);
  EXPECT_EQ(g_flagCalls, 5);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(tableWord(d.table, 224 + 4 * i), static_cast<IODrvWord>(i + 1));
  EXPECT_EQ(tableWord(d.table, 244), 0xABCDu);
}

TEST(FrameLog, HalvexStartUpLogsInOrder) {
  LoadedDriver d(HALVEX_PATH);
  ASSERT_EQ(d.init(), 1);
  char range[200];
  std::snprintf(range, sizeof range, "Halvex: IODrvFctGetIORange(pulOffset=%p, pulSize=%p) Offset=%d, Size=%d\n",
                static_cast<void*>(&d.table.ulIOOffset), static_cast<void*>(&d.table.ulIOSize),
                static_cast<int>(d.table.ulIOOffset), 166664);
  EXPECT_EQ(d.host.log, std::string("Halvex: IODrvFctInit\n"
                                    "Halvex: IODrvFctGetId()\n"
                                    "Halvex: IODrvFctGetDeviceFlags(ulDeviceNr=0)\n") +
                            range);
}

TEST(FrameLog, ExportsAndMarkers) {
  for (const DriverInfo* info : {&kQmxdrv, &kHalvex}) {
    DriverLib lib(info->path);
    ASSERT_TRUE(lib.loaded()) << lib.error();
    for (const char* name : {"_IODrvInit", "_IODrvFctInit", info->marker}) EXPECT_NE(lib.symbol(name), nullptr) << name;
    EXPECT_EQ(lib.symbol("IODrvInit"), nullptr);
    EXPECT_EQ(lib.symbol("IODrvFctGetId"), nullptr);
  }
}

} // namespace
