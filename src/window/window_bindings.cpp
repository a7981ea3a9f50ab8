#include "window/window_bindings.h"

#include <initializer_list>
#include <span>

#include "about/about_texts.h"
#include "config/app_config.h"
#include "conversions/temperatures.h"
#include "conversions/unit_pairs.h"
#include "gauges/gauge_lists.h"
#include "gauges/gauge_tables.h"
#include "hydraulic/hydraulic_buttons.h"

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

ControlAction ActionOf(std::string_view control) {
  for (const WindowAction& entry : kWindowActions) {
    if (entry.control == control) return {entry.action};
  }
  if (const ViewLayout* view = ViewOfOption(control)) return {Action::kShowView, nullptr, view};
  for (auto calculators :
       {HydraulicButtons(), UnitPairButtons(), TemperatureButtons(), GaugeLists()}) {
    for (const ButtonHandler& entry : calculators) {
      if (entry.control == control) return {Action::kCalculate, entry.handler};
    }
  }
  return {};
}

std::vector<std::string_view> ListEntries(std::string_view list) {
  std::vector<std::string_view> entries;
  for (const GaugeRow& row : GaugeTableOf(list)) entries.push_back(row.gauge);
  return entries;
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
