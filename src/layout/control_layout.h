#pragma once

#include <span>
#include <string_view>

#include "layout/twips.h"

namespace tallies {

enum class ControlKind {
  kCaption,       // a static label
  kResult,        // a light-yellow label that only a calculator writes
  kField,         // a single-line text field
  kButton,        // a push button
  kPicture,       // a fixed illustration
  kList,          // a drop-down list with an editable text part
  kTabSet,        // a tab set (the nested one, on a page)
  kLinkLabel,     // the web-site link
  kOptionButton,  // one of the two view options
  kEntryList,     // a list box of lines, one chosen at a time (the history's entries)
  kTextView,      // read-only text of several lines that can be selected and copied
};

// The pictures of the windows. Each front-end maps them to its own resources.
enum class Picture {
  kNone,
  kIcon,           // the program's icon (About box)
  kBanner,         // the banner with the logo
  kGearPump,       // the gear pump with W, D and L marked
  kCylinderAngle,  // a cylinder pushing at an angle
};

enum class Background {
  kDefault,     // the system's button-face colour (captions), or the kind's own
  kWindowGrey,  // RGB 224, 224, 224
  kToolTip,     // the system's tooltip colour
  kResult,      // light yellow, RGB 255, 255, 192
};

// One control of a page or of the window, as laid out in the window design.
struct ControlRow {
  std::string_view name;  // objectName, and the name handlers use
  ControlKind kind;
  std::string_view text;         // text or caption at start
  int left, top, width, height;  // twips, relative to the tab set (or the window)
  int tabOrder;                  // place in the window's keyboard order; 0 for none
  Background background;
  Picture picture = Picture::kNone;  // for pictures
};

// The controls of one tab of a tab set.
struct PageLayout {
  std::string_view tabSet;
  int tab;
  std::span<const ControlRow> controls;
};

// A tab set: where it stands, its tab captions and how many tabs share a row.
struct TabSetLayout {
  std::string_view name;
  std::string_view parent;  // "frmMain", or the tab set holding it
  int parentTab;            // the tab of the parent tab set, or -1
  std::span<const std::string_view> captions;
  int tabsPerRow;
  Background background;  // kWindowGrey or kDefault (button face)
};

// The controls placed directly on the main window (the two tab sets included).
std::span<const ControlRow> WindowControls();
// The three tab sets, outermost first.
std::span<const TabSetLayout> TabSets();
// Every page of every tab set: the hydraulic pages, then the general ones.
std::span<const PageLayout> HydraulicPages();
std::span<const PageLayout> GeneralPages();

// The main window's client area and first position on the screen, in twips.
inline constexpr int kMainWindowWidth = 6885;
inline constexpr int kMainWindowHeight = 6060;
inline constexpr int kMainWindowLeft = 2490;
inline constexpr int kMainWindowTop = 1935;

}  // namespace tallies
