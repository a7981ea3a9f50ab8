#pragma once

#include <string>
#include <string_view>

namespace tallies {

// The window's controls as the calculators see them: text and captions reached
// by the control's name. The main window implements it over its widgets; tests
// implement it over a map. No calculator sees anything else of the window.
class Controls {
 public:
  virtual ~Controls() = default;

  // The full current text of a text field or of a list's text part, exactly as
  // shown; empty when nothing is typed.
  virtual std::string Text(std::string_view control) const = 0;

  // Shows exactly `text` in a text field at once; no event follows the write.
  virtual void SetText(std::string_view control, std::string_view text) = 0;

  // Shows exactly `caption` on a label at once.
  virtual void SetCaption(std::string_view control, std::string_view caption) = 0;

  // The decimal separator of the user's regional settings: results are written
  // with it, and field text is read with it as well as with ".".
  virtual std::string DecimalSeparator() const = 0;
};

}  // namespace tallies
