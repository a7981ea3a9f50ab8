// The About box's controls and separator, as laid out in its window design.

#include "layout/about_layout.h"

namespace tallies {
namespace {

using Kind = ControlKind;
using Bg = Background;

// The tab numbers are the design's: cmdOK 0, picIcon 1, cmdSysInfo 2; labels keep theirs but
// take no focus.
constexpr ControlRow kAboutControls[] = {
    // name, kind, text at start, left, top, width, height, tab order, background
    {"picIcon", Kind::kPicture, "", 240, 240, 540, 540, 1, Bg::kDefault, Picture::kIcon},
    {"lblTitle", Kind::kCaption, "Application", 1080, 240, 3885, 480, 5, Bg::kDefault},
    {"lblVersion", Kind::kCaption, "Version", 1050, 780, 3885, 225, 6, Bg::kDefault},
    {"lblDescription", Kind::kCaption, "", 1080, 1080, 3885, 1170, 3, Bg::kDefault},
    {"lblDisclaimer", Kind::kCaption, "", 240, 2625, 3870, 825, 4, Bg::kDefault},
    {"cmdOK", Kind::kButton, "OK", 4245, 2625, 1260, 345, 0, Bg::kDefault},
    {"cmdSysInfo", Kind::kButton, "&System Info...", 4260, 3075, 1245, 345, 2, Bg::kDefault},
};

// A grey line and, one pixel lower, a white one two pixels high: an etched groove.
constexpr AboutLine kAboutLines[] = {
    {"Line1(1)", 90, 5654, 2445, 1, 128, 128, 128},
    {"Line1(0)", 105, 5654, 2460, 2, 255, 255, 255},
};

}  // namespace

std::span<const ControlRow> AboutControls() { return kAboutControls; }
std::span<const AboutLine> AboutLines() { return kAboutLines; }

}  // namespace tallies
