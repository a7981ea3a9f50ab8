#include "about/get_key_value.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "fake_registry.h"

namespace tallies {
namespace {

using testing::FakeRegistry;

constexpr const char* kKey = "SOFTWARE\\Vendor\\Tool";
constexpr const char* kValue = "Where";

// Reads kValue of kKey, starting from the given KeyVal.
bool Read(FakeRegistry& registry, std::string& keyVal) {
  return GetKeyValue(registry, kHKeyLocalMachine, kKey, kValue, keyVal);
}

struct ByteCase {
  const char* name;
  std::uint32_t type;
  std::vector<std::uint8_t> bytes;
  std::string expected;
};

class GetKeyValueBytes : public ::testing::TestWithParam<ByteCase> {};

TEST_P(GetKeyValueBytes, GivesTheValueAsText) {
  const ByteCase& c = GetParam();
  FakeRegistry registry;
  registry.Put(kKey, kValue, c.type, c.bytes);
  std::string keyVal = "before";
  EXPECT_TRUE(Read(registry, keyVal));
  EXPECT_EQ(keyVal, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, GetKeyValueBytes,
    ::testing::Values(
        ByteCase{"StringWithTerminator", 1, {'C', ':', '\\', 'T', 0}, "C:\\T"},
        ByteCase{"StringWithoutTerminator", 1, {'C', ':', '\\', 'T'}, "C:\\T"},
        // Only one trailing zero is removed; the one before it stays part of the text.
        ByteCase{"StringWithTwoZeros", 1, {'a', 'b', 0, 0}, std::string("ab\0", 3)},
        ByteCase{"StringOfOneZero", 1, {0}, ""},
        // 256 is stored as 00 01 00 00: its bytes below 16 keep their leading hex zero.
        ByteCase{"Number256", 4, {0x00, 0x01, 0x00, 0x00}, "256"},
        ByteCase{"NumberSmallBytes", 4, {0x0F, 0x01, 0x0A, 0x00}, "655631"},
        ByteCase{"NumberHighByte", 4, {0x00, 0x00, 0x00, 0x01}, "16777216"},
        ByteCase{"NumberZero", 4, {0, 0, 0, 0}, "0"}, ByteCase{"NumberOne", 4, {1, 0, 0, 0}, "1"},
        ByteCase{"NumberAllBitsSet", 4, {0xFF, 0xFF, 0xFF, 0xFF}, "4294967295"},
        ByteCase{"NumberTwoToThe31", 4, {0x00, 0x00, 0x00, 0x80}, "2147483648"}),
    [](const ::testing::TestParamInfo<ByteCase>& info) { return std::string(info.param.name); });

TEST(GetKeyValue, OtherTypeCountsAsReadAndLeavesKeyValAlone) {
  for (const std::uint32_t type : {0u, 2u, 3u, 7u, 11u}) {
    FakeRegistry registry;
    registry.Put(kKey, kValue, type, {'x', 'y', 0});
    std::string keyVal = "as it came";
    EXPECT_TRUE(Read(registry, keyVal)) << "type " << type;
    EXPECT_EQ(keyVal, "as it came") << "type " << type;
  }
}

TEST(GetKeyValue, MissingKeyFailsAndEmptiesKeyVal) {
  FakeRegistry registry;
  std::string keyVal = "old";
  EXPECT_FALSE(Read(registry, keyVal));
  EXPECT_EQ(keyVal, "");
  // The never-opened handle 0 is closed all the same.
  EXPECT_EQ(registry.closes(), std::vector<RegistryKey>{0});
}

TEST(GetKeyValue, MissingValueFailsAndClosesTheKey) {
  FakeRegistry registry;
  registry.PutString(kKey, "Other", "text");
  std::string keyVal = "old";
  EXPECT_FALSE(Read(registry, keyVal));
  EXPECT_EQ(keyVal, "");
  EXPECT_EQ(registry.closes(), registry.openedHandles());
}

TEST(GetKeyValue, DataOf1024BytesIsRead) {
  FakeRegistry registry;
  registry.Put(kKey, kValue, kRegistryString, std::vector<std::uint8_t>(1024, 'a'));
  std::string keyVal;
  EXPECT_TRUE(Read(registry, keyVal));
  EXPECT_EQ(keyVal, std::string(1024, 'a'));
  EXPECT_EQ(registry.queriedBufferSizes(), std::vector<std::size_t>{1024});
}

TEST(GetKeyValue, DataOver1024BytesFails) {
  FakeRegistry registry;
  registry.Put(kKey, kValue, kRegistryString, std::vector<std::uint8_t>(1025, 'a'));
  std::string keyVal = "old";
  EXPECT_FALSE(Read(registry, keyVal));
  EXPECT_EQ(keyVal, "");
  EXPECT_EQ(registry.closes(), registry.openedHandles());
}

TEST(GetKeyValue, EmptyValueThrowsToTheCallerAndClosesTheKey) {
  for (const std::uint32_t type : {kRegistryString, kRegistryNumber, 3u}) {
    FakeRegistry registry;
    registry.Put(kKey, kValue, type, {});
    std::string keyVal = "old";
    EXPECT_THROW(Read(registry, keyVal), std::length_error) << "type " << type;
    EXPECT_EQ(registry.closes(), registry.openedHandles()) << "type " << type;
  }
}

TEST(GetKeyValue, OpensForReadingOnly) {
  FakeRegistry registry;
  registry.PutString(kKey, kValue, "x");
  std::string keyVal;
  ASSERT_TRUE(Read(registry, keyVal));
  ASSERT_EQ(registry.opens().size(), 1u);
  const FakeRegistry::OpenCall& open = registry.opens().front();
  EXPECT_EQ(open.root, 0x80000002u);
  EXPECT_EQ(open.keyName, kKey);
  EXPECT_EQ(open.options, 0u);
  // KEY_READ: no right to set values, create subkeys or create links.
  EXPECT_EQ(open.access, 0x20019u);
  EXPECT_EQ(open.access & 0x0026u, 0u);
}

TEST(GetKeyValue, ClosesTheKeyItOpenedAfterReading) {
  FakeRegistry registry;
  registry.PutString(kKey, kValue, "x");
  std::string keyVal;
  ASSERT_TRUE(Read(registry, keyVal));
  EXPECT_EQ(registry.closes(), registry.openedHandles());
  EXPECT_EQ(registry.closes().size(), 1u);
}

TEST(GetKeyValue, OverlongNumberFailsToTheCaller) {
  FakeRegistry registry;
  registry.Put(kKey, kValue, kRegistryNumber, std::vector<std::uint8_t>(9, 1));
  std::string keyVal;
  EXPECT_THROW(Read(registry, keyVal), std::overflow_error);
  EXPECT_EQ(registry.closes(), registry.openedHandles());
}

}  // namespace
}  // namespace tallies
