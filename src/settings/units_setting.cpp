#include "settings/units_setting.h"

#include <optional>

namespace tallies {
namespace {

constexpr std::string_view kUnitsKey = "units";
constexpr std::string_view kBlanks = " \t\r";

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char c = a[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != b[i]) return false;
  }
  return true;
}

std::optional<UnitSystem> UnitsOfValue(std::string_view value) {
  if (EqualsIgnoringCase(value, "us")) return UnitSystem::kUS;
  if (EqualsIgnoringCase(value, "metric")) return UnitSystem::kMetric;
  return std::nullopt;
}

}  // namespace

UnitSystem UnitsInSettings(std::string_view text) {
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || Trimmed(line.substr(0, equals)) != kUnitsKey) continue;
    if (const auto units = UnitsOfValue(Trimmed(line.substr(equals + 1)))) return *units;
  }
  return UnitSystem::kUS;
}

std::string SettingsTextFor(UnitSystem units) {
  return std::string(kUnitsKey) + (units == UnitSystem::kMetric ? "=metric\n" : "=us\n");
}

UnitSystem LoadUnits(const SettingsStore& store) {
  const std::optional<std::string> text = store.Load();
  return text ? UnitsInSettings(*text) : UnitSystem::kUS;
}

bool SaveUnits(SettingsStore& store, UnitSystem units) {
  return store.Save(SettingsTextFor(units));
}

}  // namespace tallies
