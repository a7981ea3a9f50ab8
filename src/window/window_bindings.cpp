#include "window/window_bindings.h"

#include <optional>

#include "about/about_texts.h"
#include "config/app_config.h"
#include "controls/run_calculator.h"
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
    {"cmdAbout", Action::kShowAbout},
    {"Label3", Action::kOpenSite},
    {"cmdOK", Action::kCloseBox},
    {"cmdSysInfo", Action::kStartSysInfo},
};

}  // namespace

std::string DescribeWrites(const Calculation& calculation) {
  std::string description;
  for (const FieldWrite& write : calculation.writes) {
    if (!description.empty()) description += "; ";
    description += CaptionTextOf(write.control);
    description += ' ';
    description += write.text.empty() ? std::string_view("empty") : std::string_view(write.text);
  }
  return description;
}

std::string RunAndDescribe(const Calculator& calculator, Controls& form, MessageBox& messages) {
  const std::optional<Calculation> done = RunCalculator(calculator, form, messages);
  return done ? DescribeWrites(*done) : std::string();
}

std::string DescriptionAfterCalc(std::string_view said, std::string_view control) {
  return std::string(said) + ". " + FormulaOf(control);
}

ControlAction ActionOf(std::string_view control) {
  for (const WindowAction& entry : kWindowActions) {
    if (entry.control == control) return {entry.action};
  }
  if (const ViewLayout* view = ViewOfOption(control)) return {Action::kShowView, nullptr, view};
  if (const Calculator* calculator = CalculatorOf(control)) {
    return {Action::kCalculate, calculator};
  }
  return {};
}

std::vector<std::string_view> ListEntries(std::string_view list) {
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
