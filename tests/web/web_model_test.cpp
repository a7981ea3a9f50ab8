// The browser front-end's side inside the module: what a click runs and answers, and what a copy
// copies. The model document's shape is checked against its schema by model_schema_test.py.

#include "web/web_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "layout/metric_captions.h"
#include "layout/twips.h"
#include "layout/window_model.h"
#include "platform/message_box.h"
#include "settings/units_setting.h"
#include "web/json_writer.h"
#include "window/calculator_catalogue.h"
#include "window/formulas.h"
#include "window/window_bindings.h"

namespace tallies {
namespace {

bool Holds(const std::string& text, std::string_view part) {
  return text.find(part) != std::string::npos;
}

TEST(JsonString, EscapesWhatJsonCannotHoldAsItStands) {
  const struct {
    std::string_view text;
    std::string_view json;
  } cases[] = {
      {"Calc", "\"Calc\""},
      {"say \"hi\"", "\"say \\\"hi\\\"\""},
      {"a\\b", "\"a\\\\b\""},
      {"line\nnext\ttab\r", "\"line\\nnext\\ttab\\r\""},
      {std::string_view("\x01\x1f", 2), "\"\\u0001\\u001f\""},
      {"</script>", "\"</script>\""},  // the page parses it as data, never as markup
      {"°F ×", "\"°F ×\""},            // UTF-8 passes through
  };
  for (const auto& c : cases) EXPECT_EQ(JsonString(c.text), c.json) << c.text;
}

TEST(JsonWriter, PutsCommasBetweenMembersAndItems) {
  JsonWriter json;
  json.BeginObject().Key("a").Number(1).Key("b").BeginArray();
  json.Number(6.5).Bool(false).String("x").BeginObject().EndObject().EndArray();
  json.Key("c").Number(-0.25).EndObject();
  EXPECT_EQ(json.Text(), R"({"a":1,"b":[6.5,false,"x",{}],"c":-0.25})");
}

// A face in which every character is `width` pixels wide at 8 points, in proportion to the size.
MeasureText Face(double width) {
  return [width](std::string_view text, double points) {
    const auto characters = std::count_if(text.begin(), text.end(), [](char c) {
      return (static_cast<unsigned char>(c) & 0xc0) != 0x80;  // UTF-8 lead bytes
    });
    return static_cast<double>(characters) * width * points / kControlPoints;
  };
}

TEST(ClickJson, AnswersWithTheWritesOfTheCalculatorAndHowEachResultIsDrawn) {
  WebForm form(Face(0));
  form.Type("txtGPM", "10");
  form.Type("txtPSI", "1500");
  EXPECT_EQ(
      ClickJson(form, "cmdHP"),
      R"({"ran":true,"writes":[{"control":"lblHP","text":"8.751458","caption":true,)"
      R"("points":8,"shown":"8.751458"}],"message":"","said":"Horsepower Required 8.751458 hp",)"
      R"("description":)" +
          JsonString(DescriptionAfterCalc("Horsepower Required 8.751458 hp", "cmdHP")) +
          R"(,"history":null})");
  // A two-way pair writes the other field, which is drawn as a field draws it.
  form.Type("txtin1", "2");
  EXPECT_TRUE(
      Holds(ClickJson(form, "Command2"), R"({"control":"txtmm1","text":"50.8","caption":false})"));
}

// The module fits a result with FitResult over the page's measure and the label's own width.
TEST(ClickJson, FitsEachResultToItsLabelWithThePagesMeasure) {
  const double room = TwipsToPixels(FindControl("lblHP")->width);
  const struct {
    double pixelsPerCharacter;
    std::string_view drawn;
  } cases[] = {
      {room / 8, R"("points":8,"shown":"8.751458")"},      // the eight characters fit
      {room / 7.6, R"("points":7.5,"shown":"8.751458")"},  // at one step smaller
      {room / 4.5, R"("points":6.5,"shown":"8.75…")"},     // at 6.5 pt five characters fit
      {room, R"("points":6.5,"shown":"8…")"},              // none fits: the shortest form
  };
  for (const auto& c : cases) {
    WebForm form(Face(c.pixelsPerCharacter));
    form.Type("txtGPM", "10");
    form.Type("txtPSI", "1500");
    const std::string answer = ClickJson(form, "cmdHP");
    EXPECT_TRUE(Holds(answer, c.drawn)) << c.pixelsPerCharacter << ": " << answer;
  }
}

// Copying copies the whole result unless part of a result shown whole is selected.
TEST(CopiedResult, CopiesTheWholeResultUnlessPartOfItIsSelected) {
  WebForm form(Face(1000));
  form.Type("txtGPM", "10");
  form.Type("txtPSI", "1500");
  ClickJson(form, "cmdHP");
  const struct {
    std::string_view shown, selection, copied;
  } cases[] = {
      {"8.751458", "", "8.751458"},
      {"8.751458", "751", "751"},
      {"8…", "8", "8.751458"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CopiedResult(form, "lblHP", c.shown, c.selection), c.copied) << c.selection;
  }
}

TEST(ClickJson, ReadsAndWritesWithTheBrowsersDecimalSeparator) {
  WebForm form(Face(0));
  form.SetDecimalSeparator(",");
  form.Type("txtin1", "2,5");
  EXPECT_TRUE(Holds(ClickJson(form, "Command2"), R"("text":"63,5")"));
  form.SetDecimalSeparator("'");  // no other separator is taken
  EXPECT_EQ(form.DecimalSeparator(), ".");
}

TEST(ClickJson, AFaultBecomesTheMessageAndNothingIsThrown) {
  WebForm form(Face(0));
  form.Type("txtDIA", "1e200");
  const std::string answer = ClickJson(form, "cmdArea");
  EXPECT_TRUE(Holds(answer, R"({"ran":false,)")) << answer;
  EXPECT_TRUE(Holds(answer, R"("message":"The calculation stopped: Overflow.\n)")) << answer;
  EXPECT_TRUE(Holds(answer, R"("said":"","description":"")")) << answer;
}

TEST(ClickJson, RunsNothingForTheControlsThePageHandles) {
  WebForm form(Face(0));
  for (std::string_view control : {"optGen", "cmdAbout", "Label3", "cmdOK", "lblHP", "nosuch"}) {
    EXPECT_EQ(ClickJson(form, control),
              R"({"ran":false,"writes":[],"message":"","said":"","description":"","history":null})")
        << control;
  }
  EXPECT_TRUE(Holds(ClickJson(form, "cmdSysInfo"),
                    R"("message":"System Information Is Unavailable At This Time")"));
}

// A write as the answers give it, for a field (caption false) or a caption.
std::string WriteJson(std::string_view control, std::string_view text) {
  return R"({"control":)" + JsonString(control) + R"(,"text":)" + JsonString(text) +
         R"(,"caption":)" + (FindControl(control)->kind == ControlKind::kField ? "false" : "true");
}

// A choice in the units list switches the form: the answer names the units now spoken and the
// settings text that keeps them, carries what the switch wrote and every formula in those units.
// A text that is no entry of the list changes nothing.
TEST(ChooseUnitsJson, SwitchesTheFormAndAnswersWhatChanged) {
  const struct {
    UnitSystem from;
    std::string_view entry;
    UnitSystem to;
  } cases[] = {
      {UnitSystem::kUS, "Metric", UnitSystem::kMetric},
      {UnitSystem::kMetric, "US", UnitSystem::kUS},
      {UnitSystem::kUS, "US", UnitSystem::kUS},
      {UnitSystem::kMetric, "metric", UnitSystem::kMetric},
      {UnitSystem::kUS, "", UnitSystem::kUS},
  };
  for (const auto& c : cases) {
    WebForm form(Face(0));
    form.SetUnits(c.from);
    form.TakeWrites();
    form.Type("txtGPM", "10");
    const std::string answer = ChooseUnitsJson(form, c.entry);
    EXPECT_EQ(form.Units(), c.to) << c.entry;
    const std::string head = R"({"units":)" + JsonString(UnitsEntry(c.to)) + R"(,"settings":)" +
                             JsonString(SettingsTextFor(c.to)) + ",";
    EXPECT_EQ(answer.rfind(head, 0), 0u) << c.entry << ": " << answer;
    const std::optional<std::string> converted =
        FieldTextInUnits("txtGPM", "10", ".", c.from, c.to);
    EXPECT_EQ(form.Text("txtGPM"), converted.value_or("10")) << c.entry;
    if (c.from == c.to) {
      EXPECT_TRUE(Holds(answer, R"("writes":[],)")) << c.entry << ": " << answer;
    } else {
      EXPECT_TRUE(Holds(answer, WriteJson("txtGPM", *converted))) << c.entry << ": " << answer;
      EXPECT_TRUE(Holds(answer, WriteJson(CaptionOf("txtGPM"), CaptionTextOf("txtGPM", c.to))))
          << c.entry << ": " << answer;
    }
    for (const Calculator& calculator : CalculatorCatalogue(c.to)) {
      const std::string formula = R"({"control":)" + JsonString(calculator.control) +
                                  R"(,"formula":)" +
                                  JsonString(FormulaOf(calculator.control, c.to)) + "}";
      EXPECT_TRUE(Holds(answer, formula)) << c.entry << ": " << calculator.control;
    }
  }
}

// A gauge list's result is looked up again in the new units, and drawn as any result is.
TEST(ChooseUnitsJson, LooksUpAGaugeListsResultAgainAndDrawsIt) {
  WebForm form(Face(0));
  const Calculator& gauge = *CalculatorOf("Combo1", UnitSystem::kMetric);
  const std::string_view entry = gauge.entries.front();
  const std::string result(gauge.outputs.front().port.control);
  form.Type("Combo1", entry);
  ClickJson(form, "Combo1");
  const std::string before = form.Text(result);
  const std::string answer = ChooseUnitsJson(form, "Metric");
  EXPECT_EQ(form.Text(result), gauge.lookup(entry).value_or("none"));
  EXPECT_NE(form.Text(result), before);
  EXPECT_TRUE(Holds(answer, WriteJson(result, form.Text(result)) + R"(,"points":8,"shown":")"))
      << answer;
}

// The kept settings text chooses the units at the start; one that names none means US units.
TEST(UnitsFromSettingsJson, ChoosesTheUnitsTheSettingsName) {
  const struct {
    std::string_view settings;
    UnitSystem units;
  } cases[] = {
      {"units=metric\n", UnitSystem::kMetric},
      {"units=us\n", UnitSystem::kUS},
      {"", UnitSystem::kUS},
      {"\x01{nonsense}", UnitSystem::kUS},
  };
  for (const auto& c : cases) {
    WebForm form(Face(0));
    form.SetUnits(UnitSystem::kMetric);  // whatever the form spoke, the settings decide
    const std::string answer = UnitsFromSettingsJson(form, c.settings);
    EXPECT_EQ(form.Units(), c.units) << c.settings;
    EXPECT_EQ(answer.rfind(R"({"units":)" + JsonString(UnitsEntry(c.units)), 0), 0u) << answer;
  }
}

// A Calc runs the calculator of the units the form speaks, and the description names them.
TEST(ClickJson, RunsTheCalculatorOfTheFormsUnits) {
  for (const UnitSystem units : {UnitSystem::kUS, UnitSystem::kMetric}) {
    const Calculator& calculator = *CalculatorOf("cmdHP", units);
    const Example& example = calculator.examples.front();
    WebForm form(Face(0));
    form.SetUnits(units);
    for (const auto& [control, text] : example.given) form.Type(control, text);
    const std::string answer = ClickJson(form, "cmdHP");
    for (const auto& [control, text] : example.shown) EXPECT_EQ(form.Text(control), text);
    struct : MessageBox {
      void Show(std::string_view) override {}
    } messages;
    WebForm again(Face(0));
    for (const auto& [control, text] : example.given) again.Type(control, text);
    const std::string said = RunAndDescribe(calculator, again, messages);
    EXPECT_TRUE(
        Holds(answer, R"("description":)" + JsonString(DescriptionAfterCalc(said, "cmdHP", units))))
        << answer;
  }
}

}  // namespace
}  // namespace tallies
