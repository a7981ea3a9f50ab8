#include "win32app/control_factory.h"

#include <span>
#include <string>

#include "layout/window_model.h"
#include "win32app/checked_window.h"
#include "win32app/link_label.h"
#include "win32app/result_field.h"
#include "win32app/win32_text.h"
#include "window/window_bindings.h"

namespace tallies {
namespace {

struct WindowKind {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

WindowKind KindOf(const ControlRow& row) {
  constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
  switch (row.kind) {
    case ControlKind::kCaption:
      // An "&" marks the caption's access key (see HandleAccessKey), as the model says.
      return {WC_STATICW, kChild | (WrapsText(row) ? SS_LEFT : SS_LEFTNOWORDWRAP), 0};
    case ControlKind::kResult:
      // A static cannot take the focus nor show a selection: a borderless read-only edit can,
      // and asks its parent for the label's colours as a static does.
      return {WC_EDITW, kChild | ResultField::kStyle, 0};
    case ControlKind::kField:
      return {WC_EDITW, kChild | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::kButton:
      return {WC_BUTTONW, kChild | WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::kPicture:
      return {WC_STATICW, kChild | SS_OWNERDRAW, 0};
    case ControlKind::kList:
      // A list that takes no typed text has no text part: it shows one of its entries.
      return {WC_COMBOBOXW,
              kChild | WS_TABSTOP | WS_VSCROLL |
                  (TakesTypedText(row.name) ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST),
              0};
    case ControlKind::kLinkLabel:
      return {WC_STATICW, kChild | WS_TABSTOP | SS_NOTIFY | SS_NOPREFIX | SS_LEFTNOWORDWRAP, 0};
    case ControlKind::kOptionButton:
      // The first option starts the group the two options make.
      return {WC_BUTTONW,
              kChild | WS_TABSTOP | BS_AUTORADIOBUTTON | (StartsOptionGroup(row) ? WS_GROUP : 0),
              0};
    case ControlKind::kTabSet:
      break;
  }
  return {WC_STATICW, kChild, 0};
}

void FillList(HWND list, std::string_view name, std::string_view text) {
  for (std::string_view entry : ListEntries(name)) {
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(entry).c_str()));
  }
  if (!TakesTypedText(name)) {
    ControlFactory::SelectEntry(list, text);
    return;
  }
  // Nothing is selected at start; the text part shows the placeholder.
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  SetWindowTextUtf8(list, text);
}

}  // namespace

void ControlFactory::SelectEntry(HWND list, std::string_view entry) {
  const LRESULT index = SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(Wide(entry).c_str()));
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

HWND ControlFactory::Create(const ControlRow& row, int id, HWND parent, HINSTANCE instance) {
  const WindowKind kind = KindOf(row);
  const std::wstring text = Wide(InitialText(row));
  HWND control = CreateWindowChecked(
      kind.exStyle, kind.className, text.c_str(), kind.style, 0, 0, 0, 0, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  if (row.kind == ControlKind::kList) {
    FillList(control, row.name, row.text);
  }
  if (row.kind == ControlKind::kLinkLabel) LinkLabel::Attach(control);
  return control;
}

}  // namespace tallies
