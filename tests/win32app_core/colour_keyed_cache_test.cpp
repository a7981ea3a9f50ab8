#include "win32app/core/colour_keyed_cache.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace tallies {
namespace {

// Handles are numbers from 1 up; what was made and freed is recorded.
struct Record {
  int next = 1;
  std::vector<std::uint32_t> made;
  std::vector<int> freed;
  bool refuse = false;
};

ColourKeyedCache<int, 3> CacheOver(Record& record) {
  return ColourKeyedCache<int, 3>(
      [&record](std::uint32_t colour) {
        if (record.refuse) return 0;
        record.made.push_back(colour);
        return record.next++;
      },
      [&record](int handle) { record.freed.push_back(handle); });
}

TEST(ColourKeyedCache, KeepsABrushWhileItsColourStays) {
  Record record;
  {
    auto cache = CacheOver(record);
    const int first = cache.For(0, 0xE0E0E0);
    EXPECT_EQ(cache.For(0, 0xE0E0E0), first);
    EXPECT_EQ(record.made, std::vector<std::uint32_t>{0xE0E0E0});
    EXPECT_TRUE(record.freed.empty());
  }
  // Whatever is cached goes with the cache.
  EXPECT_EQ(record.freed, std::vector<int>{1});
}

TEST(ColourKeyedCache, MakesANewBrushAndFreesTheStaleOneWhenTheColourChanges) {
  Record record;
  auto cache = CacheOver(record);
  const int light = cache.For(1, 0xF0F0F0);
  const int dark = cache.For(1, 0x202020);
  EXPECT_NE(dark, light);
  EXPECT_EQ(record.freed, std::vector<int>{light});
  // Slots are independent: another slot's colour leaves this one alone.
  const int other = cache.For(2, 0x202020);
  EXPECT_NE(other, dark);
  EXPECT_EQ(cache.For(1, 0x202020), dark);
  EXPECT_EQ(record.freed, std::vector<int>{light});
}

TEST(ColourKeyedCache, KeepsTheOldBrushWhenNoNewOneCanBeMade) {
  Record record;
  auto cache = CacheOver(record);
  const int old = cache.For(0, 0x112233);
  record.refuse = true;
  EXPECT_EQ(cache.For(0, 0x445566), old);
  EXPECT_TRUE(record.freed.empty());
  record.refuse = false;
  EXPECT_NE(cache.For(0, 0x445566), old);
  EXPECT_EQ(record.freed, std::vector<int>{old});
}

}  // namespace
}  // namespace tallies
