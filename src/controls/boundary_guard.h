#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tallies {

// The text reported when something unexpected stops an action: "The action stopped: what."
// and a line saying the window goes on working.
std::string UnexpectedFaultText(std::string_view what);

// Runs `body` where C++ meets a caller that cannot take an exception: a toolkit's event loop,
// a window procedure, a WebAssembly export. Whatever it throws is reported once through
// `report` (the program's message box, or standard error where no window can show one) with
// UnexpectedFaultText, and goes no further. True when `body` ran to its end.
bool Guarded(const std::function<void()>& body,
             const std::function<void(const std::string&)>& report) noexcept;

}  // namespace tallies
