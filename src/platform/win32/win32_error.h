#pragma once

#include <string>
#include <system_error>

namespace tallies {

// The Windows error numbers (GetLastError) with the system's own description of each, as the
// error report shows them.
const std::error_category& Win32ErrorCategory();

// Throws std::system_error for the calling thread's last Windows error.
[[noreturn]] void ThrowLastError(const std::string& what);

}  // namespace tallies
