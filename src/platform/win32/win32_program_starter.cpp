#include "platform/win32/win32_program_starter.h"

#include <string>

#include "platform/win32/win32_error.h"
#include "platform/win32/windows_api.h"

namespace tallies {

void Win32ProgramStarter::Start(std::string_view path, int windowStyle) {
  const std::string program(path);
  // The program is named on its own, so a path with blanks cannot be read as a shorter program
  // followed by arguments; the command line repeats it quoted, as programs expect.
  std::string commandLine = "\"" + program + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(windowStyle);
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    ThrowLastError("start " + program);
  }
  // The started program is not tracked.
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace tallies
