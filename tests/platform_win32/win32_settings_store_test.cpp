#include "platform/win32/win32_settings_store.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "registry_keys.h"

namespace tallies {
namespace {

using testing::RegistryKeys;

// A key of the tests' own under HKEY_CURRENT_USER, removed with everything below it afterwards.
const std::string kTestKey = "Software\\Tallies Test Settings";
Win32SettingsStore TestStore() { return Win32SettingsStore(L"Software\\Tallies Test Settings"); }

// UTF-16 code units, low byte first, as the registry holds a wide string.
std::vector<std::uint8_t> Utf16(const std::u16string& text) {
  std::vector<std::uint8_t> bytes;
  for (char16_t unit : text) {
    bytes.push_back(static_cast<std::uint8_t>(unit));
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  return bytes;
}

struct StoredCase {
  const char* name;
  DWORD type;
  std::vector<std::uint8_t> bytes;
  std::optional<std::string> loaded;
};

class StoredValue : public ::testing::TestWithParam<StoredCase> {};

// Written through the wide call: the narrow one would take a string's bytes for ANSI text.
TEST_P(StoredValue, LoadsAsText) {
  const StoredCase& c = GetParam();
  RegistryKeys keys;
  keys.Create(HKEY_CURRENT_USER, kTestKey);
  HKEY key = nullptr;
  ASSERT_EQ(
      RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Tallies Test Settings", 0, KEY_SET_VALUE, &key),
      ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExW(key, L"Settings", 0, c.type, c.bytes.data(),
                           static_cast<DWORD>(c.bytes.size())),
            ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_EQ(TestStore().Load(), c.loaded);
}

INSTANTIATE_TEST_SUITE_P(
    Values, StoredValue,
    ::testing::Values(StoredCase{"Text", REG_SZ, Utf16(u"units=metric\n" + std::u16string(1, 0)),
                                 "units=metric\n"},
                      StoredCase{"TextWithoutItsZero", REG_SZ, Utf16(u"units=us"), "units=us"},
                      StoredCase{"NotAscii", REG_SZ, Utf16(u"units=m\u00e9tric\U0001F4CF"),
                                 "units=m\xc3\xa9tric\xf0\x9f\x93\x8f"},
                      StoredCase{"Empty", REG_SZ, {}, ""},
                      StoredCase{"Number", REG_DWORD, {1, 0, 0, 0}, std::nullopt},
                      StoredCase{"ExpandableText", REG_EXPAND_SZ, Utf16(u"units=metric"),
                                 std::nullopt},
                      StoredCase{"HalfACodeUnit", REG_SZ, {'u', 0, 'n'}, std::nullopt},
                      StoredCase{"LoneSurrogate", REG_SZ, Utf16(u"units=\xd800"), std::nullopt},
                      StoredCase{"LargerThanAnySettings", REG_SZ,
                                 Utf16(std::u16string(40000, u'x')), std::nullopt}),
    [](const ::testing::TestParamInfo<StoredCase>& info) { return info.param.name; });

TEST(Win32SettingsStore, MissingKeyOrValueLoadsNothing) {
  RegistryKeys keys;
  keys.Create(HKEY_CURRENT_USER, kTestKey);
  EXPECT_EQ(TestStore().Load(), std::nullopt);
  EXPECT_EQ(Win32SettingsStore(L"Software\\Tallies Test Settings\\Missing").Load(), std::nullopt);
}

// Save makes the key and replaces the text whole; a text the registry would not give back as
// it was is refused, and the stored one stays.
TEST(Win32SettingsStore, SaveReplacesTheTextWhole) {
  RegistryKeys keys;
  keys.Create(HKEY_CURRENT_USER, kTestKey);
  Win32SettingsStore store(L"Software\\Tallies Test Settings\\Store");
  ASSERT_TRUE(store.Save("units=metric\nother=a longer line\n"));
  ASSERT_TRUE(store.Save("units=us\n"));
  EXPECT_EQ(store.Load(), "units=us\n");
  for (const std::string& refused :
       {std::string("units=metric\0", 13), std::string("units=\xff"), std::string(40000, 'x')}) {
    EXPECT_FALSE(store.Save(refused));
    EXPECT_EQ(store.Load(), "units=us\n");
  }
}

}  // namespace
}  // namespace tallies
