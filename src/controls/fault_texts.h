#pragma once

#include <string>
#include <string_view>

namespace tallies {

// What a front-end tells the user when something other than an arithmetic fault stops it
// (those have their own report, FaultReportText). Both are written to standard error as one
// line each and shown in the program's message box where a window can show one.

// An exception that reached a window procedure, a toolkit's slot or a WebAssembly export: the
// action stopped, the window stays.
// `description` is the failure's own text, as DescribeCurrentFailure gives it.
std::string UnexpectedFaultText(std::string_view description);

// Windows refused to make one of the program's windows: the program cannot go on. `windowClass`
// names the kind of window, `reason` is the system's description of its error.
std::string CreationFailureText(std::string_view windowClass, std::string_view reason);

// The text as one line for standard error: line breaks become blanks, "Tallies: " in front.
std::string AsLogLine(std::string_view text);

}  // namespace tallies
