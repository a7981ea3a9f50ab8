#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tallies {

// The shell's "which program opens this file" query, used by the web link to learn whether a web
// browser is registered at all.
class ExecutableFinder {
 public:
  virtual ~ExecutableFinder() = default;

  // Finds the program registered to open the file fileName in the folder directory. The file must
  // exist. Returns a shell code: above 32 when found (result then holds the program's full path,
  // ended by a NUL, cut to fit), 31 when no program is registered for the file's type, 2 when the
  // file is missing, 0 when the system is out of memory; other values below 32 are other errors.
  virtual std::int32_t FindExecutable(std::string_view fileName, std::string_view directory,
                                      std::span<char> result) = 0;
};

// The longest path the shell writes into a find query's result, NUL included (MAX_PATH).
inline constexpr std::size_t kMaxPath = 260;

// Shell result codes shared by the find query and the open request.
inline constexpr std::int32_t kShellOutOfMemory = 0;   // out of memory or resources
inline constexpr std::int32_t kShellFileNotFound = 2;  // the file was not found (SE_ERR_FNF)
inline constexpr std::int32_t kShellNoAssociation =
    31;  // no program for this type (SE_ERR_NOASSOC)
inline constexpr std::int32_t kShellLowestSuccess = 32;  // 32 and above mean success
inline constexpr std::int32_t kShellSuccess = 42;  // the success code the shell itself returns

}  // namespace tallies
