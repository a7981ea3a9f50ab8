// The units choice in tallies.exe: the list reached by its caption's access key, the window
// switched to metric units, and the choice kept in the registry from one start to the next.

#include <memory>
#include <string>

#include "gui_test.h"
#include "layout/metric_captions.h"
#include "layout/window_model.h"
#include "platform_win32/registry_keys.h"
#include "window/formulas.h"

namespace tallies::gui {
namespace {

using UnitsList = GuiTest;

TEST_F(UnitsList, IsReachedByItsCaptionsAccessKey) {
  ASSERT_TRUE(app().Focus("cmdAbout"));
  ASSERT_TRUE(app().PressAccessKey(L'u'));
  EXPECT_EQ(app().WaitForFocusToLeave(app().Control("cmdAbout"), Milliseconds(5000)),
            app().Control("cboUnits"));
}

// Programs of their own, each reading the stored units when it starts; the registry value is
// as it was before once the test ends.
class StoredUnits : public ::testing::Test {
 protected:
  static std::unique_ptr<AppDriver> Start() {
    std::string error;
    std::unique_ptr<AppDriver> app = AppDriver::Start(error);
    EXPECT_TRUE(app) << error;
    return app;
  }
  void Store(const std::string& text) {
    m_keys.PutString(HKEY_CURRENT_USER, "Software\\Tallies", "Settings", text);
  }
  // The caption of the flow field, which the units change.
  static std::string FlowCaption(AppDriver& app) { return app.Text(CaptionOf("txtGPM")); }

  testing::RegistryKeys m_keys;
};

// Two starts, the fewest that show both: stored nonsense means US units; Metric chosen then is
// Metric at the next start.
TEST_F(StoredUnits, NonsenseMeansUsAndAChoiceOfMetricIsKept) {
  Store("\x01units=metric?\nmetric");
  {
    std::unique_ptr<AppDriver> app = Start();
    ASSERT_TRUE(app);
    EXPECT_EQ(app->Text("cboUnits"), "US");
    EXPECT_EQ(FlowCaption(*app), CaptionTextOf("txtGPM"));
    ASSERT_TRUE(app->ChooseListEntry("cboUnits", "Metric"));
    EXPECT_EQ(FlowCaption(*app), CaptionTextOf("txtGPM", UnitSystem::kMetric));
    EXPECT_EQ(app->ToolTipText(app->Control("cmdHP")), FormulaOf("cmdHP", UnitSystem::kMetric));
    // 100 L/min at 200 bar: 100 × 200 ÷ 600 kW.
    ASSERT_TRUE(app->SetText("txtGPM", "100"));
    ASSERT_TRUE(app->SetText("txtPSI", "200"));
    ASSERT_TRUE(app->Click("cmdHP"));
    EXPECT_EQ(app->Text("lblHP"), "33.33333");
  }
  std::unique_ptr<AppDriver> again = Start();
  ASSERT_TRUE(again);
  EXPECT_EQ(again->Text("cboUnits"), "Metric");
  EXPECT_EQ(FlowCaption(*again), CaptionTextOf("txtGPM", UnitSystem::kMetric));
}

}  // namespace
}  // namespace tallies::gui
