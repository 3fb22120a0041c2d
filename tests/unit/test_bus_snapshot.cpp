// What halvex keeps of the bus description.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "profibus/halvex.h"

namespace {

TEST(BusSnapshot, EntryCountIsCutTo128) {
  std::vector<BusDescEntry> entries(300);
  std::vector<const BusDescEntry*> pointers;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    entries[i].abCarried0[0] = static_cast<std::uint8_t>(i);
    pointers.push_back(i < 128 ? &entries[i] : nullptr); // past 128 nothing may be read
  }
  BusDescEntry first{};
  first.usEntryCount = 300;
  first.ppEntries = pointers.data();
  BusDesc bus{};
  bus.pFirstEntry = &first;
  std::memset(bus.abBusParam, 0xAB, sizeof bus.abBusParam);
  BuildProcessArea(&bus);
  EXPECT_EQ(g_busSnapshot.nEntries, 128);
  EXPECT_EQ(g_busSnapshot.aEntries[127].abCarried0[0], 127);
  EXPECT_EQ(g_busSnapshot.firstEntry.usEntryCount, 300);
  EXPECT_EQ(g_busSnapshot.abBusParam[66], 0xAB);
}

} // namespace
