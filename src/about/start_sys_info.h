#pragma once

#include <string_view>

#include "about/sys_info_platform.h"

namespace tallies {

// Where the system-information tool is registered, tried in this order below HKEY_LOCAL_MACHINE:
// first the tool's full path, then the folder that holds it.
inline constexpr std::string_view kSysInfoPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr std::string_view kSysInfoPathValue = "PATH";
inline constexpr std::string_view kSysInfoFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr std::string_view kSysInfoFolderValue = "MSINFO";

// The tool's file name, appended to the registered folder as it stands (a folder ending in a
// backslash gives a doubled one, which Windows accepts).
inline constexpr std::string_view kSysInfoProgram = "\\MSINFO32.EXE";

// The one message for every way the tool cannot be started.
inline constexpr std::string_view kSysInfoUnavailable =
    "System Information Is Unavailable At This Time";

// Finds the system-information tool in the registry and starts it without waiting. Every failure
// (neither location readable, a location that reads as empty text, no tool in the registered
// folder, a start that fails) ends in the one message kSysInfoUnavailable.
void StartSysInfo(const SysInfoPlatform& platform);

}  // namespace tallies
