#include "app_driver.h"

// After windows.h (through app_driver.h): commctrl.h and oleacc.h build on its types.
#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <thread>

#include "layout/control_ids.h"
#include "layout/control_layout.h"
#include "layout/window_model.h"
#include "wide_text.h"

#ifndef TALLIES_EXE_PATH
#define TALLIES_EXE_PATH ""
#endif

namespace tallies::gui {
namespace {

using Clock = std::chrono::steady_clock;

// How long one message may take to be answered; far above what any handler needs.
constexpr UINT kSendTimeoutMs = 5000;
// How long the program may take to show its main window (a cold Wine start is slow).
constexpr Milliseconds kStartTimeout{60000};
constexpr Milliseconds kPollStep{10};

// The program to drive: TALLIES_EXE from the environment, else the path built in. A Unix
// path is given to Wine through its drive Z:, which maps to the root.
std::wstring ProgramPath() {
  std::wstring path;
  if (DWORD size = GetEnvironmentVariableW(L"TALLIES_EXE", nullptr, 0); size > 0) {
    path.resize(size);
    path.resize(GetEnvironmentVariableW(L"TALLIES_EXE", path.data(), size));
  } else {
    path = Widen(TALLIES_EXE_PATH);
  }
  if (!path.empty() && path.front() == L'/') path = L"Z:" + path;
  std::replace(path.begin(), path.end(), L'/', L'\\');
  return path;
}

bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result = nullptr) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &answer)) {
    return false;
  }
  if (result) *result = static_cast<LRESULT>(answer);
  return true;
}

LRESULT SendForResult(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                      LRESULT failed = -1) {
  LRESULT result = 0;
  return Send(window, message, wParam, lParam, &result) ? result : failed;
}

bool SameClass(HWND window, const wchar_t* className) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return _wcsicmp(name, className) == 0;
}

struct TopLevelSearch {
  DWORD processId;
  const wchar_t* className;
  const wchar_t* title;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<TopLevelSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !SameClass(window, search->className)) return TRUE;
  if (search->title) {
    wchar_t title[512] = {};
    GetWindowTextW(window, title, 512);
    if (wcscmp(title, search->title) != 0) return TRUE;
  }
  search->found.push_back(window);
  return TRUE;
}

BOOL CALLBACK CollectById(HWND window, LPARAM param) {
  if (HWND parent = GetParent(window); parent && SameClass(parent, L"ComboBox")) return TRUE;
  reinterpret_cast<std::multimap<int, HWND>*>(param)->emplace(GetDlgCtrlID(window), window);
  return TRUE;
}

BOOL CALLBACK CollectButtons(HWND window, LPARAM param) {
  if (SameClass(window, L"Button") && IsWindowVisible(window)) {
    reinterpret_cast<std::vector<std::string>*>(param)->push_back(AppDriver::TextOf(window));
  }
  return TRUE;
}

// Room for a tooltip's text: more than a tooltip copies out (the common controls' own limit is
// 1024 characters).
constexpr int kTipChars = 4096;

// Where the events of the one WinEventWatch go.
std::vector<WinEventWatch::Event>& WatchedEvents() {
  static std::vector<WinEventWatch::Event> events;
  return events;
}

void CALLBACK RecordEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                          DWORD) {
  WatchedEvents().push_back({window, object, child});
}

// COM for one call into the accessibility interfaces.
class ComScope {
 public:
  ComScope() : m_result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComScope() {
    if (SUCCEEDED(m_result)) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  HRESULT m_result;
};

IAccessible* AccessibleOf(HWND control) {
  void* object = nullptr;
  if (!control || FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                                    IID_IAccessible, &object))) {
    return nullptr;
  }
  return static_cast<IAccessible*>(object);
}

VARIANT Self() {
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  return self;
}

const TabSetLayout* TabSetOf(std::string_view name) {
  for (const TabSetLayout& set : TabSets()) {
    if (set.name == name) return &set;
  }
  return nullptr;
}

}  // namespace

