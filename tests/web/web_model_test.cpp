// The browser front-end's side inside the module: the JSON it hands the page, and what a click
// runs and answers.

#include "web/web_model.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "web/json_writer.h"

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
      {"</script>", "\"</script>\""},   // the page parses it as data, never as markup
      {"°F ×", "\"°F ×\""},             // UTF-8 passes through
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

// The model places every control in CSS pixels with the desktop's rounding, and carries what the
// page needs to build and wire it.
TEST(WindowModelJson, DescribesEachControlAsTheDesktopBuildsIt) {
  const std::string model = WindowModelJson();
  const std::string_view parts[] = {
      // a banner left of the window stays whole pixels to the left, and is stretched
      R"("name":"Image1","kind":"picture","text":"","parent":"frmMain","tab":-1,"rect":[-16,0,480,48])",
      R"("picture":"images/banner.svg","fit":"stretch")",
      // a page's control relative to its tab set, its caption naming it, its formula
      R"("name":"txtGPM","kind":"field","text":"","parent":"SSTabHyd","tab":0,"rect":[16,202,49,19],"tabOrder":6,"focus":true)",
      R"("name":"cmdHP","kind":"button","text":"Calc","parent":"SSTabHyd","tab":0)",
      R"("action":"calculate","formula":"Horsepower = )",
      // the link completed with the site's name; a list with its gauges; the nested tab set
      R"("name":"Label3","kind":"link","text":"Go to Tallies Home")",
      R"j("name":"SSTab1","parent":"SSTabGen","parentTab":2,"captions":["Weight","Weight Per Length","Per Volume (Density)"],"tabsPerRow":3,"background":"default")j",
      // the access key marked with "&" is not shown
      R"("name":"cmdSysInfo","kind":"button","text":"System Info...","accessKey":"S","parent":"frmAbout")",
      R"("views":[{"name":"HydraulicView","option":"optHyd","tabSet":"SSTabHyd"},)",
      R"("initialFocus":"SSTabHyd")",
      R"("smallestResultPoints":6.5)",
  };
  for (std::string_view part : parts) EXPECT_TRUE(Holds(model, part)) << part;
  EXPECT_TRUE(Holds(model, R"("name":"Combo1","kind":"list","text":"Select Gauge")"));
  EXPECT_TRUE(Holds(model, R"("entries":[")"));
}

TEST(ClickJson, AnswersWithTheWritesOfTheCalculator) {
  WebForm form;
  form.Type("txtGPM", "10");
  form.Type("txtPSI", "1500");
  EXPECT_EQ(ClickJson(form, "cmdHP"),
            R"({"ran":true,"writes":[{"control":"lblHP","text":"8.751458","caption":true,)"
            R"("shortened":["8.75145…","8.7514…","8.751…","8.75…","8.7…","8…"]}],)"
            R"("message":"","said":"Horsepower Required 8.751458 hp"})");
  // A two-way pair writes the other field, which has no shortened forms.
  form.Type("txtin1", "2");
  EXPECT_TRUE(Holds(ClickJson(form, "Command2"),
                    R"({"control":"txtmm1","text":"50.8","caption":false,"shortened":[]})"));
}

TEST(ClickJson, ReadsAndWritesWithTheBrowsersDecimalSeparator) {
  WebForm form;
  form.SetDecimalSeparator(",");
  form.Type("txtin1", "2,5");
  EXPECT_TRUE(Holds(ClickJson(form, "Command2"), R"("text":"63,5")"));
  form.SetDecimalSeparator("'");  // no other separator is taken
  EXPECT_EQ(form.DecimalSeparator(), ".");
}

TEST(ClickJson, AFaultBecomesTheMessageAndNothingIsThrown) {
  WebForm form;
  form.Type("txtDIA", "1e200");
  const std::string answer = ClickJson(form, "cmdArea");
  EXPECT_TRUE(Holds(answer, R"({"ran":false,)")) << answer;
  EXPECT_TRUE(Holds(answer, R"("message":"The calculation stopped: Overflow.\n)")) << answer;
  EXPECT_TRUE(Holds(answer, R"("said":"")")) << answer;
}

TEST(ClickJson, RunsNothingForTheControlsThePageHandles) {
  WebForm form;
  for (std::string_view control : {"optGen", "cmdAbout", "Label3", "cmdOK", "lblHP", "nosuch"}) {
    EXPECT_EQ(ClickJson(form, control), R"({"ran":false,"writes":[],"message":"","said":""})")
        << control;
  }
  EXPECT_TRUE(Holds(ClickJson(form, "cmdSysInfo"),
                    R"("message":"System Information Is Unavailable At This Time")"));
}

}  // namespace
}  // namespace tallies
