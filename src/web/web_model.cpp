#include "web/web_model.h"

#include <algorithm>
#include <utility>

#include "about/start_sys_info.h"
#include "config/app_config.h"
#include "controls/run_calculator.h"
#include "layout/about_layout.h"
#include "layout/history_layout.h"
#include "layout/window_model.h"
#include "platform/message_box.h"
#include "record/history_texts.h"
#include "settings/units_setting.h"
#include "web/json_writer.h"
#include "window/calculator_catalogue.h"
#include "window/formulas.h"
#include "window/units_switch.h"
#include "window/window_bindings.h"

namespace tallies {
namespace {

// The names the page knows each kind, background and action by, one a line as in a table.
// clang-format off
std::string_view KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::kCaption: return "caption";
    case ControlKind::kResult: return "result";
    case ControlKind::kField: return "field";
    case ControlKind::kButton: return "button";
    case ControlKind::kPicture: return "picture";
    case ControlKind::kList: return "list";
    case ControlKind::kTabSet: return "tabset";
    case ControlKind::kLinkLabel: return "link";
    case ControlKind::kOptionButton: return "option";
    case ControlKind::kEntryList: return "entrylist";
    case ControlKind::kTextView: return "textview";
  }
  return "caption";
}

std::string_view BackgroundName(Background background) {
  switch (background) {
    case Background::kDefault: return "default";
    case Background::kWindowGrey: return "window";
    case Background::kToolTip: return "tooltip";
    case Background::kResult: return "result";
  }
  return "default";
}

std::string_view ActionName(Action action) {
  switch (action) {
    case Action::kNone: return "none";
    case Action::kCalculate: return "calculate";
    case Action::kShowView: return "view";
    case Action::kShowAbout: return "about";
    case Action::kOpenSite: return "site";
    case Action::kCloseBox: return "close";
    case Action::kStartSysInfo: return "sysinfo";
    case Action::kChooseUnits: return "units";
    case Action::kShowHistory: return "history";
    case Action::kRecallEntry: return "recall";
    case Action::kCopyEntry: return "copy";
    case Action::kCopyEntryTable: return "copytable";
    case Action::kCopyEntryLink: return "copylink";
    case Action::kDeleteEntry: return "delete";
    case Action::kExportHistory: return "export";
    case Action::kPrintHistory: return "print";
    case Action::kClearHistory: return "clear";
    case Action::kCloseHistory: return "closehistory";
  }
  return "none";
}
// clang-format on

std::string CssColour(Rgb colour) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string css = "#";
  for (const int part : {colour.red, colour.green, colour.blue}) {
    css += kHex[(part >> 4) & 15];
    css += kHex[part & 15];
  }
  return css;
}

// A caption's "&" marks its access key and is not shown; "&&" shows one "&".
struct Caption {
  std::string shown;
  std::string accessKey;
};
Caption SplitAccessKey(std::string_view text) {
  Caption caption;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) {
      ++i;
      if (text[i] != '&' && caption.accessKey.empty()) caption.accessKey = std::string(1, text[i]);
    }
    caption.shown += text[i];
  }
  return caption;
}

void WriteRect(JsonWriter& json, int left, int top, int width, int height) {
  const PixelRect rect = TwipsToPixels(left, top, width, height);
  json.Key("rect").BeginArray();
  json.Number(rect.left).Number(rect.top).Number(rect.width).Number(rect.height);
  json.EndArray();
}

void WriteControl(JsonWriter& json, const ControlRow& row, std::string_view parent, int tab) {
  const Caption caption = SplitAccessKey(InitialText(row));
  const ControlAction action = ActionOf(row.name);
  json.BeginObject();
  json.Key("name").String(row.name);
  json.Key("kind").String(KindName(row.kind));
  json.Key("text").String(caption.shown);
  if (!caption.accessKey.empty()) json.Key("accessKey").String(caption.accessKey);
  json.Key("parent").String(parent);
  json.Key("tab").Number(tab);
  WriteRect(json, row.left, row.top, row.width, row.height);
  json.Key("focus").Bool(TakesFocus(row.kind));
  json.Key("background").String(BackgroundName(row.background));
  json.Key("wraps").Bool(WrapsText(row));
  json.Key("action").String(ActionName(action.action));
  if (row.kind == ControlKind::kPicture) {
    const PictureDesign& design = DesignOf(row.picture);
    json.Key("picture").String(design.file);
    json.Key("fit").String(design.fit == PictureFit::kStretch ? "stretch" : "natural");
    json.Key("description").String(design.description);
  }
  if (const std::string_view named = CaptionOf(row.name); !named.empty()) {
    json.Key("caption").String(named);
  }
  if (action.action == Action::kCalculate) json.Key("formula").String(FormulaOf(row.name));
  if (row.kind == ControlKind::kList) {
    json.Key("entries").BeginArray();
    for (const std::string_view entry : ListEntries(row.name)) json.String(entry);
    json.EndArray();
    json.Key("typedText").Bool(TakesTypedText(row.name));
  }
  if (row.kind == ControlKind::kOptionButton) json.Key("groupStart").Bool(StartsOptionGroup(row));
  json.EndObject();
}