AppDriver::AppDriver(HANDLE process, DWORD processId, HWND main)
    : m_main(main), m_process(process), m_processId(processId) {}

std::unique_ptr<AppDriver> AppDriver::Start(std::string& error) {
  return Start(error, StartOptions{});
}

std::unique_ptr<AppDriver> AppDriver::Start(std::string& error, const StartOptions& options) {
  std::wstring path = ProgramPath();
  if (path.empty()) {
    error = "no program to start: set TALLIES_EXE";
    return nullptr;
  }
  std::wstring commandLine = L"\"" + path + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  // The program's standard error goes into a pipe the driver reads; its input and output go
  // nowhere.
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readError = nullptr, writeError = nullptr;
  if (!CreatePipe(&readError, &writeError, &inherit, 1 << 16)) {
    error = "CreatePipe failed, error " + std::to_string(GetLastError());
    return nullptr;
  }
  SetHandleInformation(readError, HANDLE_FLAG_INHERIT, 0);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdError = writeError;
  // The environment is inherited: the hooks are set in the driver's for the moment of the start.
  for (const auto& [name, value] : options.environment) {
    SetEnvironmentVariableW(name.c_str(), value.c_str());
  }
  const BOOL started = CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0,
                                      nullptr, nullptr, &startup, &info);
  const DWORD startError = GetLastError();
  for (const auto& [name, value] : options.environment) {
    SetEnvironmentVariableW(name.c_str(), nullptr);
  }
  CloseHandle(writeError);
  if (!started) {
    CloseHandle(readError);
    error = "CreateProcess failed for " + Narrow(path) + ", error " + std::to_string(startError);
    return nullptr;
  }
  CloseHandle(info.hThread);
  std::unique_ptr<AppDriver> driver(new AppDriver(info.hProcess, info.dwProcessId, nullptr));
  driver->m_standardError = readError;
  if (!options.waitForMainWindow) return driver;
  const auto deadline = Clock::now() + kStartTimeout;
  while (Clock::now() < deadline && driver->IsRunning()) {
    for (HWND window : driver->TopLevelWindows(L"frmMain")) {
      if (IsWindowVisible(window)) driver->m_main = window;
    }
    if (driver->m_main) {
      // The window is on the screen; let the program reach its message loop.
      WaitForInputIdle(info.hProcess, kSendTimeoutMs);
      return driver;
    }
    std::this_thread::sleep_for(kPollStep);
  }
  error = driver->IsRunning() ? "no visible frmMain window in time" : "the program ended at once";
  return nullptr;
}

AppDriver::~AppDriver() {
  if (IsRunning()) {
    CloseDialogs();
    if (m_main && IsWindow(m_main)) PostMessageW(m_main, WM_CLOSE, 0, 0);
    if (!WaitForExit(Milliseconds(5000))) TerminateProcess(m_process, 1);
  }
  WaitForSingleObject(m_process, 5000);
  CloseHandle(m_process);
  if (m_standardError) CloseHandle(m_standardError);
}

std::optional<DWORD> AppDriver::ExitCode() const {
  DWORD code = 0;
  if (IsRunning() || !GetExitCodeProcess(m_process, &code)) return std::nullopt;
  return code;
}

std::string AppDriver::StandardError() {
  // Only what is there: the pipe is never read while empty, so this never waits.
  DWORD available = 0;
  while (m_standardError &&
         PeekNamedPipe(m_standardError, nullptr, 0, nullptr, &available, nullptr) &&
         available > 0) {
    std::string chunk(available, '\0');
    DWORD read = 0;
    if (!ReadFile(m_standardError, chunk.data(), available, &read, nullptr) || read == 0) break;
    m_errorText.append(chunk, 0, read);
  }
  return m_errorText;
}

bool AppDriver::IsRunning() const { return WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT; }

