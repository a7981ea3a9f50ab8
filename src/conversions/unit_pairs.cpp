#include "conversions/unit_pairs.h"

#include <array>
#include <cstddef>
#include <string>
#include <utility>

#include "controls/field_access.h"
#include "numeric/arithmetic_fault.h"
#include "numeric/field_number.h"
#include "numeric/number_format.h"
#include "numeric/single.h"

namespace tallies {
namespace {

// Field A is shown as computed.
constexpr std::optional<int> kUnrounded = std::nullopt;
// Field A is rounded to 6 decimal places before it is shown.
constexpr std::optional<int> kSixPlaces = 6;

// Each factor is the decimal written here and nothing more: pairs that share a
// unit keep factors of their own, none is derived from another.
constexpr std::array<UnitPair, 25> kUnitPairs{{
    // Length
    {"Command2", "txtin1", "txtmm1", 25.4, kUnrounded},    // inch -> millimeter
    {"Command3", "txtin2", "txtcm", 2.54, kUnrounded},     // inch -> centimeter
    {"Command4", "txtin3", "txtm", 0.0254, kUnrounded},    // inch -> meter
    {"Command5", "txtft", "txtm1", 0.3048, kUnrounded},    // foot -> meter
    {"Command6", "txtyd", "txtm2", 0.9144, kUnrounded},    // yard -> meter
    {"Command7", "txtmi", "txtkm", 1.609347, kUnrounded},  // US statute mile -> kilometer
    // Volume
    {"Command8", "txtcuin", "txtcum1", 1.639e-5, kUnrounded},     // cubic inch -> cubic meter
    {"Command9", "txtcuft", "txtcum2", 0.02831685, kUnrounded},   // cubic foot -> cubic meter
    {"Command10", "txtcuyd", "txtcum3", 0.7645549, kUnrounded},   // cubic yard -> cubic meter
    {"Command11", "txtfloz1", "txtml1", 29.57353, kSixPlaces},    // fluid ounce -> milliliter
    {"Command12", "txtfloz2", "txtcum5", 2.957e-5, kUnrounded},   // fluid ounce -> cubic meter
    {"Command13", "txtgal1", "txt11", 3.7854118, kUnrounded},     // US gallon -> liter
    {"Command14", "txtgal2", "txtcum4", 0.00378541, kUnrounded},  // US gallon -> cubic meter
    {"Command15", "txtgal3", "txtl3", 4.546, kUnrounded},         // Canadian gallon -> liter
    {"Command16", "txtgal4", "txtcum6", 0.004546, kUnrounded},    // Canadian gallon -> cu m
    // Weight
    {"Command17", "txtlbwm", "txtkgwm", 0.4535924, kUnrounded},   // pound -> kilogram
    {"Command18", "txttonwm", "txtkgwm2", 907.1848, kSixPlaces},  // ton of 2000 lb -> kilogram
    // Weight per length
    // A kip is 1000 pounds, so one kip per linear foot is 1000 times the 1.488 kg/m of
    // the pound-per-linear-foot row below: 1488 kg/m. (0.001488, the pound factor
    // divided by 1000 instead of multiplied, would be a million times too small.)
    {"Command20", "txtklf", "txtkgm1", 1488.0, kUnrounded},  // kip per linear foot -> kg/m
    {"Command21", "txtplf", "txtkgm2", 1.488, kUnrounded},   // pound per linear foot -> kg/m
    // Density
    {"Command22", "txtpcf", "txtkgcum1", 16.01846, kSixPlaces},   // lb/cu ft -> kg/cu m
    {"Command23", "txtlbcuyd", "txtkgcum2", 0.5933, kUnrounded},  // lb/cu yd -> kg/cu m
    // Area
    {"Command24", "txtsqft", "txtsqm1", 0.09290304, kUnrounded},  // square foot -> square meter
    {"Command25", "txtsqin", "txtsqm2", 0.00064516, kUnrounded},  // square inch -> square meter
    {"Command26", "txtsqyd", "txtsqm3", 0.83612736, kUnrounded},  // square yard -> square meter
    {"Command27", "txtac", "txtha", 0.4047, kUnrounded},          // acre -> hectare
}};

// The click handler of the pair in row I of the table.
template <std::size_t I>
void RunUnitPair(Controls& form) {
  ConvertUnitPair(form, kUnitPairs[I]);
}

template <std::size_t... I>
constexpr std::array<ButtonHandler, sizeof...(I)> MakeUnitPairButtons(std::index_sequence<I...>) {
  return {{ButtonHandler{kUnitPairs[I].button, &RunUnitPair<I>}...}};
}

constexpr auto kUnitPairButtons =
    MakeUnitPairButtons(std::make_index_sequence<kUnitPairs.size()>{});

}  // namespace

std::span<const UnitPair> UnitPairTable() { return kUnitPairs; }

std::span<const ButtonHandler> UnitPairButtons() { return kUnitPairButtons; }

void ConvertUnitPair(Controls& form, const UnitPair& pair) {
  const std::string separator = form.DecimalSeparator();

  // A is tested first, so a click on two empty fields writes 0 into A.
  if (IsFieldEmpty(form.Text(pair.fieldA))) {
    // One division by the factor itself: dividing by a stored reciprocal would
    // change the last digits of some results.
    double y = CheckPoint(ReadDouble(form, pair.fieldB) / pair.k);
    if (pair.decimalsForA) y = RoundToDecimals(y, *pair.decimalsForA);
    form.SetText(pair.fieldA, FormatDouble(y, separator));
    return;
  }

  if (IsFieldEmpty(form.Text(pair.fieldB))) {
    const double y = CheckPoint(ReadDouble(form, pair.fieldA) * pair.k);
    form.SetText(pair.fieldB, FormatDouble(y, separator));
    return;
  }

  // Both fields hold text (a lone blank counts): clear them for a new value.
  form.SetText(pair.fieldA, "");
  form.SetText(pair.fieldB, "");
}

}  // namespace tallies
