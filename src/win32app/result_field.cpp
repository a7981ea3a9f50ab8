#include "win32app/result_field.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "layout/result_presentation.h"
#include "layout/window_model.h"
#include "win32app/app_look.h"
#include "win32app/boundary_guard.h"
#include "win32app/win32_text.h"

namespace tallies {
namespace {

constexpr UINT_PTR kSubclassId = 1;
// The window property that holds a result's state, for the calls that start from its window.
constexpr wchar_t kStateProperty[] = L"TalliesResultField";
// The frame around the text that shows the focus, in pixels: the system's focus rectangle is
// one pixel wide at any DPI.
constexpr int kFrame = 1;

int CaretWidth() {
  DWORD width = 1;
  if (!SystemParametersInfoW(SPI_GETCARETWIDTH, 0, &width, 0) || width == 0) width = 1;
  return static_cast<int>(width);
}

}  // namespace

struct ResultField::State {
  std::wstring result;  // the whole result
  std::wstring shown;   // what the edit holds: the result, or a shortened form of it
  std::string decimalSeparator;
  std::vector<HFONT> fonts;
  ResultChanged changed;
  bool fitting = false;
};

void ResultField::Attach(HWND field, std::string decimalSeparator, ResultChanged changed) {
  auto* state = new State;
  state->decimalSeparator = std::move(decimalSeparator);
  state->changed = std::move(changed);
  state->result = Wide(WindowText(field));
  state->shown = state->result;
  if (!SetWindowSubclass(field, &ResultField::Proc, kSubclassId,
                         reinterpret_cast<DWORD_PTR>(state))) {
    delete state;
    return;
  }
  SetPropW(field, kStateProperty, state);
  // The frame that shows the focus is taken from the control's own rectangle.
  SetWindowPos(field, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

ResultField::State* ResultField::StateOf(HWND field) {
  return field ? static_cast<State*>(GetPropW(field, kStateProperty)) : nullptr;
}

void ResultField::SetFonts(HWND field, std::vector<HFONT> fonts) {
  State* state = StateOf(field);
  if (!state) return;
  state->fonts = std::move(fonts);
  Fit(field, *state);
}

std::wstring ResultField::Result(HWND field) {
  const State* state = StateOf(field);
  return state ? state->result : std::wstring();
}

void ResultField::Fit(HWND window, State& state) {
  if (state.fitting || state.fonts.empty()) return;
  state.fitting = true;
  RECT client{};
  GetClientRect(window, &client);
  // The caret stands after the last character; a text that leaves it no room would scroll the
  // edit and hide the result's first characters.
  const int room = client.right - client.left - CaretWidth();
  HDC dc = GetDC(window);
  HGDIOBJ previous = GetCurrentObject(dc, OBJ_FONT);
  auto face = [&state](double points) { return AppLook::FaceAt(state.fonts, points); };
  FittedResult fitted{kControlPoints, Narrow(state.result)};
  // A control not placed yet has no room to measure against: it is fitted when it is.
  if (room > 0) {
    fitted = FitResult(
        fitted.shown, state.decimalSeparator, room, [&](std::string_view text, double points) {
          const std::wstring wide = Wide(text);
          SelectObject(dc, face(points));
          SIZE extent{};
          GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
          return static_cast<double>(extent.cx);
        });
  }
  HFONT font = face(fitted.points);
  std::wstring shown = Wide(fitted.shown);
  SelectObject(dc, previous);
  ReleaseDC(window, dc);

  DefSubclassProc(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  // A new face brings the edit's own margins with it; the result uses the whole width, as the
  // measure above does.
  DefSubclassProc(window, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
  if (WindowText(window) != Narrow(shown)) {
    DefSubclassProc(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(shown.c_str()));
  }
  state.shown = std::move(shown);
  InvalidateRect(window, nullptr, TRUE);
  state.fitting = false;
}

void ResultField::PaintFrame(HWND window) {
  HDC dc = GetWindowDC(window);
  RECT frame{};
  GetWindowRect(window, &frame);
  OffsetRect(&frame, -frame.left, -frame.top);
  RECT inner = frame;
  InflateRect(&inner, -kFrame, -kFrame);
  ExcludeClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
  // The parent chooses the colours, as it does for the text inside.
  auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(window), WM_CTLCOLORSTATIC,
                                                     reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(window)));
  FillRect(dc, &frame, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
  if (GetFocus() == window) DrawFocusRect(dc, &frame);
  ReleaseDC(window, dc);
}

void ResultField::CopyWhole(HWND window, const std::wstring& text) {
  if (text.empty() || !OpenClipboard(window)) return;
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    if (void* target = GlobalLock(memory)) {
      std::memcpy(target, text.c_str(), bytes);
      GlobalUnlock(memory);
      // The clipboard owns the memory once it took it.
      if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
    } else {
      GlobalFree(memory);
    }
  }
  CloseClipboard();
}

LRESULT CALLBACK ResultField::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR, DWORD_PTR data) {
  return GuardBoundary(window, message,
                       [&] { return Handle(window, message, wParam, lParam, data); });
}

LRESULT ResultField::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                            DWORD_PTR data) {
  State& state = *reinterpret_cast<State*>(data);
  switch (message) {
    case WM_SETTEXT: {
      if (state.fitting) break;
      // Any text written to the control is its new result; the edit gets what fits.
      const auto* text = reinterpret_cast<const wchar_t*>(lParam);
      state.result = text ? text : L"";
      Fit(window, state);
      if (state.changed) state.changed(window, state.result);
      return TRUE;
    }
    case WM_SIZE: {
      const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
      Fit(window, state);
      return result;
    }
    case WM_COPY: {
      DWORD start = 0, end = 0;
      DefSubclassProc(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                      reinterpret_cast<LPARAM>(&end));
      const std::wstring selection =
          start < end && end <= state.shown.size() ? state.shown.substr(start, end - start) : L"";
      CopyWhole(window,
                Wide(CopiedText(Narrow(state.result), Narrow(state.shown), Narrow(selection))));
      return 0;
    }
    case WM_NCCALCSIZE: {
      const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
      RECT* client = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                            : reinterpret_cast<RECT*>(lParam);
      InflateRect(client, -kFrame, -kFrame);
      return result;
    }
    case WM_NCPAINT:
      PaintFrame(window);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
      RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
      return result;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, &ResultField::Proc, kSubclassId);
      RemovePropW(window, kStateProperty);
      delete &state;
      return DefSubclassProc(window, message, wParam, lParam);
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace tallies
