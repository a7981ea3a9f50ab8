#include "window/window_bindings.h"

#include <initializer_list>
#include <span>

#include "about/about_texts.h"
#include "config/app_config.h"
#include "controls/run_calculator.h"
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

// The form a calculator writes through: every write goes on to the window and is noted.
class Recording : public Controls {
 public:
  explicit Recording(Controls& form) : m_form(form) {}

  std::string Text(std::string_view control) const override { return m_form.Text(control); }
  void SetText(std::string_view control, std::string_view text) override {
    m_form.SetText(control, text);
    Note(control, text);
  }
  void SetCaption(std::string_view control, std::string_view caption) override {
    m_form.SetCaption(control, caption);
    Note(control, caption);
  }
  std::string DecimalSeparator() const override { return m_form.DecimalSeparator(); }

  const std::string& Description() const { return m_description; }

 private:
  void Note(std::string_view control, std::string_view text) {
    if (!m_description.empty()) m_description += "; ";
    m_description += CaptionTextOf(control);
    m_description += ' ';
    m_description += text.empty() ? std::string_view("empty") : text;
  }

  Controls& m_form;
  std::string m_description;
};

}  // namespace

std::string RunAndDescribe(void (*calculator)(Controls&), Controls& form, MessageBox& messages) {
  Recording recording(form);
  if (!RunCalculator(calculator, recording, messages)) return {};
  return recording.Description();
}

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
