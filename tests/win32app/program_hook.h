#pragma once

#include <windows.h>

#include <algorithm>
#include <string>

#include "wide_text.h"

#ifndef TALLIES_COLOUR_HOOK_PATH
#define TALLIES_COLOUR_HOOK_PATH ""
#endif

namespace tallies::gui {

// One of the message hooks of the test library (colour_hook.cpp), set on the program's window
// thread for as long as this object lives: what it does there is done by the program itself.
class ProgramHook {
 public:
  ProgramHook(HWND window, const char* procedure) {
    std::wstring path = Widen(TALLIES_COLOUR_HOOK_PATH);
    if (!path.empty() && path.front() == L'/') path = L"Z:" + path;
    std::replace(path.begin(), path.end(), L'/', L'\\');
    m_library = LoadLibraryW(path.c_str());
    if (!m_library) return;
    // Through a pointer to no particular function: GetProcAddress knows no signatures.
    auto* proc = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void (*)()>(GetProcAddress(m_library, procedure)));
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (proc) m_hook = SetWindowsHookExW(WH_GETMESSAGE, proc, m_library, thread);
  }
  ~ProgramHook() {
    if (m_hook) UnhookWindowsHookEx(m_hook);
    if (m_library) FreeLibrary(m_library);
  }
  ProgramHook(const ProgramHook&) = delete;
  ProgramHook& operator=(const ProgramHook&) = delete;

  bool Ready() const { return m_hook != nullptr; }

 private:
  HMODULE m_library = nullptr;
  HHOOK m_hook = nullptr;
};

}  // namespace tallies::gui
