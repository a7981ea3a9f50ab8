// A stand-in for the web browser and the system-information tool: writes the command line it
// was started with to the file named by TALLIES_STAND_IN_LOG, so a test can tell that it was
// started, and with what.
#include <windows.h>

#include <array>
#include <fstream>

int main() {
  std::array<char, 1024> logPath{};
  const DWORD length =
      GetEnvironmentVariableA("TALLIES_STAND_IN_LOG", logPath.data(), logPath.size());
  if (length == 0 || length >= logPath.size()) {
    return 2;
  }
  // Written under another name first and then renamed, so a waiting test never reads half a
  // line.
  const std::string partial = std::string(logPath.data()) + ".part";
  {
    std::ofstream out(partial, std::ios::binary);
    out << GetCommandLineA();
  }
  return MoveFileExA(partial.c_str(), logPath.data(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
