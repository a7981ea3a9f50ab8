#include "controls/run_calculator.h"

#include <exception>

#include "platform/message_box.h"

namespace tallies {

std::string FaultReportText(FaultKind kind) {
  return "The calculation stopped: " + std::string(FaultKindName(kind)) +
         ".\nCheck the values and click Calc again.";
}

std::optional<Calculation> RunCalculator(const Calculator& calculator, Controls& form,
                                         MessageBox& messages) {
  try {
    return Calculate(calculator, form);
  } catch (const ArithmeticFault& fault) {
    messages.Show(FaultReportText(fault.kind()));
  } catch (const std::exception& error) {
    // No calculator throws anything else; should one, the window stays open.
    messages.Show(std::string("The calculation stopped: ") + error.what());
  }
  return std::nullopt;
}

}  // namespace tallies