// The names of the controls that take the focus, in the window's keyboard order.
void WriteFocusOrder(JsonWriter& json, const std::vector<const ControlRow*>& rows) {
  json.Key("focusOrder").BeginArray();
  for (const ControlRow* row : rows) json.String(row->name);
  json.EndArray();
}

void WritePairs(JsonWriter& json, std::string_view key, const std::vector<ExampleText>& pairs) {
  json.Key(key).BeginArray();
  for (const auto& [control, text] : pairs)
    json.BeginArray().String(control).String(text).EndArray();
  json.EndArray();
}

void WriteExamples(JsonWriter& json, std::string_view key, const std::vector<Example>& examples) {
  json.Key(key).BeginArray();
  for (const Example& example : examples) {
    json.BeginObject();
    WritePairs(json, "given", example.given);
    WritePairs(json, "shown", example.shown);
    if (example.fault) {
      json.Key("fault").BeginObject();
      json.Key("kind").String(FaultKindName(*example.fault));
      json.Key("message").String(FaultReportText(*example.fault));
      json.EndObject();
    }
    json.EndObject();
  }
  json.EndArray();
}

bool SameExamples(const std::vector<Example>& a, const std::vector<Example>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const Example& x, const Example& y) {
    return x.given == y.given && x.shown == y.shown && x.fault == y.fault;
  });
}

// Each calculator's worked examples, the one table every test of the page runs: in US units,
// and in metric units where they are others.
void WriteCalculators(JsonWriter& json) {
  static constexpr std::string_view kKinds[] = {"formula", "fillEmpty", "lookup"};
  json.Key("calculators").BeginArray();
  for (const Calculator& calculator : CalculatorCatalogue()) {
    json.BeginObject();
    json.Key("control").String(calculator.control);
    json.Key("kind").String(kKinds[static_cast<int>(calculator.kind)]);
    json.Key("name").String(calculator.name);
    const Calculator* metric = CalculatorOf(calculator.control, UnitSystem::kMetric);
    // What it reads and what it shows, in reading order, each result with its unit.
    json.Key("inputs").BeginArray();
    for (const Port& input : calculator.inputs) json.String(input.control);
    json.EndArray();
    json.Key("outputs").BeginArray();
    for (std::size_t i = 0; i < calculator.outputs.size(); ++i) {
      const Port& port = calculator.outputs[i].port;
      json.BeginObject();
      json.Key("control").String(port.control);
      json.Key("unit").String(port.unit);
      json.Key("metricUnit").String(metric ? metric->outputs.at(i).port.unit : port.unit);
      json.EndObject();
    }
    json.EndArray();
    WriteExamples(json, "examples", calculator.examples);
    if (metric && !SameExamples(metric->examples, calculator.examples)) {
      WriteExamples(json, "metricExamples", metric->examples);
    }
    json.EndObject();
  }
  json.EndArray();
}

void WriteMainWindow(JsonWriter& json) {
  json.Key("title").String(MainWindowTitle());
  json.Key("size").BeginArray();
  json.Number(TwipsToPixels(kMainWindowWidth)).Number(TwipsToPixels(kMainWindowHeight));
  json.EndArray();
  json.Key("views").BeginArray();
  for (const ViewLayout& view : Views()) {
    json.BeginObject();
    json.Key("name").String(view.name);
    json.Key("option").String(view.option);
    json.Key("tabSet").String(view.tabSet);
    json.EndObject();
  }
  json.EndArray();
  json.Key("initialFocus").String(InitialFocus());
  WriteFocusOrder(json, MainWindowFocusOrder());
  json.Key("tabSets").BeginArray();
  for (const TabSetLayout& set : TabSets()) {
    json.BeginObject();
    json.Key("name").String(set.name);
    json.Key("parent").String(set.parent);
    json.Key("parentTab").Number(set.parentTab);
    json.Key("captions").BeginArray();
    for (const std::string_view caption : set.captions) json.String(caption);
    json.EndArray();
    json.Key("tabsPerRow").Number(set.tabsPerRow);
    json.Key("background").String(BackgroundName(set.background));
    json.EndObject();
  }
  json.EndArray();
  json.Key("controls").BeginArray();
  for (const ControlRow& row : WindowControls()) WriteControl(json, row, kMainWindowName, -1);
  for (const auto pages : {HydraulicPages(), GeneralPages()}) {
    for (const PageLayout& page : pages) {
      for (const ControlRow& row : page.controls) WriteControl(json, row, page.tabSet, page.tab);
    }
  }
  json.EndArray();
}

