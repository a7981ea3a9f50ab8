#pragma once

#include <optional>
#include <string>

#include "controls/calculate.h"
#include "numeric/arithmetic_fault.h"

namespace tallies {

class MessageBox;

// The fault report's text: "The calculation stopped: Overflow." and a line asking the user to
// check the values and click Calc again.
std::string FaultReportText(FaultKind kind);

// Runs one calculator over a window's controls, reading the units typed into its fields. An
// arithmetic fault ends it and is reported through `messages`; whatever it wrote before the
// fault stays. A unit of another quantity in a field is reported too, naming the field by its
// caption, and nothing is computed or written. No exception leaves here,
// so none can reach a toolkit's event loop. Every front-end runs its calculators through this
// one function. What the calculation did when it ran to its end, none when it faulted.
std::optional<Calculation> RunCalculator(const Calculator& calculator, Controls& form,
                                         MessageBox& messages);

}  // namespace tallies
