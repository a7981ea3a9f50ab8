#include "win32app/about_box.h"

#include <algorithm>
#include <string>

#include "about/about_texts.h"
#include "about/start_sys_info.h"
#include "layout/about_layout.h"
#include "layout/control_ids.h"
#include "layout/window_model.h"
#include "resource_ids.h"
#include "win32app/checked_window.h"
#include "win32app/core/dpi_scale.h"
#include "win32app/hidden_owner.h"
#include "win32app/system_dpi.h"
#include "win32app/test_hooks.h"
#include "win32app/theme_change.h"
#include "win32app/win32_platform.h"
#include "win32app/win32_text.h"
#include "win32app/window_proc.h"
#include "window/window_bindings.h"

namespace tallies {
namespace {

// A fixed dialog frame with a title and a close box: no minimise or maximise box, no resizing.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
// Where the box first opens, in twips from the screen's corner: beside the main window (client
// area from 2490 to 9375 twips across), at the height of its top, so it hides none of it.
constexpr int kFirstLeft = 9600;
constexpr int kFirstTop = 1935;

// The frame moved into the work area of its monitor, should it stand out of it.
RECT KeptOnScreen(RECT frame) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (!GetMonitorInfoW(MonitorFromRect(&frame, MONITOR_DEFAULTTONEAREST), &monitor)) return frame;
  const RECT& work = monitor.rcWork;
  const LONG dx = std::max(work.left - frame.left, std::min(0L, work.right - frame.right));
  const LONG dy = std::max(work.top - frame.top, std::min(0L, work.bottom - frame.bottom));
  OffsetRect(&frame, dx, dy);
  return frame;
}

RECT ToRect(const PixelRect& place) {
  return {place.left, place.top, place.left + place.width, place.top + place.height};
}

}  // namespace

const wchar_t* AboutBox::ClassName() {
  static const std::wstring name = Wide(kAboutBoxName);
  return name.c_str();
}

void AboutBox::RegisterClass(HINSTANCE instance) {
  RegisterClassChecked(instance, ClassName(), &ForwardToOwner<AboutBox>, true);
  HiddenOwner::RegisterClass(instance);
}

void AboutBox::Raise() {
  ShowWindow(m_window, SW_SHOW);
  UpdateWindow(m_window);
  SetForegroundWindow(m_window);
  BringWindowToTop(m_window);
}

AboutBox::AboutBox(HINSTANCE instance, HWND owner, WindowHost& host)
    : m_instance(instance), m_host(host) {
  const int dpi = SystemDpi::ForSystem();
  const PixelRect client =
      TwipsToDevicePixels(kFirstLeft, kFirstTop, kAboutClientWidth, kAboutClientHeight, dpi);
  const RECT frame = KeptOnScreen(SystemDpi::WindowRectFor(ToRect(client), kStyle, kExStyle, dpi));
  // Owned by the hidden window, not by the main one: no taskbar button, yet the box has its own
  // place among the desktop's windows and outlives the main one. WS_EX_APPWINDOW would bring
  // the button back.
  static_assert((kExStyle & WS_EX_APPWINDOW) == 0);
  CreateWindowChecked(kExStyle, ClassName(), Wide(kAboutInitialCaption).c_str(), kStyle, frame.left,
                      frame.top, frame.right - frame.left, frame.bottom - frame.top, owner, nullptr,
                      instance, this);
  try {
    Build();
  } catch (...) {
    // A half-built box is no box to show: it goes, and the failure goes on to the caller.
    DestroyQuietly();
    throw;
  }
  Place(SystemDpi::ForWindow(m_window));
  // Loading replaces the window definition's texts before the box is first drawn.
  Form_Load();
}

AboutBox::~AboutBox() { DestroyQuietly(); }

void AboutBox::DestroyQuietly() {
  DestroyDetached(m_window);
  if (m_icon) DestroyIcon(m_icon);
  m_icon = nullptr;
}

void AboutBox::Build() {
  // Child windows in keyboard order, which the dialog manager follows: OK first.
  for (const ControlRow* row : InTabOrder(AboutControls())) {
    const std::string text = InitialText(*row);
    DWORD style = WS_CHILD | WS_VISIBLE;
    const wchar_t* className = WC_STATICW;
    if (row->kind == ControlKind::kButton) {
      className = WC_BUTTONW;
      style |= WS_TABSTOP | (IsDefault(row->name) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    } else if (row->kind == ControlKind::kPicture) {
      style |= SS_OWNERDRAW;
    } else {
      style |= SS_NOPREFIX | SS_LEFT;
    }
    CreateWindowChecked(0, className, Wide(text).c_str(), style, 0, 0, 0, 0, m_window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(row->name))),
                        m_instance, nullptr);
  }
}

