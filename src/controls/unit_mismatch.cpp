#include "controls/unit_mismatch.h"

#include "numeric/typed_units.h"

namespace tallies {
namespace {

// "a length", "an area", "an angle".
std::string WithArticle(Quantity quantity) {
  const std::string_view name = QuantityName(quantity);
  const bool vowel =
      !name.empty() && std::string_view("aeiou").find(name.front()) != std::string_view::npos;
  return (vowel ? "an " : "a ") + std::string(name);
}

}  // namespace

UnitMismatch::UnitMismatch(std::string_view control, std::string text, Quantity held,
                           Quantity expected, std::string_view expectedUnit)
    : std::runtime_error("\"" + text + "\" in " + std::string(control) + " is " +
                         WithArticle(held) + ", not " + WithArticle(expected)),
      m_control(control),
      m_text(std::move(text)),
      m_held(held),
      m_expected(expected),
      m_expectedUnit(expectedUnit) {}

std::string UnitMismatchText(const UnitMismatch& mismatch, std::string_view caption) {
  const std::string field =
      caption.empty() ? std::string(mismatch.control()) : std::string(caption);
  return "\"" + field + "\" holds \"" + mismatch.text() + "\", " + WithArticle(mismatch.held()) +
         "; it takes " + WithArticle(mismatch.expected()) + ", in " +
         std::string(mismatch.expectedUnit()) +
         ".\nNothing was calculated. Correct the value and click Calc again.";
}

}  // namespace tallies
