#pragma once

namespace tallies {

// The window state a started or opened program is shown in: a normal window with the focus
// (SW_SHOWNORMAL).
inline constexpr int kShowNormal = 1;

}  // namespace tallies
