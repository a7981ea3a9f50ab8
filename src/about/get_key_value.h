#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace tallies {

// The size of the buffer a registry value is read into; longer values fail to read.
inline constexpr std::size_t kKeyValueBufferSize = 1024;

// Reads the value subKeyRef of the key keyName below the root key keyRoot as text into keyVal.
// A string value gives its bytes, one character per byte, without the terminating zero; a 32-bit
// number gives its decimal digits (values of 2^31 and more stay positive); a value of any other
// type counts as read and leaves keyVal as it came in. Returns false, with keyVal emptied, when
// the key cannot be opened or the value cannot be read (missing, or over 1024 bytes).
// A value holding no bytes at all is a failure the reader does not handle: it throws
// std::length_error into the caller's error trap. The key is closed on every way out.
bool GetKeyValue(Registry& registry, std::uint32_t keyRoot, std::string_view keyName,
                 std::string_view subKeyRef, std::string& keyVal);

}  // namespace tallies
