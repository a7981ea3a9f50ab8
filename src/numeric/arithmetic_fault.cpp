#include "numeric/arithmetic_fault.h"

#include <cmath>
#include <string>

namespace tallies {

std::string_view FaultKindName(FaultKind kind) {
  switch (kind) {
    case FaultKind::kOverflow:
      return "Overflow";
    case FaultKind::kDivisionByZero:
      return "Division by zero";
    case FaultKind::kInvalidOperation:
      return "Invalid operation";
  }
  return "Arithmetic fault";
}

ArithmeticFault::ArithmeticFault(FaultKind kind)
    : std::runtime_error(std::string(FaultKindName(kind))), m_kind(kind) {}

double CheckPoint(double value) {
  if (std::isnan(value)) throw ArithmeticFault(FaultKind::kInvalidOperation);
  if (std::isinf(value)) throw ArithmeticFault(FaultKind::kOverflow);
  return value;
}

double Quotient(double a, double b) {
  if (b == 0.0) {
    throw ArithmeticFault(a == 0.0 || std::isnan(a) ? FaultKind::kInvalidOperation
                                                    : FaultKind::kDivisionByZero);
  }
  return a / b;
}

}  // namespace tallies
