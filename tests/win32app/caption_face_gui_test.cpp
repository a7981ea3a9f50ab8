// Every caption, option button and tab of tallies.exe is whole in its rectangle, in US and in
// metric units: where the system's font is too wide for a caption at the designed size, the
// caption is drawn in a smaller face. The face is chosen here for a twin of each control (same
// class, style, size and text); the program must have chosen one of the same height, as a hook
// inside it tells (colour_hook.cpp), which also measures the tabs' captions.

#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "gui_test.h"
#include "program_hook.h"
#include "wide_text.h"
#include "layout/about_layout.h"
#include "layout/window_model.h"
#include "win32app/app_look.h"
#include "win32app/system_dpi.h"

namespace tallies::gui {
namespace {

using CaptionFaces = GuiTest;

constexpr Milliseconds kFacesTimeout{10000};

// The pixel height of each control's face, as told by the hook inside the program.
bool AskForFaces(HWND window, Milliseconds timeout) {
  static const UINT kTellFaces = RegisterWindowMessageW(L"TalliesTestTellFaces");
  static INT_PTR asked = 0;
  ++asked;
  if (!PostMessageW(window, kTellFaces, static_cast<WPARAM>(asked), 0)) return false;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (reinterpret_cast<INT_PTR>(GetPropW(window, L"TalliesTestFacesTold")) != asked) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    Sleep(20);
  }
  return true;
}

LONG FaceHeight(HFONT font) {
  LOGFONTW face{};
  GetObjectW(font, sizeof face, &face);
  return face.lfHeight < 0 ? -face.lfHeight : face.lfHeight;
}

TEST_F(CaptionFaces, EveryCaptionIsWholeInTheFaceTheProgramChose) {
  const AppLook look(SystemDpi::ForWindow(app().mainWindow()));
  HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(host, nullptr);
  ProgramHook faces(app().mainWindow(), "TellFacesHook");
  ASSERT_TRUE(faces.Ready());
  int checked = 0;
  int smaller = 0;
  // One caption of the program, beside its twin.
  auto check = [&](HWND shown, const ControlRow& row, const char* where) {
    ASSERT_NE(shown, nullptr) << row.name;
    RECT outer{};
    GetWindowRect(shown, &outer);
    const std::wstring text = Widen(AppDriver::TextOf(shown));
    const auto style = static_cast<DWORD>(GetWindowLongW(shown, GWL_STYLE));
    HWND twin = CreateWindowExW(0, Widen(AppDriver::ClassOf(shown)).c_str(), text.c_str(),
                                style & ~static_cast<DWORD>(WS_VISIBLE | WS_TABSTOP), 0, 0,
                                outer.right - outer.left, outer.bottom - outer.top, host, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(twin, nullptr) << row.name;
    HFONT face = look.CaptionFace(twin, row.kind, WrapsText(row));
    // What the face needs, measured apart from the choice: the text on one line, or its
    // height wrapped within the width.
    RECT client{};
    GetClientRect(twin, &client);
    HDC dc = GetDC(twin);
    SelectObject(dc, face);
    const int beside = row.kind == ControlKind::kOptionButton ? 13 : 0;
    RECT needed{0, 0, client.right - beside, 0};
    const UINT prefix = row.kind == ControlKind::kCaption && (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | prefix | (WrapsText(row) ? DT_WORDBREAK : DT_SINGLELINE));
    ReleaseDC(twin, dc);
    DestroyWindow(twin);
    EXPECT_LE(needed.right + beside, client.right) << row.name << " in " << where;
    EXPECT_LE(needed.bottom, client.bottom) << row.name << " in " << where;
    EXPECT_EQ(reinterpret_cast<INT_PTR>(GetPropW(shown, L"TalliesTestFaceHeight")),
              FaceHeight(face))
        << row.name << " in " << where;
    smaller += face == look.ControlFont() ? 0 : 1;
    ++checked;
  };
  auto captions = [](std::span<const ControlRow> rows) {
    std::vector<const ControlRow*> found;
    for (const ControlRow& row : rows) {
      if (row.kind == ControlKind::kCaption || row.kind == ControlKind::kOptionButton) {
        found.push_back(&row);
      }
    }
    return found;
  };
  std::vector<const ControlRow*> rows = captions(WindowControls());
  for (const PageLayout* page : AllPages()) {
    for (const ControlRow* row : captions(page->controls)) rows.push_back(row);
  }
  for (const char* units : {"US", "Metric"}) {
    ASSERT_TRUE(app().ChooseListEntry("cboUnits", units));
    ASSERT_TRUE(AskForFaces(app().mainWindow(), kFacesTimeout));
    for (const ControlRow* row : rows) check(app().Control(row->name), *row, units);
  }
  // Every tab's caption is whole in its tab.
  std::set<std::string_view> tabSets;
  for (const PageLayout* page : AllPages()) tabSets.insert(page->tabSet);
  for (std::string_view tabSet : tabSets) {
    HWND tabs = app().Control(tabSet);
    ASSERT_NE(tabs, nullptr) << tabSet;
    EXPECT_EQ(reinterpret_cast<INT_PTR>(GetPropW(tabs, L"TalliesTestTabsMeasured")),
              SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0))
        << tabSet;
    EXPECT_EQ(reinterpret_cast<INT_PTR>(GetPropW(tabs, L"TalliesTestTabsCut")), 0) << tabSet;
  }
  ASSERT_TRUE(app().ChooseListEntry("cboUnits", "US"));

  ASSERT_TRUE(app().Click("cmdAbout"));
  HWND about = app().WaitForTopLevel(L"frmAbout", nullptr, kFacesTimeout);
  ASSERT_NE(about, nullptr);
  ASSERT_TRUE(AskForFaces(about, kFacesTimeout));
  for (const ControlRow* row : captions(AboutControls())) {
    check(AppDriver::FindIn(about, row->name), *row, "the About box");
  }
  ASSERT_TRUE(AppDriver::ClickWindow(AppDriver::FindIn(about, "cmdOK")));
  EXPECT_TRUE(AppDriver::WaitUntilGone(about, kFacesTimeout));
  DestroyWindow(host);
  EXPECT_GT(checked, 200);
  RecordProperty("captions drawn smaller", smaller);
}

}  // namespace
}  // namespace tallies::gui
