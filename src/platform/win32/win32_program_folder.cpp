#include "platform/win32/win32_program_folder.h"

#include <string>
#include <vector>

#include "platform/win32/windows_api.h"

namespace tallies {

namespace {

// A folder without its trailing backslash, unless it is the root of a drive.
std::string WithoutTrailingSeparator(std::string folder) {
  if (folder.size() > 1 && folder.back() == '\\' && folder[folder.size() - 2] != ':') {
    folder.pop_back();
  }
  return folder;
}

}  // namespace

std::string Win32ProgramFolder::Path() {
  std::vector<char> buffer(MAX_PATH);
  DWORD length = 0;
  while (true) {
    length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) {
      return {};
    }
    if (length < buffer.size()) {
      break;
    }
    buffer.resize(buffer.size() * 2);
  }
  std::string folder(buffer.data(), length);
  const std::size_t separator = folder.find_last_of('\\');
  if (separator == std::string::npos) {
    return {};
  }
  folder.resize(separator + 1);
  return WithoutTrailingSeparator(folder);
}

char Win32ProgramFolder::Separator() { return '\\'; }

bool Win32ProgramFolder::IsWritable(const std::string& folder) {
  if (folder.empty()) {
    return false;
  }
  std::string probe = folder;
  if (probe.back() != '\\') {
    probe += '\\';
  }
  probe += "tallies-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(GetTickCount64()) + ".probe";
  // The probe is made new and vanishes when closed.
  const HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return false;
  }
  CloseHandle(file);
  return true;
}

std::optional<std::string> Win32ProgramFolder::FallbackFolder() {
  std::vector<char> buffer(MAX_PATH + 1);
  const DWORD length = GetTempPathA(static_cast<DWORD>(buffer.size()), buffer.data());
  if (length == 0 || length >= buffer.size()) {
    return std::nullopt;
  }
  return WithoutTrailingSeparator(std::string(buffer.data(), length));
}

}  // namespace tallies
