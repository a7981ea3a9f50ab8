#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "layout/control_layout.h"
#include "layout/text_contrast.h"

namespace tallies {

// What every front-end needs to know about the windows beyond the page tables: how controls
// show their text and pictures, the views, the keyboard order, the designed colours and the
// caption that names each field. Plain data and functions, so a change is one edit, seen by
// every front-end.

// The names of the two windows.
inline constexpr std::string_view kMainWindowName = "frmMain";
inline constexpr std::string_view kAboutBoxName = "frmAbout";

// The main window's title: the site's name and what the window is for.
std::string MainWindowTitle();

// Whether a caption or result wraps its text: a label taller than one line (255 twips) does.
bool WrapsText(const ControlRow& row);

// How a picture fills its box: the banner is stretched to its rectangle, every other picture
// is drawn at its own size from the box's top-left corner.
enum class PictureFit { kNaturalSize, kStretch };
struct PictureDesign {
  Picture picture;
  std::string_view file;  // the artwork, relative to the assets folder
  PictureFit fit;
  // What the picture shows, for those who cannot see it.
  std::string_view description;
};
const PictureDesign& DesignOf(Picture picture);
// Every picture of the windows, kNone excluded.
std::span<const PictureDesign> Pictures();

// A view of the main window: the option that chooses it and the tab set it shows. Choosing
// one view hides the tab sets of every other.
struct ViewLayout {
  std::string_view name;
  std::string_view option;
  std::string_view tabSet;
};
// The views, the one the window starts in first.
std::span<const ViewLayout> Views();
// The view an option button chooses, or none.
const ViewLayout* ViewOfOption(std::string_view option);
// Whether an option button starts its group (the first option of the views).
bool StartsOptionGroup(const ControlRow& row);
// The control that has the focus when the window opens: the first view's tab set.
std::string_view InitialFocus();

// The control of that name on the main window, its pages or the About box, or none.
const ControlRow* FindControl(std::string_view name);
// The tab set of that name, or none.
const TabSetLayout* FindTabSet(std::string_view name);
// The page of a tab, or none.
const PageLayout* FindPage(std::string_view tabSet, int tab);

// What shows a control of a page: its view, and the tabs to choose, outermost first.
struct TabChoice {
  std::string_view tabSet;
  int tab;
};
struct ControlPlace {
  const ViewLayout* view = nullptr;  // none for a control on no page
  std::vector<TabChoice> tabs;
};
ControlPlace PlaceOf(std::string_view control);

// Whether a control of this kind takes the keyboard focus: fields, buttons, lists, the option
// buttons, the tab sets (with their strip of tabs), the link label and the results, so that a
// result can be reached, read and copied from the keyboard. Captions and pictures do not.
bool TakesFocus(ControlKind kind);
// The rows by increasing tab-order number, rows of equal number in table order.
std::vector<const ControlRow*> InTabOrder(std::span<const ControlRow> rows);
// Every main-window control that takes the focus, in the window's keyboard order: the window's
// own controls and every page, by tab-order number.
std::vector<const ControlRow*> MainWindowFocusOrder();
// The About box's controls that take the focus, in its keyboard order.
std::vector<const ControlRow*> AboutFocusOrder();

// The designed colours: the window's grey, the results' light yellow, and the link's black
// caption. The button face and the tooltip colour are the desktop's: none for those.
inline constexpr Rgb kWindowGrey{224, 224, 224};
inline constexpr Rgb kResultYellow{255, 255, 192};
inline constexpr Rgb kLinkCaptionColour{0, 0, 0};
std::optional<Rgb> DesignedColour(Background background);

// The caption that names a field, a list or a result for screen readers (the label in the
// field's column right above it, or beside it on its left); empty for any other control.
std::string_view CaptionOf(std::string_view control);
// The text of that caption, or empty.
std::string_view CaptionTextOf(std::string_view control);

// A caption as it is shown and spoken: an "&" marks the next character as the access key and is
// not shown, "&&" shows one "&" ("&Units" is shown as "Units", with Alt+U as its key).
std::string ShownCaption(std::string_view caption);

// A result too wide for its label is drawn smaller first, down to this size (points at 100 %),
// and only then shortened.
inline constexpr double kSmallestResultPoints = 6.5;
// A caption, which cannot be shortened, may be drawn a step smaller still where the platform's
// face is wider than the design's (a metric unit under a one-letter caption).
inline constexpr double kSmallestCaptionPoints = 6.0;

// The shortened forms of a result text, longest first: each drops one more digit from the end
// of the number's fraction and marks the gap with "…", keeping the sign, the digits before the
// decimal separator and the exponent ("-17.2222222222222" gives "-17.222222222222…" and so on
// down to "-17…"; "2.22222220222222E+20" keeps "E+20"). None for a text without a fraction.
std::vector<std::string> ShortenedForms(std::string_view text, std::string_view decimalSeparator);

}  // namespace tallies
