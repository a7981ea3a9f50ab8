#include "platform/win32/win32_file_system.h"

#include <string>

#include "platform/win32/win32_error.h"
#include "platform/win32/windows_api.h"

namespace tallies {

bool Win32FileSystem::Exists(std::string_view path) {
  const DWORD attributes = GetFileAttributesA(std::string(path).c_str());
  constexpr DWORD kNotNormal =
      FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kNotNormal) == 0;
}

void Win32FileSystem::CreateEmpty(std::string_view path) {
  const std::string name(path);
  const HANDLE file = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    ThrowLastError("create: " + name);
  }
  if (!CloseHandle(file)) {
    ThrowLastError("close: " + name);
  }
}

void Win32FileSystem::Remove(std::string_view path) {
  const std::string name(path);
  if (!DeleteFileA(name.c_str())) {
    ThrowLastError("delete: " + name);
  }
}

}  // namespace tallies
