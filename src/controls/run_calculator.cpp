#include "controls/run_calculator.h"

#include <exception>

#include "controls/unit_mismatch.h"
#include "layout/metric_captions.h"
#include "platform/message_box.h"

namespace tallies {

std::string FaultReportText(FaultKind kind) {
  return "The calculation stopped: " + std::string(FaultKindName(kind)) +
         ".\nCheck the values and click Calc again.";
}

std::optional<Calculation> RunCalculator(const Calculator& calculator, Controls& form,
                                         MessageBox& messages) {
  try {
    return Calculate(calculator, form, TypedUnits::kRead);
  } catch (const ArithmeticFault& fault) {
    messages.Show(FaultReportText(fault.kind()));
  } catch (const UnitMismatch& mismatch) {
    messages.Show(UnitMismatchText(mismatch, CaptionTextOf(mismatch.control(), calculator.units)));
  } catch (const std::exception& error) {
    // No calculator throws anything else; should one, the window stays open.
    messages.Show(std::string("The calculation stopped: ") + error.what());
  }
  return std::nullopt;
}

}  // namespace tallies
