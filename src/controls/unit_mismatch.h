#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "numeric/quantity.h"

namespace tallies {

// Thrown while a calculation reads its fields, when a field holds a unit of another quantity
// than its own ("5 mm" in a pressure field). Unlike an ArithmeticFault it ends the calculation
// before anything is computed or written: there is no sound value to compute with.
class UnitMismatch : public std::runtime_error {
 public:
  UnitMismatch(std::string_view control, std::string text, Quantity held, Quantity expected,
               std::string_view expectedUnit);

  std::string_view control() const noexcept { return m_control; }
  // The field's text as typed.
  const std::string& text() const noexcept { return m_text; }
  // The quantity of the unit typed, and the field's own quantity and unit.
  Quantity held() const noexcept { return m_held; }
  Quantity expected() const noexcept { return m_expected; }
  std::string_view expectedUnit() const noexcept { return m_expectedUnit; }

 private:
  std::string_view m_control;
  std::string m_text;
  Quantity m_held;
  Quantity m_expected;
  std::string_view m_expectedUnit;
};

// What the user is told, the field named by its caption: "PSI" holds "5 mm", a length; it
// takes a pressure, in psi. Nothing was calculated.
std::string UnitMismatchText(const UnitMismatch& mismatch, std::string_view caption);

}  // namespace tallies