void WriteAboutBox(JsonWriter& json) {
  json.Key("about").BeginObject();
  json.Key("caption").String(AboutLoadedCaption());
  json.Key("size").BeginArray();
  json.Number(TwipsToPixels(kAboutClientWidth)).Number(TwipsToPixels(kAboutClientHeight));
  json.EndArray();
  json.Key("iconPixels").Number(kAboutIconPixels);
  WriteFocusOrder(json, AboutFocusOrder());
  json.Key("controls").BeginArray();
  for (const ControlRow& row : AboutControls()) WriteControl(json, row, kAboutBoxName, -1);
  json.EndArray();
  json.Key("lines").BeginArray();
  for (const AboutLine& line : AboutLines()) {
    json.BeginObject();
    json.Key("x1").Number(TwipsToPixels(line.x1));
    json.Key("x2").Number(TwipsToPixels(line.x2));
    json.Key("y").Number(TwipsToPixels(line.y));
    json.Key("thickness").Number(line.thickness);
    json.Key("colour").String(CssColour({line.red, line.green, line.blue}));
    json.EndObject();
  }
  json.EndArray();
  json.Key("loaded").BeginArray();
  for (const ControlText& loaded : AboutLoadedTexts()) {
    json.BeginObject();
    json.Key("control").String(loaded.control);
    json.Key("text").String(loaded.text);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
}

// The History window: its title, the shortcut that shows it, its texts, its size and controls.
void WriteHistoryWindow(JsonWriter& json) {
  json.Key("history").BeginObject();
  json.Key("title").String(kHistoryTitle);
  json.Key("shortcut").String(kHistoryShortcut);
  json.Key("emptyText").String(kEmptyHistoryText);
  json.Key("clearQuestion").String(kClearHistoryQuestion);
  json.Key("notStoredNotice").String(kHistoryNotStoredNotice);
  json.Key("size").BeginArray();
  json.Number(TwipsToPixels(kHistoryClientWidth)).Number(TwipsToPixels(kHistoryClientHeight));
  json.EndArray();
  WriteFocusOrder(json, HistoryFocusOrder());
  json.Key("controls").BeginArray();
  for (const ControlRow& row : HistoryControls()) WriteControl(json, row, kHistoryWindowName, -1);
  json.EndArray();
  json.EndObject();
}

// The texts written since the last writes were taken, each result with how it is drawn.
void WriteWrites(JsonWriter& json, WebForm& form) {
  json.Key("writes").BeginArray();
  for (const WebForm::Write& write : form.TakeWrites()) {
    json.BeginObject();
    json.Key("control").String(write.control);
    json.Key("text").String(write.text);
    json.Key("caption").Bool(write.caption);
    const ControlRow* row = FindControl(write.control);
    if (row && row->kind == ControlKind::kResult) {
      const FittedResult fitted = form.Fit(*row, write.text);
      json.Key("points").Number(fitted.points);
      json.Key("shown").String(fitted.shown);
    }
    json.EndObject();
  }
  json.EndArray();
}

std::string SwitchedUnitsJson(WebForm& form, UnitSystem units) {
  form.SetUnits(units);
  JsonWriter json;
  json.BeginObject();
  json.Key("units").String(UnitsEntry(form.Units()));
  json.Key("settings").String(SettingsTextFor(form.Units()));
  WriteWrites(json, form);
  json.Key("formulas").BeginArray();
  for (const Calculator& calculator : CalculatorCatalogue(form.Units())) {
    json.BeginObject();
    json.Key("control").String(calculator.control);
    json.Key("formula").String(FormulaOf(calculator.control, form.Units()));
    json.EndObject();
  }
  json.EndArray();
  json.Key("message").String("");
  json.EndObject();
  return json.Text();
}

// All or nothing: a switch or an answer that stops half-way (memory ran out) leaves the form as
// it was, so that it never speaks other units than the page shows, nor holds some fields
// converted and others not.
std::string UnitsJson(WebForm& form, UnitSystem units) {
  form.TakeWrites();
  WebForm before = form;
  try {
    return SwitchedUnitsJson(form, units);
  } catch (...) {
    form = std::move(before);
    throw;
  }
}

// Keeps the one message a click shows.
class MessageRecorder : public MessageBox {
 public:
  void Show(std::string_view text) override { m_text = text; }
  const std::string& Text() const { return m_text; }

 private:
  std::string m_text;
};

}  // namespace