bool AppDriver::WaitForExit(Milliseconds timeout) const {
  return WaitForSingleObject(m_process, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

std::vector<HWND> AppDriver::TopLevelWindows(const wchar_t* className, const wchar_t* title) const {
  TopLevelSearch search{m_processId, className, title, {}};
  EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND AppDriver::WaitForTopLevel(const wchar_t* className, const wchar_t* title,
                                Milliseconds timeout) const {
  const auto deadline = Clock::now() + timeout;
  do {
    for (HWND window : TopLevelWindows(className, title)) {
      if (IsWindowVisible(window)) return window;
    }
    std::this_thread::sleep_for(kPollStep);
  } while (Clock::now() < deadline);
  return nullptr;
}

bool AppDriver::WaitUntilGone(HWND window, Milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  while (IsWindow(window)) {
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kPollStep);
  }
  return true;
}

std::multimap<int, HWND> AppDriver::WindowsById(HWND top) {
  std::multimap<int, HWND> found;
  if (top) EnumChildWindows(top, CollectById, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::vector<HWND> AppDriver::WindowsWithId(HWND top, int id) {
  std::vector<HWND> found;
  const auto all = WindowsById(top);
  for (auto [at, end] = all.equal_range(id); at != end; ++at) found.push_back(at->second);
  return found;
}

HWND AppDriver::FindIn(HWND top, std::string_view name) {
  const std::vector<HWND> found = WindowsWithId(top, ControlId(name));
  return found.empty() ? nullptr : found.front();
}

HWND AppDriver::Control(std::string_view name) {
  const int id = ControlId(name);
  if (id == 0) return nullptr;
  if (auto it = m_found.find(id); it != m_found.end() && IsWindow(it->second)) return it->second;
  // Not seen yet, or gone: look again (a page may be built when it is first shown), and keep
  // every control found on the way, since one search costs as much as many.
  m_found.clear();
  for (const auto& [number, window] : WindowsById(m_main)) m_found.emplace(number, window);
  auto it = m_found.find(id);
  return it == m_found.end() ? nullptr : it->second;
}

std::string AppDriver::TextOf(HWND window) {
  if (!window) return "<no window>";
  LRESULT length = SendForResult(window, WM_GETTEXTLENGTH);
  if (length < 0) return "<no answer>";
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  LRESULT copied =
      SendForResult(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  if (copied < 0) return "<no answer>";
  text.resize(static_cast<size_t>(copied));
  return Narrow(text);
}

std::string AppDriver::ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return Narrow(name);
}

std::string AppDriver::Text(std::string_view name) { return TextOf(Control(name)); }

std::string AppDriver::WholeText(std::string_view name) {
  const ControlRow* row = FindControl(name);
  if (!row || row->kind != ControlKind::kResult) return Text(name);
  return ToolTipText(Control(name)).value_or("<no tooltip>");
}

bool AppDriver::SetText(std::string_view name, std::string_view text) {
  HWND window = Control(name);
  if (!window) return false;
  const std::wstring wide = Widen(text);
  LRESULT result = 0;
  return Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()), &result) &&
         result == TRUE;
}

bool AppDriver::IsVisible(std::string_view name) {
  HWND window = Control(name);
  return window && IsWindowVisible(window);
}

bool AppDriver::IsChecked(std::string_view name) {
  HWND window = Control(name);
  return window && SendForResult(window, BM_GETCHECK) == BST_CHECKED;
}

bool AppDriver::ClickWindow(HWND button) { return button && Send(button, BM_CLICK, 0, 0); }

bool AppDriver::Click(std::string_view name) { return ClickWindow(Control(name)); }

bool AppDriver::PostClick(std::string_view name) {
  HWND window = Control(name);
  return window && PostMessageW(window, BM_CLICK, 0, 0);
}

bool AppDriver::SelectTab(std::string_view tabSet, int index) {
  HWND tabs = Control(tabSet);
  if (!tabs) return false;
  if (SendForResult(tabs, TCM_GETCURSEL) != index) {
    if (!Send(tabs, TCM_SETCURFOCUS, static_cast<WPARAM>(index), 0)) return false;
  }
  return SendForResult(tabs, TCM_GETCURSEL) == index;
}

int AppDriver::CurrentTab(std::string_view tabSet) {
  HWND tabs = Control(tabSet);
  return tabs ? static_cast<int>(SendForResult(tabs, TCM_GETCURSEL)) : -2;
}

int AppDriver::TabCount(std::string_view tabSet) {
  HWND tabs = Control(tabSet);
  return tabs ? static_cast<int>(SendForResult(tabs, TCM_GETITEMCOUNT)) : -1;
}

std::string AppDriver::TabCaption(std::string_view tabSet, int index) {
  HWND tabs = Control(tabSet);
  if (!tabs) return "<no tab set>";
  // TCM_GETITEM carries a pointer, which the system does not copy between processes: the
  // item and its text buffer are placed in the program's own memory.
  constexpr int kChars = 256;
  const SIZE_T bytes = sizeof(TCITEMW) + kChars * sizeof(wchar_t);
  auto* remote = static_cast<char*>(
      VirtualAllocEx(m_process, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  if (!remote) return "<no memory>";
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(TCITEMW));
  item.cchTextMax = kChars;
  std::wstring text(kChars, L'\0');
  std::string caption = "<no answer>";
  if (WriteProcessMemory(m_process, remote, &item, sizeof item, nullptr) &&
      SendForResult(tabs, TCM_GETITEMW, static_cast<WPARAM>(index),
                    reinterpret_cast<LPARAM>(remote), FALSE) &&
      ReadProcessMemory(m_process, item.pszText, text.data(), kChars * sizeof(wchar_t), nullptr)) {
    text.resize(wcsnlen(text.c_str(), kChars));
    caption = Narrow(text);
  }
  VirtualFreeEx(m_process, remote, 0, MEM_RELEASE);
  return caption;
}

bool AppDriver::ShowPage(std::string_view tabSet, int index) {
  const TabSetLayout* set = TabSetOf(tabSet);
  if (!set) return false;
  if (set->parent == "frmMain") {
    const char* option = tabSet == "SSTabHyd" ? "optHyd" : "optGen";
    if (!IsChecked(option) && !Click(option)) return false;
  } else if (!ShowPage(set->parent, set->parentTab)) {
    return false;
  }
  return SelectTab(tabSet, index);
}

bool AppDriver::ChooseListEntry(std::string_view list, std::string_view entry) {
  HWND combo = Control(list);
  if (!combo) return false;
  const int count = ListCount(list);
  for (int index = 0; index < count; ++index) {
    if (ListEntry(list, index) != entry) continue;
    if (SendForResult(combo, CB_SETCURSEL, static_cast<WPARAM>(index)) != index) return false;
    return Send(GetParent(combo), WM_COMMAND,
                MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(combo)), CBN_SELCHANGE),
                reinterpret_cast<LPARAM>(combo));
  }
  return false;
}

bool AppDriver::TypeIntoList(std::string_view list, std::string_view text) {
  HWND combo = Control(list);
  HWND edit = combo ? FindWindowExW(combo, nullptr, L"Edit", nullptr) : nullptr;
  if (!edit || !Send(edit, EM_SETSEL, 0, -1)) return false;
  for (wchar_t character : Widen(text)) {
    if (!Send(edit, WM_CHAR, character, 1)) return false;
  }
  return true;
}

int AppDriver::ListSelection(std::string_view list) {
  HWND combo = Control(list);
  return combo ? static_cast<int>(SendForResult(combo, CB_GETCURSEL, 0, 0, -2)) : -2;
}

int AppDriver::ListCount(std::string_view list) {
  HWND combo = Control(list);
  return combo ? static_cast<int>(SendForResult(combo, CB_GETCOUNT)) : -1;
}

std::string AppDriver::ListEntry(std::string_view list, int index) {
  HWND combo = Control(list);
  if (!combo) return "<no list>";
  LRESULT length = SendForResult(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (length < 0) return "<no entry>";
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  LRESULT copied = SendForResult(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                 reinterpret_cast<LPARAM>(text.data()));
  if (copied < 0) return "<no entry>";
  text.resize(static_cast<size_t>(copied));
  return Narrow(text);
}

HWND AppDriver::FocusedWindow() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!m_main || !GetGUIThreadInfo(GetWindowThreadProcessId(m_main, nullptr), &info)) {
    return nullptr;
  }
  return info.hwndFocus;
}

