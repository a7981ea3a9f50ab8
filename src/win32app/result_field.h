#pragma once

#include <functional>
#include <string>
#include <vector>

#include "win32app/windows_headers.h"

namespace tallies {

// A result: a borderless read-only edit that only a calculator writes (through its window
// text). It takes the keyboard focus at its place in the keyboard order and from a click, and
// shows it with a dotted frame just inside its edge; its text can be selected with the mouse
// and the keyboard, and Ctrl+C copies the selection, or the whole result when nothing is
// selected or the result is shown shortened.
//
// A result wider than the control is drawn in a smaller face first (SetFonts gives the faces),
// and only then shortened in its fraction (ShortenedForms). The window text then holds what is
// shown, as a screen reader and any other reader of the window sees it; Result() keeps the
// whole result for the program, and its tooltip and the copy are the whole result.
class ResultField {
 public:
  // Called with the whole result each time it changes.
  using ResultChanged = std::function<void(HWND field, const std::wstring& result)>;

  // The edit's window styles.
  static constexpr DWORD kStyle = ES_LEFT | ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP;

  // Gives an edit of kStyle the behaviour of a result for as long as it exists. Its text at
  // this moment is its first result. `decimalSeparator`: where a number's fraction starts.
  static void Attach(HWND field, std::string decimalSeparator, ResultChanged changed);
  // The faces to draw the result in, largest first (AppLook::ResultFonts); the result is fitted
  // to them at once, and again whenever it or the control's size changes.
  static void SetFonts(HWND field, std::vector<HFONT> fonts);
  // The whole result, however it is shown.
  static std::wstring Result(HWND field);
  // Puts `text` on the clipboard as Unicode text (nothing for an empty text).
  static void CopyWhole(HWND window, const std::wstring& text);

 private:
  struct State;
  static State* StateOf(HWND field);
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR subclass, DWORD_PTR data);
  static LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR data);
  static void Fit(HWND window, State& state);
  static void PaintFrame(HWND window);
};

}  // namespace tallies
