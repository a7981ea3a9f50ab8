#pragma once

#include <functional>
#include <string>

namespace tallies {

// Runs `body` where C++ meets a caller that cannot take an exception: a toolkit's event loop,
// a window procedure, a WebAssembly export. Whatever it throws is reported once through
// `report` (the program's message box, or standard error where no window can show one) with
// UnexpectedFaultText (controls/fault_texts.h), and goes no further. True when `body` ran to its
// end.
bool Guarded(const std::function<void()>& body,
             const std::function<void(const std::string&)>& report) noexcept;

}  // namespace tallies
