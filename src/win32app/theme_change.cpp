#include "win32app/theme_change.h"

namespace tallies {
namespace {

struct Change {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

BOOL CALLBACK PassOn(HWND child, LPARAM param) {
  const auto* change = reinterpret_cast<const Change*>(param);
  SendMessageW(child, change->message, change->wParam, change->lParam);
  return TRUE;
}

}  // namespace

void RepaintForNewColours(HWND top, UINT message, WPARAM wParam, LPARAM lParam) {
  Change change{message, wParam, lParam};
  EnumChildWindows(top, &PassOn, reinterpret_cast<LPARAM>(&change));
  RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

}  // namespace tallies