void AboutBox::Place(int dpi) {
  m_look = std::make_unique<AppLook>(dpi);
  if (m_icon) DestroyIcon(m_icon);
  const int iconSize = ScaleForDpi(kAboutIconPixels, dpi);
  m_icon = static_cast<HICON>(
      LoadImageW(m_instance, MAKEINTRESOURCEW(IDI_TALLIES), IMAGE_ICON, iconSize, iconSize, 0));
  for (const ControlRow& row : AboutControls()) {
    PixelRect place = TwipsToDevicePixels(row.left, row.top, row.width, row.height, dpi);
    // The picture box sizes itself to its picture.
    if (row.kind == ControlKind::kPicture) place.width = place.height = iconSize;
    HWND control = Control(row.name);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_look->ControlFont()), FALSE);
    SetWindowPos(control, nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  InvalidateRect(m_window, nullptr, TRUE);
}

void AboutBox::Form_Load() {
  SetWindowTextUtf8(m_window, AboutLoadedCaption());
  for (const ControlText& text : AboutLoadedTexts()) {
    SetWindowTextUtf8(Control(text.control), text.text);
  }
}

HWND AboutBox::Control(std::string_view name) const {
  return GetDlgItem(m_window, ControlId(name));
}

// The button that closes the box is its default and cancel button.
bool AboutBox::IsDefault(std::string_view name) {
  return ActionOf(name).action == Action::kCloseBox;
}

int AboutBox::DefaultId() {
  for (const ControlRow& row : AboutControls()) {
    if (IsDefault(row.name)) return ControlId(row.name);
  }
  return IDCANCEL;
}

void AboutBox::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(m_window, &paint);
  const int dpi = m_look->Dpi();
  // The etched separator: a grey line and, one pixel lower, a white one.
  for (const AboutLine& line : AboutLines()) {
    const int x1 = ScaleForDpi(TwipsToPixels(line.x1), dpi);
    const int x2 = ScaleForDpi(TwipsToPixels(line.x2), dpi);
    const int y = ScaleForDpi(TwipsToPixels(line.y), dpi);
    const RECT rect{x1, y, x2, y + ScaleForDpi(line.thickness, dpi)};
    HBRUSH brush = CreateSolidBrush(RGB(line.red, line.green, line.blue));
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
  }
  EndPaint(m_window, &paint);
}

void AboutBox::cmdOK_Click() { DestroyWindow(m_window); }

void AboutBox::cmdSysInfo_Click() {
  // The launcher reports its own failures; should anything escape it all the same, the window
  // procedure's guard reports that.
  Win32Platform platform(m_window);
  StartSysInfo(platform.SysInfo());
}

LRESULT AboutBox::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto answer = HandleLookMessage(m_window, message, wParam, lParam, Background::kDefault,
                                      m_look.get(), [this](int dpi) { Place(dpi); })) {
    return *answer;
  }
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (HIWORD(wParam) == BN_CLICKED) TestHooks::ThrowIfAsked(ControlName(id));
      // Esc (IDCANCEL from the dialog manager) closes the box as OK does.
      const Action action = id == IDCANCEL ? Action::kCloseBox : ActionOf(ControlName(id)).action;
      if (action == Action::kCloseBox) {
        cmdOK_Click();
      } else if (action == Action::kStartSysInfo && HIWORD(wParam) == BN_CLICKED) {
        cmdSysInfo_Click();
      }
      return 0;
    }
    case DM_GETDEFID: {
      // Enter presses the button that has the focus, and OK otherwise.
      HWND focus = GetFocus();
      if (focus && GetParent(focus) == m_window &&
          (SendMessageW(focus, WM_GETDLGCODE, 0, 0) &
           (DLGC_UNDEFPUSHBUTTON | DLGC_DEFPUSHBUTTON))) {
        return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
      }
      return MAKELRESULT(DefaultId(), DC_HASDEFID);
    }
    case WM_DRAWITEM: {
      const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      FillRect(draw->hDC, &draw->rcItem, GetSysColorBrush(COLOR_BTNFACE));
      DrawIconEx(draw->hDC, draw->rcItem.left, draw->rcItem.top, m_icon,
                 draw->rcItem.right - draw->rcItem.left, draw->rcItem.bottom - draw->rcItem.top, 0,
                 nullptr, DI_NORMAL);
      return TRUE;
    }
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<LRESULT>(
          AppLook::Prepare(reinterpret_cast<HDC>(wParam), Background::kDefault));
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ACTIVATE:
      // The focus comes back to where it was when the box is activated again.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(m_window, focus)) m_lastFocus = focus;
      } else {
        SetFocus(m_lastFocus ? m_lastFocus : GetDlgItem(m_window, DefaultId()));
        return 0;
      }
      break;
    case WM_NCDESTROY: {
      // The box's state goes with it; the application lets the object go once this message is
      // handled, and the next showing builds the box anew.
      HWND window = m_window;
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      m_window = nullptr;
      if (m_icon) DestroyIcon(m_icon);
      m_icon = nullptr;
      const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
      m_host.WindowClosed();
      return result;
    }
  }
  return DefWindowProcW(m_window, message, wParam, lParam);
}

}  // namespace tallies
