// The general view's calculators: the 25 unit pairs, the six temperatures and the two
// gauge lists.

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <utility>

#include "conversions/temperatures.h"
#include "conversions/unit_pairs.h"
#include "gauges/gauge_tables.h"
#include "layout/window_model.h"
#include "numeric/number_format.h"
#include "window/calculator_catalogue.h"
#include "window/gauge_millimetres.h"

namespace tallies {
namespace {

// The pairs' buttons and fields, row by row of the conversion table (there is no Command19).
struct PairControls {
  std::string_view button;
  std::string_view fieldA;
  std::string_view fieldB;
  Example example;  // typed into A or B; shown in the other
};

using E = Example;

const std::vector<PairControls>& PairControlsTable() {
  static const std::vector<PairControls> table{
      // Length
      {"Command2", "txtin1", "txtmm1", E{{{"txtmm1", "100"}}, {{"txtin1", "3.93700787401575"}}}},
      {"Command3", "txtin2", "txtcm", E{{{"txtin2", "1"}}, {{"txtcm", "2.54"}}}},
      {"Command4", "txtin3", "txtm", E{{{"txtin3", "100"}}, {{"txtm", "2.54"}}}},
      {"Command5", "txtft", "txtm1", E{{{"txtm1", "24"}}, {{"txtft", "78.740157480315"}}}},
      {"Command6", "txtyd", "txtm2", E{{{"txtyd", "1"}}, {{"txtm2", "0.9144"}}}},
      {"Command7", "txtmi", "txtkm", E{{{"txtmi", "1"}}, {{"txtkm", "1.609347"}}}},
      // Volume
      {"Command8", "txtcuin", "txtcum1", E{{{"txtcuin", "10000"}}, {{"txtcum1", "0.1639"}}}},
      {"Command9", "txtcuft", "txtcum2", E{{{"txtcuft", "100"}}, {{"txtcum2", "2.831685"}}}},
      {"Command10", "txtcuyd", "txtcum3", E{{{"txtcuyd", "1"}}, {{"txtcum3", "0.7645549"}}}},
      // Fluid ounces are rounded to 6 places, milliliters never.
      {"Command11", "txtfloz1", "txtml1", E{{{"txtml1", "100"}}, {{"txtfloz1", "3.381402"}}}},
      {"Command12", "txtfloz2", "txtcum5", E{{{"txtfloz2", "10000"}}, {{"txtcum5", "0.2957"}}}},
      {"Command13", "txtgal1", "txt11", E{{{"txtgal1", "1"}}, {{"txt11", "3.7854118"}}}},
      {"Command14", "txtgal2", "txtcum4", E{{{"txtgal2", "100"}}, {{"txtcum4", "0.378541"}}}},
      {"Command15", "txtgal3", "txtl3", E{{{"txtgal3", "1"}}, {{"txtl3", "4.546"}}}},
      {"Command16", "txtgal4", "txtcum6", E{{{"txtgal4", "100"}}, {{"txtcum6", "0.4546"}}}},
      // Weight
      {"Command17", "txtlbwm", "txtkgwm", E{{{"txtkgwm", "1"}}, {{"txtlbwm", "2.20462247603796"}}}},
      {"Command18", "txttonwm", "txtkgwm2", E{{{"txtkgwm2", "1000"}}, {{"txttonwm", "1.102311"}}}},
      // Weight per length: a kip per linear foot is a thousand pounds per linear foot.
      {"Command20", "txtklf", "txtkgm1", E{{{"txtklf", "1"}}, {{"txtkgm1", "1488"}}}},
      {"Command21", "txtplf", "txtkgm2", E{{{"txtplf", "1000"}}, {{"txtkgm2", "1488"}}}},
      // Density
      {"Command22", "txtpcf", "txtkgcum1", E{{{"txtkgcum1", "1000"}}, {{"txtpcf", "62.427974"}}}},
      {"Command23", "txtlbcuyd", "txtkgcum2",
       E{{{"txtkgcum2", "1"}}, {{"txtlbcuyd", "1.68548794876117"}}}},
      // Area
      {"Command24", "txtsqft", "txtsqm1", E{{{"txtsqft", "10"}}, {{"txtsqm1", "0.9290304"}}}},
      {"Command25", "txtsqin", "txtsqm2", E{{{"txtsqin", "1000"}}, {{"txtsqm2", "0.64516"}}}},
      {"Command26", "txtsqyd", "txtsqm3", E{{{"txtsqyd", "1"}}, {{"txtsqm3", "0.83612736"}}}},
      {"Command27", "txtac", "txtha", E{{{"txtac", "10"}}, {{"txtha", "4.047"}}}},
  };
  return table;
}

std::string N(double value) { return FormulaNumber(value); }

Calculator UnitPairCalculator(const PairControls& controls, const UnitPair& pair) {
  const std::string a(CaptionTextOf(controls.fieldA));
  const std::string b(CaptionTextOf(controls.fieldB));
  Calculator calculator{
      .control = controls.button, .name = a + " and " + b, .kind = CalculatorKind::kFillEmpty};
  calculator.inputs = {{controls.fieldA, pair.quantity, pair.unitA, Precision::kDouble},
                       {controls.fieldB, pair.quantity, pair.unitB, Precision::kDouble}};
  // A is tested first, so a click on two empty fields writes 0 into A.
  calculator.solutions = {
      {{1}, [&pair](Inputs in) { return ConvertToA(pair, in[0]); }},
      {{0}, [&pair](Inputs in) { return ConvertToB(pair, in[0]); }},
  };
  const std::string k = N(pair.k);
  calculator.formula =
      "Fills the empty field: " + b + " = " + a + " × " + k + "; " + a + " = " + b + " ÷ " + k;
  if (pair.decimalsForA)
    calculator.formula += ", to " + std::to_string(*pair.decimalsForA) + " decimals";
  // The field left empty is the one the example fills.
  Example example = controls.example;
  const std::string_view typed = example.given.front().first;
  example.given.push_back({typed == controls.fieldA ? controls.fieldB : controls.fieldA, ""});
  calculator.examples = {std::move(example)};
  return calculator;
}

// A one-way temperature row: one field, one result label, both Doubles.
Calculator Temperature(std::string_view button, std::string_view name, std::string_view field,
                       std::string_view fieldUnit, std::string_view label,
                       std::string_view labelUnit, double (*convert)(double), std::string formula,
                       Example example) {
  Calculator calculator{.control = button, .name = std::string(name)};
  calculator.inputs = {{field, Quantity::kTemperature, fieldUnit, Precision::kDouble}};
  calculator.outputs = {{{label, Quantity::kTemperature, labelUnit, Precision::kDouble},
                         [convert](Inputs in) { return convert(in[0]); }}};
  calculator.formula = std::move(formula);
  calculator.examples = {std::move(example)};
  return calculator;
}

// A gauge list: the chosen gauge's stored thickness text is shown in the label.
Calculator GaugeList(std::string_view list, std::string_view name, std::string_view label,
                     std::span<const GaugeRow> table, std::string formula, Example example) {
  Calculator calculator{
      .control = list, .name = std::string(name), .kind = CalculatorKind::kLookup};
  calculator.inputs = {{list, Quantity::kGauge, "", Precision::kDouble}};
  calculator.outputs = {{{label, Quantity::kLength, "in", Precision::kDouble}, {}}};
  for (const GaugeRow& row : table) calculator.entries.push_back(row.gauge);
  calculator.lookup = [table](std::string_view gauge) { return FindGaugeThickness(table, gauge); };
  calculator.formula = std::move(formula);
  calculator.examples = {std::move(example)};
  return calculator;
}

// The same list in metric units: the thickness in millimetres, converted once from each
// stored inch text (see GaugeMillimetres) and kept with the catalogue, whose life is the
// program's.
Calculator MetricGaugeList(Calculator calculator, std::span<const GaugeRow> table,
                           std::string formula, Example example) {
  calculator.units = UnitSystem::kMetric;
  calculator.outputs.front().port.unit = "mm";
  auto millimetres = std::make_shared<std::map<std::string_view, std::string>>();
  for (const GaugeRow& row : table) {
    if (millimetres->count(row.gauge) != 0) continue;  // the first row of a gauge is shown
    if (std::optional<std::string> mm = GaugeMillimetres(row.thickness)) {
      millimetres->emplace(row.gauge, std::move(*mm));
    }
  }
  calculator.lookup = [millimetres](std::string_view gauge) -> std::optional<std::string_view> {
    const auto found = millimetres->find(gauge);
    if (found == millimetres->end()) return std::nullopt;
    return std::string_view(found->second);
  };
  calculator.formula = std::move(formula);
  calculator.examples = {std::move(example)};
  return calculator;
}

}  // namespace

std::span<const UnitPairPlace> UnitPairPlaces() {
  static const std::vector<UnitPairPlace> places = [] {
    std::vector<UnitPairPlace> all;
    const std::span<const UnitPair> pairs = UnitPairTable();
    for (std::size_t i = 0; i < pairs.size() && i < PairControlsTable().size(); ++i) {
      const PairControls& row = PairControlsTable()[i];
      all.push_back({row.button, row.fieldA, row.fieldB, &pairs[i]});
    }
    return all;
  }();
  return places;
}

void AddGeneralCalculators(std::vector<Calculator>& catalogue, UnitSystem system) {
  const std::size_t first = catalogue.size();
  const std::span<const UnitPair> pairs = UnitPairTable();
  for (std::size_t i = 0; i < pairs.size() && i < PairControlsTable().size(); ++i) {
    catalogue.push_back(UnitPairCalculator(PairControlsTable()[i], pairs[i]));
  }

  const std::string f = N(kFahrenheitAtFreezing);
  const std::string c = N(kFahrenheitPerCelsius);
  const std::string k = N(kKelvinAtFreezing);
  const std::string five = N(kCelsiusDegrees);
  const std::string nine = N(kFahrenheitDegrees);
  catalogue.push_back(
      Temperature("Command28", "Fahrenheit to Celsius", "txtFahrenheit1", "°F", "lblCelsius1", "°C",
                  &CelsiusFromFahrenheit, "Celsius = (Fahrenheit − " + f + ") ÷ " + c,
                  {{{"txtFahrenheit1", ""}}, {{"lblCelsius1", "-17.7777777777778"}}}));
  catalogue.push_back(Temperature("Command29", "Celsius to Fahrenheit", "txtCelsius1", "°C",
                                  "lblFahrenheit1", "°F", &FahrenheitFromCelsius,
                                  "Fahrenheit = Celsius × " + c + " + " + f,
                                  {{{"txtCelsius1", "37"}}, {{"lblFahrenheit1", "98.6"}}}));
  catalogue.push_back(
      Temperature("Command30", "Fahrenheit to Kelvin", "txtFahrenheit2", "°F", "lblKelvin1", "K",
                  &KelvinFromFahrenheit,
                  "Kelvin = (Fahrenheit − " + f + ") × " + five + " ÷ " + nine + " + " + k,
                  {{{"txtFahrenheit2", "212"}}, {{"lblKelvin1", "373"}}}));
  catalogue.push_back(
      Temperature("Command31", "Kelvin to Fahrenheit", "txtKelvin1", "K", "lblFahrenheit2", "°F",
                  &FahrenheitFromKelvin,
                  "Fahrenheit = (Kelvin − " + k + ") × " + nine + " ÷ " + five + " + " + f,
                  {{{"txtKelvin1", "0"}}, {{"lblFahrenheit2", "-459.4"}}}));
  catalogue.push_back(Temperature("Command32", "Celsius to Kelvin", "txtCelsius2", "°C",
                                  "lblKelvin2", "K", &KelvinFromCelsius, "Kelvin = Celsius + " + k,
                                  {{{"txtCelsius2", "-300"}}, {{"lblKelvin2", "-27"}}}));
  catalogue.push_back(Temperature(
      "Command33", "Kelvin to Celsius", "txtKelvin2", "K", "lblCelsius2", "°C", &CelsiusFromKelvin,
      "Celsius = Kelvin − " + k, {{{"txtKelvin2", "0"}}, {{"lblCelsius2", "-273"}}}));

  Calculator sheet = GaugeList(
      "Combo1", "Sheet-metal gauge", "lblSteelGauge", SheetMetalGaugeTable(),
      "Thickness (in.) of the chosen sheet-metal gauge, Manufacturers' Standard Gauge for sheet "
      "steel",
      {{{"Combo1", "38"}}, {{"lblSteelGauge", "0.0060"}}});
  Calculator wire = GaugeList("Combo2", "Wire gauge", "lblWireGauge", WireGaugeTable(),
                              "Diameter (in.) of the chosen wire gauge, American Wire Gauge",
                              {{{"Combo2", "56"}}, {{"lblWireGauge", "0.00049"}}});
  if (system == UnitSystem::kMetric) {
    const std::string times = " × " + N(kMillimetresPerInch) + ", to " +
                              std::to_string(kGaugeMillimetreDigits) + " significant digits";
    sheet = MetricGaugeList(
        std::move(sheet), SheetMetalGaugeTable(),
        "Thickness (mm) of the chosen sheet-metal gauge, Manufacturers' Standard Gauge for "
        "sheet steel: its thickness in inches" +
            times,
        {{{"Combo1", "38"}}, {{"lblSteelGauge", "0.1524"}}});
    wire = MetricGaugeList(std::move(wire), WireGaugeTable(),
                           "Diameter (mm) of the chosen wire gauge, American Wire Gauge: its "
                           "diameter in inches" +
                               times,
                           {{{"Combo2", "56"}}, {{"lblWireGauge", "0.01245"}}});
  }
  catalogue.push_back(std::move(sheet));
  catalogue.push_back(std::move(wire));
  // The conversions speak both systems' units at once: in the metric catalogue they are the
  // same calculators, named in messages by the same captions.
  for (std::size_t i = first; i < catalogue.size(); ++i) catalogue[i].units = system;
}

}  // namespace tallies
