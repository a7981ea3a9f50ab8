#include "controls/boundary_guard.h"

#include <cstdio>
#include <exception>

namespace tallies {

std::string UnexpectedFaultText(std::string_view what) {
  return "The action stopped: " + std::string(what) +
         ".\nThe window keeps its values; you can go on working.";
}

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
    std::fprintf(stderr, "Tallies: %s\n", what.c_str());
  }
  return false;
}

}  // namespace tallies
