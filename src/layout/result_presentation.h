#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tallies {

// How every front-end presents a result; each only measures text and maps the answers to its
// widgets, so the rules read the same on every desktop and in the browser.

// The faces of the window, in points at 100 %: every control's, and the link's (bold and
// underlined). The family is the platform's; Liberation Sans Narrow where it is installed.
inline constexpr double kControlPoints = 8.0;
inline constexpr double kLinkPoints = 8.25;
inline constexpr std::string_view kControlFontFamily = "Liberation Sans Narrow";

// A result too wide for its label is drawn smaller by this step, down to kSmallestResultPoints.
inline constexpr double kResultPointStep = 0.5;

// How a result is drawn: at this size, with this text (the result, or a shortened form).
struct FittedResult {
  double points = kControlPoints;
  std::string shown;
};

// The size a text is drawn at where it must be whole (a caption, or a result before it is
// shortened): the designed size if `whole` says it is whole at that size, else smaller by
// kResultPointStep down to `smallestPoints` (that smallest size when none will do).
double FittingPoints(const std::function<bool(double points)>& whole, double designedPoints,
                     double smallestPoints);

// Measures a text drawn at a point size, in the same units as the room it must fit.
using MeasureText = std::function<double(std::string_view text, double points)>;

// Fits a result into `room`: the designed size if it fits; else smaller by kResultPointStep
// down to kSmallestResultPoints; if it still does not fit, the longest shortened form that fits
// at the smallest size (the shortest form when none does).
FittedResult FitResult(std::string_view result, std::string_view decimalSeparator, double room,
                       const MeasureText& measure, double designedPoints = kControlPoints);

// What the copy command copies from a result: the selection, when part of the whole result is
// selected as it shows; the whole result when nothing is selected or the result shows shortened
// (what shows is not all of it).
std::string_view CopiedText(std::string_view result, std::string_view shown,
                            std::string_view selection);

// What a screen reader is told of a result: named by its caption, its value the whole result
// however it is drawn.
struct ResultAccessibility {
  std::string name;
  std::string value;
};
ResultAccessibility AccessibilityOfResult(std::string_view control, std::string_view result);

}  // namespace tallies
