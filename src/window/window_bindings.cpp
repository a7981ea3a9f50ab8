#include "window/window_bindings.h"

#include <optional>

#include "about/about_texts.h"
#include "config/app_config.h"
#include "controls/run_calculator.h"
#include "layout/metric_captions.h"
#include "window/calculator_catalogue.h"
#include "window/formulas.h"

namespace tallies {
namespace {

// The controls of the windows that run no calculator.
struct WindowAction {
  std::string_view control;
  Action action;
};
constexpr WindowAction kWindowActions[] = {
    {"cmdAbout", Action::kShowAbout},   {"Label3", Action::kOpenSite},
    {"cmdOK", Action::kCloseBox},       {"cmdSysInfo", Action::kStartSysInfo},
    {"cboUnits", Action::kChooseUnits},
    {"cmdHistory", Action::kShowHistory},
    {"cmdRecall", Action::kRecallEntry},
    {"cmdCopy", Action::kCopyEntry},
    {"cmdCopyTable", Action::kCopyEntryTable},
    {"cmdCopyLink", Action::kCopyEntryLink},
    {"cmdDelete", Action::kDeleteEntry},
    {"cmdExport", Action::kExportHistory},
    {"cmdPrint", Action::kPrintHistory},
    {"cmdClear", Action::kClearHistory},
    {"cmdCloseHistory", Action::kCloseHistory},
};

// The units list's entries, in list order.
struct UnitsChoice {
  UnitSystem system;
  std::string_view entry;
};
constexpr UnitsChoice kUnitsChoices[] = {
    {UnitSystem::kUS, "US"},
    {UnitSystem::kMetric, "Metric"},
};

// The unit a written control is spoken with: its port's, where the two systems give it different
// units (so "8.751458" is never heard without saying whether it is hp or kW); none where the
// caption's unit is the same in both.
std::string_view SpokenUnit(std::string_view control, UnitSystem system) {
  const Port* port = PortOf(control, system);
  const Port* us = PortOf(control, UnitSystem::kUS);
  const Port* metric = PortOf(control, UnitSystem::kMetric);
  if (port == nullptr || us == nullptr || metric == nullptr || us->unit == metric->unit) return {};
  return port->unit;
}

}  // namespace

std::string DescribeWrites(const Calculation& calculation) {
  const UnitSystem units = calculation.calculator ? calculation.calculator->units : UnitSystem::kUS;
  std::string description;
  for (const FieldWrite& write : calculation.writes) {
    if (!description.empty()) description += "; ";
    description += CaptionTextOf(write.control, units);
    description += ' ';
    if (write.text.empty()) {
      description += "empty";
      continue;
    }
    description += write.text;
    if (const std::string_view unit = SpokenUnit(write.control, units); !unit.empty()) {
      description += ' ';
      description += unit;
    }
  }
  return description;
}

std::string RunAndDescribe(const Calculator& calculator, Controls& form, MessageBox& messages) {
  const std::optional<Calculation> done = RunCalculator(calculator, form, messages);
  return done ? DescribeWrites(*done) : std::string();
}

std::string DescriptionAfterCalc(std::string_view said, std::string_view control,
                                 UnitSystem system) {
  return std::string(said) + ". " + FormulaOf(control, system);
}

ControlAction ActionOf(std::string_view control) { return ActionOf(control, UnitSystem::kUS); }

ControlAction ActionOf(std::string_view control, UnitSystem system) {
  for (const WindowAction& entry : kWindowActions) {
    if (entry.control == control) return {entry.action};
  }
  if (const ViewLayout* view = ViewOfOption(control)) return {Action::kShowView, nullptr, view};
  if (const Calculator* calculator = CalculatorOf(control, system)) {
    return {Action::kCalculate, calculator};
  }
  return {};
}

std::string_view UnitsEntry(UnitSystem system) {
  for (const UnitsChoice& choice : kUnitsChoices) {
    if (choice.system == system) return choice.entry;
  }
  return {};
}

std::optional<UnitSystem> UnitsOfEntry(std::string_view entry) {
  for (const UnitsChoice& choice : kUnitsChoices) {
    if (choice.entry == entry) return choice.system;
  }
  return std::nullopt;
}

bool TakesTypedText(std::string_view list) { return CalculatorOf(list) != nullptr; }

std::vector<std::string_view> ListEntries(std::string_view list) {
  if (ActionOf(list).action == Action::kChooseUnits) {
    std::vector<std::string_view> entries;
    for (const UnitsChoice& choice : kUnitsChoices) entries.push_back(choice.entry);
    return entries;
  }
  const Calculator* calculator = CalculatorOf(list);
  return calculator ? calculator->entries : std::vector<std::string_view>();
}

std::string InitialText(const ControlRow& row) {
  if (row.kind == ControlKind::kLinkLabel)
    return std::string(row.text) + std::string(kVendorSiteName);
  if (row.name == "lblDescription") return AboutDescriptionText();
  if (row.name == "lblDisclaimer") return AboutDisclaimerText();
  return std::string(row.text);
}

std::string AboutLoadedCaption() { return AboutCaption(); }

std::vector<ControlText> AboutLoadedTexts() {
  return {{"lblVersion", AboutVersionText()}, {"lblTitle", std::string(kApplicationTitle)}};
}

SampleProblem SampleProblemOf(const ViewLayout& view) {
  // 10 gallons per minute at 1500 PSI; 100 millimetres in inches.
  if (view.tabSet == "SSTabGen") return {{{"txtmm1", "100"}}, "Command2"};
  return {{{"txtGPM", "10"}, {"txtPSI", "1500"}}, "cmdHP"};
}

}  // namespace tallies
