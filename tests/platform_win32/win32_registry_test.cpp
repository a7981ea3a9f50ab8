#include "platform/win32/win32_registry.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "about/get_key_value.h"
#include "about/start_sys_info.h"
#include "registry_keys.h"

namespace tallies {
namespace {

using testing::RegistryKeys;

const std::string kPathKey(kSysInfoPathKey);
const std::string kFolderKey(kSysInfoFolderKey);

// Values written with the system's own calls and read back through the program's registry and
// GetKeyValue, in both locations of the system-information tool.
struct ValueCase {
  const char* name;
  DWORD type;
  std::vector<std::uint8_t> bytes;
  bool read;
  std::string text;
};

class Win32RegistryValueTest : public ::testing::TestWithParam<ValueCase> {
 protected:
  Win32Registry m_registry;
  RegistryKeys m_keys;
};

TEST_P(Win32RegistryValueTest, ReadsBackInBothLocations) {
  const ValueCase& c = GetParam();
  for (const auto& [key, value] : {std::pair{kPathKey, std::string(kSysInfoPathValue)},
                                   std::pair{kFolderKey, std::string(kSysInfoFolderValue)}}) {
    SCOPED_TRACE(key);
    RegistryKeys keys;
    keys.Put(HKEY_LOCAL_MACHINE, key, value.c_str(), c.type, c.bytes);
    std::string text = "as it came in";
    EXPECT_EQ(GetKeyValue(m_registry, kHKeyLocalMachine, key, value, text), c.read);
    EXPECT_EQ(text, c.text);
  }
}

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

INSTANTIATE_TEST_SUITE_P(
    Values, Win32RegistryValueTest,
    ::testing::Values(
        ValueCase{"String", REG_SZ, Bytes(std::string("C:\\Tools\\info.exe") + '\0'), true,
                  "C:\\Tools\\info.exe"},
        ValueCase{"StringWithoutItsZero", REG_SZ, Bytes("C:\\Tools"), true, "C:\\Tools"},
        ValueCase{"StringWithBlanks", REG_SZ,
                  Bytes(std::string("C:\\Program Files\\Common Files\\MSInfo") + '\0'), true,
                  "C:\\Program Files\\Common Files\\MSInfo"},
        ValueCase{"NumberTwoHundredFiftySix", REG_DWORD, {0x00, 0x01, 0x00, 0x00}, true, "256"},
        ValueCase{
            "NumberWithTheTopBitSet", REG_DWORD, {0xFF, 0xFF, 0xFF, 0xFF}, true, "4294967295"},
        ValueCase{"NumberZero", REG_DWORD, {0, 0, 0, 0}, true, "0"},
        ValueCase{"OtherTypeLeavesTheText", REG_BINARY, {1, 2, 3}, true, "as it came in"},
        ValueCase{"LongerThanTheBuffer", REG_SZ, std::vector<std::uint8_t>(1025, 'x'), false, ""},
        // 1023 characters and the zero fill the 1024-byte buffer exactly. (A string stored
        // without its zero in all 1024 bytes does not read under Wine: the narrow query wants
        // room for a zero it adds.)
        ValueCase{"FillsTheBuffer", REG_SZ, Bytes(std::string(1023, 'y') + '\0'), true,
                  std::string(1023, 'y')}),
    [](const ::testing::TestParamInfo<ValueCase>& info) { return info.param.name; });

TEST(Win32Registry, EmptyValueReachesTheCallersTrap) {
  RegistryKeys keys;
  keys.Put(HKEY_LOCAL_MACHINE, kFolderKey, "MSINFO", REG_SZ, {});
  Win32Registry registry;
  std::string text;
  EXPECT_THROW(GetKeyValue(registry, kHKeyLocalMachine, kFolderKey, "MSINFO", text),
               std::length_error);
}

TEST(Win32Registry, MissingKeyAndMissingValueFail) {
  RegistryKeys keys;
  keys.Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tallies Test Key");
  Win32Registry registry;
  std::string text = "kept?";
  EXPECT_FALSE(GetKeyValue(registry, kHKeyLocalMachine, "SOFTWARE\\Tallies Test Key\\Missing",
                           "PATH", text));
  EXPECT_EQ(text, "");
  text = "kept?";
  EXPECT_FALSE(
      GetKeyValue(registry, kHKeyLocalMachine, "SOFTWARE\\Tallies Test Key", "PATH", text));
  EXPECT_EQ(text, "");
}

TEST(Win32Registry, OpensForReadingOnlyAndClosesTheKey) {
  RegistryKeys keys;
  keys.PutString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tallies Test Key", "PATH", "x");
  Win32Registry registry;
  RegistryKey key = 0;
  ASSERT_EQ(registry.OpenKey(kHKeyLocalMachine, "SOFTWARE\\Tallies Test Key", 0, kKeyRead, key),
            kRegistrySuccess);
  ASSERT_NE(key, 0u);
  // The key opened for reading refuses a write.
  EXPECT_EQ(RegSetValueExA(reinterpret_cast<HKEY>(key), "Other", 0, REG_SZ,
                           reinterpret_cast<const BYTE*>("y"), 2),
            ERROR_ACCESS_DENIED);
  EXPECT_EQ(registry.CloseKey(key), kRegistrySuccess);
  // Closing no key fails quietly.
  EXPECT_NE(registry.CloseKey(0), kRegistrySuccess);
}

TEST(Win32Registry, ShortBufferReportsMoreDataAndTheSizeNeeded) {
  RegistryKeys keys;
  keys.PutString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Tallies Test Key", "PATH", "0123456789");
  Win32Registry registry;
  RegistryKey key = 0;
  ASSERT_EQ(registry.OpenKey(kHKeyLocalMachine, "SOFTWARE\\Tallies Test Key", 0, kKeyRead, key),
            kRegistrySuccess);
  std::vector<std::uint8_t> data(4);
  std::uint32_t type = 0;
  std::uint32_t count = 4;
  EXPECT_EQ(registry.QueryValue(key, "PATH", type, data, count), kRegistryMoreData);
  EXPECT_EQ(count, 11u);
  registry.CloseKey(key);
}

}  // namespace
}  // namespace tallies
