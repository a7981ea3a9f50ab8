// The rules by which every front-end draws, copies and names a result.

#include "layout/result_presentation.h"

#include <gtest/gtest.h>

#include <string>

namespace tallies {
namespace {

// A face in which every character is as wide as its size in points.
double Measure(std::string_view text, double points) {
  std::size_t characters = 0;
  for (unsigned char c : text) characters += (c & 0xC0) != 0x80;  // "…" is one character
  return static_cast<double>(characters) * points;
}

TEST(FitResult, DrawsSmallerThenShortensTheFraction) {
  struct Case {
    std::string result;
    double room;
    double points;
    std::string shown;
  };
  const Case cases[] = {
      {"8.751458", 64, 8.0, "8.751458"},                 // fits as designed
      {"8.751458", 60, 7.5, "8.751458"},                 // one step smaller
      {"8.751458", 52, 6.5, "8.751458"},                 // the smallest size
      {"8.751458", 51, 6.5, "8.7514…"},                  // then shortened, longest first
      {"-17.2222222222222", 60, 6.5, "-17.2222…"},       // the sign and whole part stay
      {"3.38140222016107E+306", 65, 6.5, "3.38…E+306"},  // so does the exponent
      {"123456789012", 20, 6.5, "123456789012"},         // no fraction: drawn whole
      {"1.5", 1, 6.5, "1…"},                             // nothing fits: the shortest form
  };
  for (const Case& c : cases) {
    const FittedResult fitted = FitResult(c.result, ".", c.room, &Measure);
    EXPECT_EQ(fitted.points, c.points) << c.result << " in " << c.room;
    EXPECT_EQ(fitted.shown, c.shown) << c.result << " in " << c.room;
  }
  // A regional comma marks where the fraction starts.
  EXPECT_EQ(FitResult("8,751458", ",", 51, &Measure).shown, "8,7514…");
}

TEST(CopiedText, CopiesTheSelectionOnlyOfAWholeResult) {
  struct Case {
    std::string_view shown;
    std::string_view selection;
    std::string_view copied;
  };
  constexpr std::string_view kResult = "-17.2222222222222";
  const Case cases[] = {
      {kResult, "", kResult},         // nothing selected: all of it
      {kResult, "17.22", "17.22"},    // part of a whole result: the part
      {"-17.22…", "17.22", kResult},  // shortened: what shows is not all of it
      {"-17.22…", "", kResult},
  };
  for (const Case& c : cases) EXPECT_EQ(CopiedText(kResult, c.shown, c.selection), c.copied);
}

TEST(AccessibilityOfResult, NamedByItsCaptionValuedByTheWholeResult) {
  const ResultAccessibility told = AccessibilityOfResult("lblHP", "8.751458");
  EXPECT_EQ(told.name, "Horsepower Required");
  EXPECT_EQ(told.value, "8.751458");
}

}  // namespace
}  // namespace tallies
