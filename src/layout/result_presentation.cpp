#include "layout/result_presentation.h"

#include <vector>

#include "layout/window_model.h"

namespace tallies {

double FittingPoints(const std::function<bool(double points)>& whole, double designedPoints,
                     double smallestPoints) {
  double points = designedPoints;
  while (!whole(points) && points - kResultPointStep >= smallestPoints) {
    points -= kResultPointStep;
  }
  return points;
}

FittedResult FitResult(std::string_view result, std::string_view decimalSeparator, double room,
                       const MeasureText& measure, double designedPoints) {
  FittedResult fitted{designedPoints, std::string(result)};
  fitted.points = FittingPoints(
      [&](double points) { return measure(fitted.shown, points) <= room; }, designedPoints,
      kSmallestResultPoints);
  auto fits = [&] { return measure(fitted.shown, fitted.points) <= room; };
  if (fits()) return fitted;
  for (std::string& form : ShortenedForms(result, decimalSeparator)) {
    fitted.shown = std::move(form);
    if (fits()) break;
  }
  return fitted;
}

std::string_view CopiedText(std::string_view result, std::string_view shown,
                            std::string_view selection) {
  if (shown != result || selection.empty()) return result;
  return selection;
}

ResultAccessibility AccessibilityOfResult(std::string_view control, std::string_view result) {
  return {std::string(CaptionTextOf(control)), std::string(result)};
}

}  // namespace tallies
