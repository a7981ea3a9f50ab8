#pragma once

#include <new>
#include <string>
#include <system_error>

namespace tallies {

// The number and description text of a failure caught by an error trap, as the error report
// shows them.
struct FailureInfo {
  long number = 0;
  std::string description;
};

// The number given to a failure that carries no number of its own.
inline constexpr long kUnnumberedFailure = -1;

// Describes the failure being handled; call only inside a catch block. Platform failures arrive
// as std::system_error with the system's own number and text (errno and strerror on POSIX,
// GetLastError and its message on Windows).
inline FailureInfo DescribeCurrentFailure() {
  try {
    throw;
  } catch (const std::system_error& e) {
    return {e.code().value(), e.code().message()};
  } catch (const std::bad_alloc&) {
    const std::error_code code = std::make_error_code(std::errc::not_enough_memory);
    return {code.value(), code.message()};
  } catch (const std::exception& e) {
    return {kUnnumberedFailure, e.what()};
  } catch (...) {
    return {kUnnumberedFailure, "Unknown failure"};
  }
}

}  // namespace tallies