bool AppDriver::Focus(std::string_view name) {
  HWND control = Control(name);
  if (!control || !Send(m_main, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE)) {
    return false;
  }
  // A list passes the focus on to its text part.
  const auto deadline = Clock::now() + Milliseconds(5000);
  do {
    HWND focus = FocusedWindow();
    if (focus && (focus == control || IsChild(control, focus))) return true;
    std::this_thread::sleep_for(kPollStep);
  } while (Clock::now() < deadline);
  return false;
}

bool AppDriver::PressKey(UINT virtualKey) {
  HWND focus = FocusedWindow();
  if (!focus) return false;
  const auto scanCode = static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  const LPARAM down = 1 | (scanCode << 16);
  // A release: the key was down before and is up now.
  const LPARAM up = down | (LPARAM{1} << 30) | (LPARAM{1} << 31);
  return PostMessageW(focus, WM_KEYDOWN, virtualKey, down) &&
         PostMessageW(focus, WM_KEYUP, virtualKey, up);
}

bool AppDriver::PressCopyKey() {
  HWND focus = FocusedWindow();
  if (!focus) return false;
  // TranslateMessage makes Ctrl+C the character 3 (Ctrl and the letter's place in the alphabet).
  constexpr WPARAM kCtrlC = 3;
  const auto scanCode = static_cast<LPARAM>(MapVirtualKeyW('C', MAPVK_VK_TO_VSC));
  return PostMessageW(focus, WM_CHAR, kCtrlC, 1 | (scanCode << 16));
}

