#include "conversions/unit_pairs.h"

#include <array>

#include "numeric/arithmetic_fault.h"
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
    {Quantity::kLength, "in", "mm", 25.4, kUnrounded},      // inch -> millimeter
    {Quantity::kLength, "in", "cm", 2.54, kUnrounded},      // inch -> centimeter
    {Quantity::kLength, "in", "m", 0.0254, kUnrounded},     // inch -> meter
    {Quantity::kLength, "ft", "m", 0.3048, kUnrounded},     // foot -> meter
    {Quantity::kLength, "yd", "m", 0.9144, kUnrounded},     // yard -> meter
    {Quantity::kLength, "mi", "km", 1.609347, kUnrounded},  // US statute mile -> kilometer
    // Volume
    {Quantity::kVolume, "in³", "m³", 1.639e-5, kUnrounded},         // cubic inch -> cubic meter
    {Quantity::kVolume, "ft³", "m³", 0.02831685, kUnrounded},       // cubic foot -> cubic meter
    {Quantity::kVolume, "yd³", "m³", 0.7645549, kUnrounded},        // cubic yard -> cubic meter
    {Quantity::kVolume, "fl oz", "ml", 29.57353, kSixPlaces},       // fluid ounce -> milliliter
    {Quantity::kVolume, "fl oz", "m³", 2.957e-5, kUnrounded},       // fluid ounce -> cubic meter
    {Quantity::kVolume, "gal", "l", 3.7854118, kUnrounded},         // US gallon -> liter
    {Quantity::kVolume, "gal", "m³", 0.00378541, kUnrounded},       // US gallon -> cubic meter
    {Quantity::kVolume, "gal (Can.)", "l", 4.546, kUnrounded},      // Canadian gallon -> liter
    {Quantity::kVolume, "gal (Can.)", "m³", 0.004546, kUnrounded},  // Canadian gallon -> cu m
    // Weight
    {Quantity::kMass, "lb", "kg", 0.4535924, kUnrounded},  // pound -> kilogram
    {Quantity::kMass, "ton", "kg", 907.1848, kSixPlaces},  // ton of 2000 lb -> kilogram
    // Weight per length
    // A kip is 1000 pounds, so one kip per linear foot is 1000 times the 1.488 kg/m of
    // the pound-per-linear-foot row below: 1488 kg/m. (0.001488, the pound factor
    // divided by 1000 instead of multiplied, would be a million times too small.)
    {Quantity::kMassPerLength, "klf", "kg/m", 1488.0, kUnrounded},  // kip per linear foot -> kg/m
    {Quantity::kMassPerLength, "plf", "kg/m", 1.488, kUnrounded},   // pound per linear foot -> kg/m
    // Density
    {Quantity::kDensity, "lb/ft³", "kg/m³", 16.01846, kSixPlaces},  // lb/cu ft -> kg/cu m
    {Quantity::kDensity, "lb/yd³", "kg/m³", 0.5933, kUnrounded},    // lb/cu yd -> kg/cu m
    // Area
    {Quantity::kArea, "ft²", "m²", 0.09290304, kUnrounded},  // square foot -> square meter
    {Quantity::kArea, "in²", "m²", 0.00064516, kUnrounded},  // square inch -> square meter
    {Quantity::kArea, "yd²", "m²", 0.83612736, kUnrounded},  // square yard -> square meter
    {Quantity::kArea, "acre", "ha", 0.4047, kUnrounded},     // acre -> hectare
}};

}  // namespace

std::span<const UnitPair> UnitPairTable() { return kUnitPairs; }

double ConvertToB(const UnitPair& pair, double a) { return CheckPoint(a * pair.k); }

double ConvertToA(const UnitPair& pair, double b) {
  const double a = CheckPoint(b / pair.k);
  return pair.decimalsForA ? RoundToDecimals(a, *pair.decimalsForA) : a;
}

}  // namespace tallies
