#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tallies {

// A program and the arguments to start it with, carried as one text where an interface holds
// a single path: the value the POSIX registry answers with, and the path handed to
// QtProgramStarter. Each argument follows the program's path after a NUL character. No path and
// no argument can hold a NUL (the system takes each as a NUL-terminated string), so the text is
// split only where it was joined: a path alone, blanks and all, is a program without arguments.
inline constexpr char kCommandArgumentSeparator = '\0';

// The text of program started with arguments, in order.
inline std::string JoinCommand(std::string_view program, std::span<const std::string> arguments) {
  std::string command(program);
  for (const std::string& argument : arguments) {
    command += kCommandArgumentSeparator;
    command += argument;
  }
  return command;
}

// The program's path followed by its arguments: the parts of command between its NUL
// characters. The result always holds the path, which is empty for an empty text.
inline std::vector<std::string> SplitCommand(std::string_view command) {
  std::vector<std::string> parts;
  for (;;) {
    const std::size_t end = command.find(kCommandArgumentSeparator);
    parts.emplace_back(command.substr(0, end));
    if (end == std::string_view::npos) {
      return parts;
    }
    command.remove_prefix(end + 1);
  }
}

}  // namespace tallies
