#include "controls/run_calculator.h"

#include <exception>

#include "platform/message_box.h"

namespace tallies {

std::string FaultReportText(FaultKind kind) {
  return "The calculation stopped: " + std::string(FaultKindName(kind)) +
         ".\nCheck the values and click Calc again.";
}

bool RunCalculator(void (*handler)(Controls&), Controls& form, MessageBox& messages) {
  try {
    handler(form);
    return true;
  } catch (const ArithmeticFault& fault) {
    messages.Show(FaultReportText(fault.kind()));
  } catch (const std::exception& error) {
    // No calculator throws anything else; should one, the window stays open.
    messages.Show(std::string("The calculation stopped: ") + error.what());
  }
  return false;
}

}  // namespace tallies
