#pragma once

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "app_driver.h"
#include "layout/control_layout.h"

namespace tallies::gui {

// Tests share one running tallies.exe (started by the first test, closed after the last) to
// keep the run short; each test shows the page it needs and sets every field it relies on.
// A test that leaves a message box or an About box open gets it closed, and counted as a
// failure, before the next one starts.
class GuiTest : public ::testing::Test {
 public:
  // The page a control stands on (nullptr for a control of the window itself).
  static const PageLayout* PageOf(std::string_view control);
  // Every page of the three tab sets, hydraulic first.
  static std::vector<const PageLayout*> AllPages();

 protected:
  void SetUp() override;
  void TearDown() override;

  AppDriver& app() { return *m_app; }

  // Shows the page and empties every field on it.
  void OpenPage(std::string_view tabSet, int tab);
  void OpenPage(const PageLayout& page) { OpenPage(page.tabSet, page.tab); }

 private:
  AppDriver* m_app = nullptr;
};

}  // namespace tallies::gui