bool AppDriver::PressAccessKey(wchar_t letter) {
  HWND focus = FocusedWindow();
  if (!focus) return false;
  const auto scanCode =
      static_cast<LPARAM>(MapVirtualKeyW(VkKeyScanW(letter) & 0xff, MAPVK_VK_TO_VSC));
  // Bit 29: the Alt key is down.
  return PostMessageW(focus, WM_SYSCHAR, letter, 1 | (scanCode << 16) | (LPARAM{1} << 29));
}

HWND AppDriver::WaitForFocusToLeave(HWND from, Milliseconds timeout) const {
  const auto deadline = Clock::now() + timeout;
  do {
    HWND focus = FocusedWindow();
    if (focus && focus != from) return focus;
    std::this_thread::sleep_for(kPollStep);
  } while (Clock::now() < deadline);
  return nullptr;
}

std::optional<std::string> AppDriver::ToolTipText(HWND control) {
  if (!control) return std::nullopt;
  // The tool's description and its text buffer carry pointers, which the system does not copy
  // between processes: both are placed in the program's own memory.
  const SIZE_T bytes = sizeof(TTTOOLINFOW) + kTipChars * sizeof(wchar_t);
  auto* remote = static_cast<char*>(
      VirtualAllocEx(m_process, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  if (!remote) return std::nullopt;
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = reinterpret_cast<wchar_t*>(remote + sizeof(TTTOOLINFOW));
  std::optional<std::string> text;
  for (HWND tips : TopLevelWindows(TOOLTIPS_CLASSW)) {
    // TTM_GETTOOLINFOW says whether this tooltip knows the control; TTM_GETTEXTW gives its text.
    if (!WriteProcessMemory(m_process, remote, &tool, sizeof tool, nullptr) ||
        SendForResult(tips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(remote), FALSE) != TRUE) {
      continue;
    }
    const std::wstring empty(kTipChars, L'\0');
    std::wstring buffer(kTipChars, L'\0');
    if (WriteProcessMemory(m_process, remote, &tool, sizeof tool, nullptr) &&
        WriteProcessMemory(m_process, tool.lpszText, empty.data(), kTipChars * sizeof(wchar_t),
                           nullptr) &&
        Send(tips, TTM_GETTEXTW, kTipChars, reinterpret_cast<LPARAM>(remote)) &&
        ReadProcessMemory(m_process, tool.lpszText, buffer.data(), kTipChars * sizeof(wchar_t),
                          nullptr)) {
      buffer.resize(wcsnlen(buffer.c_str(), kTipChars));
      text = Narrow(buffer);
    }
    break;
  }
  VirtualFreeEx(m_process, remote, 0, MEM_RELEASE);
  return text;
}

bool AppDriver::EmptyClipboard() {
  // The clipboard is one at a time: another program may hold it for a moment.
  for (int attempt = 0; attempt < 100; ++attempt) {
    if (OpenClipboard(nullptr)) {
      const bool emptied = ::EmptyClipboard();
      CloseClipboard();
      return emptied;
    }
    std::this_thread::sleep_for(kPollStep);
  }
  return false;
}

std::optional<std::string> AppDriver::WaitForClipboardText(Milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  do {
    if (IsClipboardFormatAvailable(CF_UNICODETEXT) && OpenClipboard(nullptr)) {
      std::optional<std::string> text;
      if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
          text = Narrow(chars);
          GlobalUnlock(data);
        }
      }
      CloseClipboard();
      if (text) return text;
    }
    std::this_thread::sleep_for(kPollStep);
  } while (Clock::now() < deadline);
  return std::nullopt;
}

