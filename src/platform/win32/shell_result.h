#pragma once

#include <cstdint>
#include <limits>

#include "platform/win32/windows_api.h"

namespace tallies {

// The shell answers its find and open calls with a handle-sized value that is really a code:
// above 32 for success, an error number otherwise. Values beyond the 32-bit range are held at
// its ends so that success stays success and failure stays failure.
inline std::int32_t ShellResult(HINSTANCE instance) {
  const INT_PTR value = reinterpret_cast<INT_PTR>(instance);
  if (value > std::numeric_limits<std::int32_t>::max()) {
    return std::numeric_limits<std::int32_t>::max();
  }
  if (value < std::numeric_limits<std::int32_t>::min()) {
    return std::numeric_limits<std::int32_t>::min();
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace tallies
