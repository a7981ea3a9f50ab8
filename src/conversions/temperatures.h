#pragma once

#include <span>

#include "controls/button_handler.h"
#include "controls/controls.h"

namespace tallies {

// The six one-way converters of the temperature tab. Each reads its input field
// (an empty field reads as 0), converts in Double and writes the caption of its
// result label; nothing else is touched. The Kelvin scale is offset by 273.
// A result beyond the Double range is an overflow ArithmeticFault, thrown before
// the label is written.
void Command28_Click(Controls& form);  // txtFahrenheit1 -> lblCelsius1
void Command29_Click(Controls& form);  // txtCelsius1    -> lblFahrenheit1
void Command30_Click(Controls& form);  // txtFahrenheit2 -> lblKelvin1
void Command31_Click(Controls& form);  // txtKelvin1     -> lblFahrenheit2
void Command32_Click(Controls& form);  // txtCelsius2    -> lblKelvin2
void Command33_Click(Controls& form);  // txtKelvin2     -> lblCelsius2

// The six buttons with their handlers, Command28 to Command33.
std::span<const ButtonHandler> TemperatureButtons();

}  // namespace tallies
