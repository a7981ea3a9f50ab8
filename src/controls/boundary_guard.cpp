#include "controls/boundary_guard.h"

#include <cstdio>
#include <exception>

#include "controls/fault_texts.h"

namespace tallies {

bool Guarded(const std::function<void()>& body,
             const std::function<void(const std::string&)>& report) noexcept {
  std::string what;
  try {
    body();
    return true;
  } catch (const std::exception& error) {
    what = error.what();
  } catch (...) {
    what = "an unknown error";
  }
  try {
    report(UnexpectedFaultText(what));
  } catch (...) {
    // The report itself failed (no memory, no window): standard error is all that is left.
    std::fprintf(stderr, "%s\n", AsLogLine(what).c_str());
  }
  return false;
}

}  // namespace tallies