std::string WindowModelJson() {
  JsonWriter json;
  json.BeginObject();
  json.Key("appTitle").String(kApplicationTitle);
  json.Key("siteUrl").String(kVendorSiteUrl);
  json.Key("version").String(kVersionText);
  json.Key("colours").BeginObject();
  json.Key("window").String(CssColour(kWindowGrey));
  json.Key("result").String(CssColour(kResultYellow));
  json.Key("link").String(CssColour(kLinkCaptionColour));
  json.EndObject();
  json.Key("faces").BeginObject();
  json.Key("points").Number(kControlPoints);
  json.Key("linkPoints").Number(kLinkPoints);
  json.Key("family").String(kControlFontFamily);
  json.EndObject();
  WriteMainWindow(json);
  WriteAboutBox(json);
  WriteHistoryWindow(json);
  WriteCalculators(json);
  json.EndObject();
  return json.Text();
}

std::string WebForm::Text(std::string_view control) const {
  const auto found = m_texts.find(control);
  return found == m_texts.end() ? std::string() : found->second;
}

void WebForm::SetText(std::string_view control, std::string_view text) {
  Type(control, text);
  m_writes.push_back({std::string(control), std::string(text), false});
}

void WebForm::SetCaption(std::string_view control, std::string_view caption) {
  Type(control, caption);
  m_writes.push_back({std::string(control), std::string(caption), true});
}

void WebForm::Type(std::string_view control, std::string_view text) {
  m_texts.insert_or_assign(std::string(control), std::string(text));
}

void WebForm::SetDecimalSeparator(std::string_view separator) {
  m_decimalSeparator.assign(1, separator == "," ? ',' : '.');
}

void WebForm::SetUnits(UnitSystem units) {
  SwitchUnits(*this, m_units, units);
  m_units = units;
}

std::vector<WebForm::Write> WebForm::TakeWrites() { return std::exchange(m_writes, {}); }

// A result is drawn without padding, so its room is its label's width, as on the desktop.
FittedResult WebForm::Fit(const ControlRow& result, std::string_view text) const {
  return FitResult(text, m_decimalSeparator, TwipsToPixels(result.width), m_measure);
}

std::string CopiedResult(const WebForm& form, std::string_view control, std::string_view shown,
                         std::string_view selection) {
  return std::string(CopiedText(form.Text(control), shown, selection));
}

std::string ClickJson(WebForm& form, std::string_view control, const RecordCalculation& record) {
  // The calculator of the units the form speaks at the time of the click.
  const ControlAction action = ActionOf(control, form.Units());
  MessageRecorder messages;
  std::string said;
  bool ran = false;
  std::optional<std::string> history;
  form.TakeWrites();
  if (action.action == Action::kCalculate) {
    if (const std::optional<Calculation> done = RunCalculator(*action.calculator, form, messages)) {
      said = DescribeWrites(*done);
      if (record) history = record(*done);
    }
    ran = messages.Text().empty();
  } else if (action.action == Action::kStartSysInfo) {
    // A page cannot start a program of the computer it runs on.
    messages.Show(kSysInfoUnavailable);
  }
  JsonWriter json;
  json.BeginObject();
  json.Key("ran").Bool(ran);
  WriteWrites(json, form);
  json.Key("message").String(messages.Text());
  json.Key("said").String(said);
  json.Key("description")
      .String(said.empty() ? "" : DescriptionAfterCalc(said, control, form.Units()));
  json.Key("history");
  history ? json.Json(*history) : json.Json("null");
  json.EndObject();
  return json.Text();
}

std::string ChooseUnitsJson(WebForm& form, std::string_view entry) {
  return UnitsJson(form, UnitsOfEntry(entry).value_or(form.Units()));
}

std::string UnitsFromSettingsJson(WebForm& form, std::string_view settings) {
  return UnitsJson(form, UnitsInSettings(settings));
}

}  // namespace tallies
