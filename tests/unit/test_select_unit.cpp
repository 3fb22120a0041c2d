// How the configuration-file probe talks to the host's file services.
#include <unistd.h>

#include <cstdint>
#include <cstdio>

#include "qmx_unit.h"

namespace {

class ConfigProbe : public QmxUnit {
 protected:
  char dir[32] = "/tmp/qmx-unit-XXXXXX";
  void SetUp() override {
    QmxUnit::SetUp();
    ASSERT_NE(mkdtemp(dir), nullptr);
    host.setFileRoot(dir);
  }
  void TearDown() override {
    std::remove(host.hostPathToLocal("C:\\DAV3I.CFG").c_str());
    rmdir(dir);
    QmxUnit::TearDown();
  }
  void writeFile(const std::string& text) {
    FILE* f = std::fopen(host.hostPathToLocal("C:\\DAV3I.CFG").c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
  }
};

TEST_F(ConfigProbe, ReadsTheWholeFileOncePerKey) {
  writeFile("x ISABusWidth=32\n");
  EXPECT_TRUE(configFileContains("ISABusWidth=32"));
  EXPECT_FALSE(configFileContains("LPCInputFunc=P"));
  const std::vector<std::string> once = {"size C:\\DAV3I.CFG", "open C:\\DAV3I.CFG r", "read 17", "close"};
  std::vector<std::string> twice = once;
  twice.insert(twice.end(), once.begin(), once.end());
  EXPECT_EQ(host.fileCalls, twice);
}

TEST_F(ConfigProbe, NoFileOrEmptyFileIsNeverOpened) {
  EXPECT_FALSE(configFileContains("ISABusWidth=32"));
  writeFile("");
  EXPECT_FALSE(configFileContains("ISABusWidth=32"));
  EXPECT_EQ(host.fileCalls, (std::vector<std::string>{"size C:\\DAV3I.CFG", "size C:\\DAV3I.CFG"}));
}

IODrvWord IODRV_CALL failingOpen(const char*, const char*) { return 0; }
IODrvSWord IODRV_CALL hugeSize(const char*) { return PTRDIFF_MAX; }
int g_closes = 0;
IODrvSWord IODRV_CALL countingClose(IODrvWord) { return ++g_closes; }

TEST_F(ConfigProbe, FailedOpenReadsAndClosesNothing) {
  writeFile("ISABusWidth=32");
  host.services.pfnFileOpen = failingOpen;
  EXPECT_FALSE(configFileContains("ISABusWidth=32"));
  EXPECT_EQ(host.fileCalls, (std::vector<std::string>{"size C:\\DAV3I.CFG"}));
}

TEST_F(ConfigProbe, NoMemoryForTheBufferStillCloses) {
  if (sizeof(void*) == 4) GTEST_SKIP() << "a 32-bit size cannot be made larger than the address space";
  writeFile("ISABusWidth=32");
  host.services.pfnFileGetSize = hugeSize;
  host.services.pfnFileClose = countingClose;
  g_closes = 0;
  EXPECT_FALSE(configFileContains("ISABusWidth=32"));
  EXPECT_EQ(g_closes, 1);
  EXPECT_EQ(host.fileCalls, (std::vector<std::string>{"open C:\\DAV3I.CFG r"}));
}

} // namespace
