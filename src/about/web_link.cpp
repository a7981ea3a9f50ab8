#include "about/web_link.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

#include "config/app_config.h"
#include "platform/failure_info.h"
#include "platform/show_command.h"

namespace tallies {

namespace {

// The folder for the short-lived file. An installed program's own folder is read-only, so the
// file goes to the user's private folder for such files when the program folder does not take
// it. A folder shared by all users is never used: anyone could put a file of this fixed name
// there first. When there is no private folder either, the program folder is tried and its
// failure ends in the error report.
std::string TempFolder(ProgramFolder& folder) {
  std::string path = folder.Path();
  if (!folder.IsWritable(path)) {
    if (std::optional<std::string> fallback = folder.FallbackFolder()) {
      path = std::move(*fallback);
    }
  }
  // With no folder at all the file name alone would land in the root of the
  // current drive, a folder every user shares: report it instead.
  if (path.empty()) {
    throw std::system_error(std::make_error_code(std::errc::no_such_file_or_directory),
                            "the program's folder is unknown");
  }
  return path;
}

void ReportFailure(const WebLinkPlatform& platform, const std::string& tempPath,
                   const FailureInfo& failure) {
  if (!tempPath.empty()) {
    try {
      if (platform.files.Exists(tempPath)) {
        platform.files.Remove(tempPath);
      }
    } catch (...) {
      // The report below is shown all the same; a second message would tell the user nothing
      // more.
    }
  }
  try {
    std::string text(kErrorReportHeading);
    text += "\r\n";
    text += kErrorNumberPrefix;
    text += std::to_string(failure.number);
    text += "\r\n";
    text += kErrorDescriptionPrefix;
    text += failure.description;
    platform.messages.Show(text);
  } catch (...) {
    // A report that cannot be shown leaves nothing else to tell the user with. The click ends
    // quietly: the program must not end on its own error report.
  }
}

}  // namespace

void Label3_Click(const WebLinkPlatform& platform) {
  std::string tempPath;
  try {
    const std::string folder = TempFolder(platform.folder);
    // Joined as it stands: a root folder already ends in its separator and gives a doubled one,
    // which the file system accepts.
    tempPath = folder + platform.folder.Separator() + std::string(kTempLinkFileName);
    platform.files.CreateEmpty(tempPath);

    // The shell may write a full path of up to MAX_PATH characters into the result; a shorter
    // buffer could be overrun. Only the result code is judged.
    std::array<char, kMaxPath> foundProgram{};
    const std::int32_t found =
        platform.finder.FindExecutable(kTempLinkFileName, folder, foundProgram);
    platform.files.Remove(tempPath);

    if (found == kShellOutOfMemory) {
      platform.messages.Show(kOutOfMemoryMessage);
      return;
    }
    if (found >= 1 && found < kShellNoAssociation) {
      platform.messages.Show(std::string(kErrorNumberPrefix) + std::to_string(found));
      return;
    }
    if (found == kShellNoAssociation) {
      platform.messages.Show(kNoBrowserMessage);
      return;
    }
    if (found < 0) {
      return;
    }

    platform.pump.ProcessPendingEvents();
    const std::int32_t opened =
        platform.opener.Open(kOpenOperation, kVendorSiteUrl, "", "", kShowNormal);
    if (opened < kShellLowestSuccess) {
      platform.messages.Show(kLaunchFailedMessage);
    }
  } catch (...) {
    ReportFailure(platform, tempPath, DescribeCurrentFailure());
  }
}

}  // namespace tallies
