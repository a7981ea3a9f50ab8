// Starts Tallies the way a user does from the Start menu, by opening its shortcut through the
// shell, and checks what came up: a visible main window ("frmMain") owned by a process whose
// program is the installed one. Then closes the window as the user would and waits for the
// program to end. Used by the installer check, which runs it under Wine.
//
//   shortcut_start_check.exe <shortcut .lnk> <installed tallies.exe>
//
// Exit code 0 when all of that held; otherwise 1, with the reason on standard error.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// A cold start under Wine takes a few seconds; far more means the program is not coming.
constexpr std::chrono::seconds kStartTimeout{30};
constexpr DWORD kExitTimeoutMs = 10000;

struct MainWindowSearch {
  HWND window = nullptr;
  DWORD processId = 0;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM param) {
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  if (wcscmp(className, L"frmMain") != 0 || !IsWindowVisible(window)) return TRUE;
  auto* search = reinterpret_cast<MainWindowSearch*>(param);
  search->window = window;
  GetWindowThreadProcessId(window, &search->processId);
  return FALSE;
}

std::wstring ProgramOf(HANDLE process) {
  wchar_t path[MAX_PATH * 2] = {};
  DWORD size = MAX_PATH * 2;
  if (!QueryFullProcessImageNameW(process, 0, path, &size)) return L"";
  return std::wstring(path, size);
}

int Fail(const char* what, const std::wstring& detail = L"") {
  std::fprintf(stderr, "shortcut_start_check: %s%s%ls\n", what, detail.empty() ? "" : ": ",
               detail.c_str());
  return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return Fail("usage: shortcut_start_check <shortcut> <installed program>");
  const std::wstring shortcut = argv[1];
  const std::wstring expected = argv[2];

  MainWindowSearch before;
  EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&before));
  if (before.window) return Fail("a Tallies window is open already");

  // The shell resolves the link as Explorer does; a shortcut that points nowhere fails here.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = L"open";
  info.lpFile = shortcut.c_str();
  info.nShow = SW_SHOWNORMAL;
  if (!ShellExecuteExW(&info)) {
    return Fail("the shell could not open the shortcut", shortcut);
  }
  if (info.hProcess) CloseHandle(info.hProcess);

  // The window is looked for by its class, whoever started the process (the shell may start it
  // through a helper of its own); its process must be the installed program.
  MainWindowSearch found;
  const auto deadline = Clock::now() + kStartTimeout;
  while (!found.window && Clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&found));
  }
  if (!found.window) return Fail("no visible frmMain window within 30 s");

  HANDLE process =
      OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, found.processId);
  if (!process) return Fail("cannot open the window's process");
  const std::wstring program = ProgramOf(process);
  wchar_t title[256] = {};
  GetWindowTextW(found.window, title, 256);
  std::printf("window \"%ls\" of %ls\n", title, program.c_str());

  int result = 0;
  if (CompareStringOrdinal(program.c_str(), -1, expected.c_str(), -1, TRUE) != CSTR_EQUAL) {
    result = Fail("the window belongs to another program", program);
  }

  // Closed as its title bar's close button would, the program must end by itself.
  PostMessageW(found.window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process, kExitTimeoutMs) != WAIT_OBJECT_0) {
    TerminateProcess(process, 1);
    result = Fail("the program did not end after its window was closed");
  }
  CloseHandle(process);
  return result;
}