HWND AppDriver::WaitForMessageBox(Milliseconds timeout) const {
  return WaitForTopLevel(L"#32770", L"Tallies", timeout);
}

std::string AppDriver::MessageBoxText(HWND box) {
  std::string text = TextOf(GetDlgItem(box, 0xFFFF));
  // A message box may keep its line breaks as CR LF; the report's own break is LF.
  for (size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
  return text;
}

std::vector<std::string> AppDriver::VisibleButtonTexts(HWND box) {
  std::vector<std::string> texts;
  EnumChildWindows(box, CollectButtons, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

bool AppDriver::CloseMessageBox(HWND box) {
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
  // The box's modal loop notices its end only at its next message: wake it at once.
  PostMessageW(box, WM_NULL, 0, 0);
  return WaitUntilGone(box, Milliseconds(5000));
}

int AppDriver::CloseDialogs() {
  int closed = 0;
  for (HWND box : TopLevelWindows(L"#32770")) {
    CloseMessageBox(box);
    ++closed;
  }
  for (HWND about : TopLevelWindows(L"frmAbout")) {
    PostMessageW(about, WM_CLOSE, 0, 0);
    WaitUntilGone(about, Milliseconds(5000));
    ++closed;
  }
  return closed;
}

WinEventWatch::WinEventWatch(DWORD event, DWORD processId) {
  WatchedEvents().clear();
  m_hook = SetWinEventHook(event, event, nullptr, RecordEvent, processId, 0, WINEVENT_OUTOFCONTEXT);
}

WinEventWatch::~WinEventWatch() {
  if (m_hook) UnhookWinEvent(m_hook);
  WatchedEvents().clear();
}

const std::vector<WinEventWatch::Event>& WinEventWatch::Events() const { return WatchedEvents(); }

void WinEventWatch::PumpOnce() {
  MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(kPollStep.count()), QS_ALLINPUT);
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

std::optional<std::string> AccessibleDescription(HWND control) {
  ComScope com;
  IAccessible* object = AccessibleOf(control);
  if (!object) return std::nullopt;
  std::optional<std::string> text;
  BSTR description = nullptr;
  if (object->get_accDescription(Self(), &description) == S_OK && description) {
    text = Narrow(std::wstring_view(description, SysStringLen(description)));
  }
  SysFreeString(description);
  object->Release();
  return text;
}

std::optional<long> AccessibleRole(HWND control) {
  ComScope com;
  IAccessible* object = AccessibleOf(control);
  if (!object) return std::nullopt;
  std::optional<long> role;
  VARIANT value{};
  if (object->get_accRole(Self(), &value) == S_OK && value.vt == VT_I4) role = value.lVal;
  VariantClear(&value);
  object->Release();
  return role;
}

}  // namespace tallies::gui
