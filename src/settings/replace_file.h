#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

namespace tallies {

// The steps of replacing a file, each a seam a test can make fail (as a full disk or a crash
// between two steps would).
struct ReplaceSteps {
  // Writes the whole text into a new file and makes it durable (flushed, and synced to the disk
  // where the system offers it); false on any failure.
  std::function<bool(const std::filesystem::path&, std::string_view)> writeDurably;
  // Puts the first file in place of the second in one step; false on failure.
  std::function<bool(const std::filesystem::path&, const std::filesystem::path&)> rename;
  // Adds the text at the end of an existing file and makes it durable; false on any failure
  // (the file may then end in part of the text).
  std::function<bool(const std::filesystem::path&, std::string_view)> appendDurably;
};
// The steps as the system does them.
ReplaceSteps SystemReplaceSteps();

// Replaces `target` with a file holding exactly `text`: writes a temporary file in the same
// folder (so the rename never crosses file systems), makes it durable, then renames it over the
// target. A failure or crash at any step leaves the old file whole (or no file, if there was
// none); the temporary file is removed when a step fails. The folder is created when missing.
bool ReplaceFile(const std::filesystem::path& target, std::string_view text,
                 const ReplaceSteps& steps = SystemReplaceSteps());

}  // namespace tallies
