#pragma once

#include <stdexcept>
#include <string_view>

namespace tallies {

// The three kinds of arithmetic fault that end a calculation. Underflow and
// inexact rounding are never faults.
enum class FaultKind {
  kOverflow,          // a finite result beyond the largest value of its precision
  kDivisionByZero,    // a non-zero value divided by zero
  kInvalidOperation,  // 0 / 0, infinity minus infinity, ...
};

// The user-facing name of a fault kind, used in the fault report.
std::string_view FaultKindName(FaultKind kind);

// Thrown at the check point where a calculation finds a fault. Outputs written
// before the check keep their new text; later outputs are never reached.
class ArithmeticFault : public std::runtime_error {
 public:
  explicit ArithmeticFault(FaultKind kind);
  FaultKind kind() const noexcept { return m_kind; }

 private:
  FaultKind m_kind;
};

// A check point on a Double value that a calculation keeps: a NaN is an invalid
// operation, an infinity an overflow (divisions by zero are caught where they
// happen, by Quotient). Returns the value unchanged when it is sound.
double CheckPoint(double value);

// a / b in double precision. Dividing by zero is a fault: 0 / 0 (or NaN / 0) is
// an invalid operation, any other value over 0 a division by zero.
double Quotient(double a, double b);

}  // namespace tallies
