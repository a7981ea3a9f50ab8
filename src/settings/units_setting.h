#pragma once

#include <string>
#include <string_view>

#include "numeric/unit_system.h"
#include "settings/settings_store.h"

namespace tallies {

// The settings text holds one "key=value" line per setting; the units are "units=us" or
// "units=metric". Reading is tolerant: blanks around key and value, a carriage return, any case
// of the value and lines of other keys are passed over; a text with no valid units line (a
// damaged file, nonsense) means the designed US units.
UnitSystem UnitsInSettings(std::string_view text);
std::string SettingsTextFor(UnitSystem units);

// The stored choice, US when none can be read.
UnitSystem LoadUnits(const SettingsStore& store);
// Stores the choice; false when it could not be stored.
bool SaveUnits(SettingsStore& store, UnitSystem units);

}  // namespace tallies
