#include "about/start_sys_info.h"

#include <string>

#include "about/get_key_value.h"
#include "platform/show_command.h"

namespace tallies {

namespace {

// Finds and starts the tool; false when it is not registered. Failures throw.
bool TryStartSysInfo(const SysInfoPlatform& platform) {
  std::string path;
  // A registered full path is used as it stands; whether the file exists is for the start to
  // find out.
  if (!GetKeyValue(platform.registry, kHKeyLocalMachine, kSysInfoPathKey, kSysInfoPathValue,
                   path)) {
    if (!GetKeyValue(platform.registry, kHKeyLocalMachine, kSysInfoFolderKey, kSysInfoFolderValue,
                     path)) {
      return false;
    }
    // An empty folder text (an empty string, or a value of another type, which leaves the path
    // empty) would make the tool's name a path at the root of the current drive, a folder any
    // user may write to: a program planted there must never be started.
    if (path.empty()) {
      return false;
    }
    if (!platform.files.Exists(path + std::string(kSysInfoProgram))) {
      return false;
    }
    path += kSysInfoProgram;
  } else if (path.empty()) {
    // An empty registered path names no program; it is not handed to the system to interpret.
    return false;
  }
  platform.starter.Start(path, kShowNormal);
  return true;
}

}  // namespace

void StartSysInfo(const SysInfoPlatform& platform) {
  try {
    if (TryStartSysInfo(platform)) {
      return;
    }
  } catch (...) {
    // Whatever went wrong, the user learns only that the tool is unavailable.
  }
  try {
    platform.messages.Show(kSysInfoUnavailable);
  } catch (...) {
    // Not even the message could be shown; the About box stays open all the same.
  }
}

}  // namespace tallies
