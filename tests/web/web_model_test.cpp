// The browser front-end's side inside the module: what a click runs and answers, and what a copy
// copies. The model document's shape is checked against its schema by model_schema_test.py.

#include "web/web_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "layout/twips.h"
#include "layout/window_model.h"
#include "web/json_writer.h"
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
  EXPECT_EQ(ClickJson(form, "cmdHP"),
            R"({"ran":true,"writes":[{"control":"lblHP","text":"8.751458","caption":true,)"
            R"("points":8,"shown":"8.751458"}],"message":"","said":"Horsepower Required 8.751458 hp",)"
            R"("description":)" +
                JsonString(DescriptionAfterCalc("Horsepower Required 8.751458 hp", "cmdHP")) + "}");
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
              R"({"ran":false,"writes":[],"message":"","said":"","description":""})")
        << control;
  }
  EXPECT_TRUE(Holds(ClickJson(form, "cmdSysInfo"),
                    R"("message":"System Information Is Unavailable At This Time")"));
}

}  // namespace
}  // namespace tallies
