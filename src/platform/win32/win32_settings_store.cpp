#include "platform/win32/win32_settings_store.h"

#include <utility>
#include <vector>

#include "platform/win32/windows_api.h"

namespace tallies {
namespace {

// A settings text is a few lines; a value much larger is not one, and is neither read nor written.
constexpr DWORD kLargestValue = 64 * 1024;

std::optional<std::string> ToUtf8(std::wstring_view text) {
  if (text.empty()) return std::string();
  const int length = static_cast<int>(text.size());
  const int size = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text.data(), length, nullptr,
                                       0, nullptr, nullptr);
  if (size <= 0) return std::nullopt;
  std::string narrow(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text.data(), length, narrow.data(), size,
                      nullptr, nullptr);
  return narrow;
}

std::optional<std::wstring> ToUtf16(std::string_view text) {
  if (text.empty()) return std::wstring();
  if (text.size() > kLargestValue) return std::nullopt;
  const int length = static_cast<int>(text.size());
  const int size =
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
  if (size <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), length, wide.data(), size);
  return wide;
}

}  // namespace

Win32SettingsStore::Win32SettingsStore(std::wstring keyPath, std::wstring valueName)
    : m_keyPath(std::move(keyPath)), m_valueName(std::move(valueName)) {}

std::optional<std::string> Win32SettingsStore::Load() const {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, m_keyPath.c_str(), 0, KEY_QUERY_VALUE, &key) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  // Read at once into room for the largest text: no size asked first that a writer could change.
  std::vector<wchar_t> buffer(kLargestValue / sizeof(wchar_t));
  DWORD type = 0;
  DWORD bytes = kLargestValue;
  const LONG status = RegQueryValueExW(key, m_valueName.c_str(), nullptr, &type,
                                       reinterpret_cast<BYTE*>(buffer.data()), &bytes);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS || type != REG_SZ || bytes % sizeof(wchar_t) != 0) {
    return std::nullopt;
  }
  // The string ends at its first zero, which a value stored without one lacks.
  std::wstring_view text(buffer.data(), bytes / sizeof(wchar_t));
  text = text.substr(0, text.find(L'\0'));
  return ToUtf8(text);
}

bool Win32SettingsStore::Save(std::string_view text) {
  const std::optional<std::wstring> wide = ToUtf16(text);
  if (!wide || wide->find(L'\0') != std::wstring::npos) return false;
  const auto bytes = static_cast<DWORD>((wide->size() + 1) * sizeof(wchar_t));
  if (bytes > kLargestValue) return false;
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, m_keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const LONG status = RegSetValueExW(key, m_valueName.c_str(), 0, REG_SZ,
                                     reinterpret_cast<const BYTE*>(wide->c_str()), bytes);
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

}  // namespace tallies
