#include "gui_test.h"

#include <memory>
#include <string>

namespace tallies::gui {
namespace {

std::unique_ptr<AppDriver>& Shared() {
  static std::unique_ptr<AppDriver> app;
  return app;
}

// Closes the shared program once every test has run.
class SharedAppEnvironment : public ::testing::Environment {
 public:
  void TearDown() override { Shared().reset(); }
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new SharedAppEnvironment);

}  // namespace

void GuiTest::SetUp() {
  std::unique_ptr<AppDriver>& shared = Shared();
  // A program that ended (or crashed) in an earlier test is started anew.
  if (!shared || !shared->IsRunning() || !IsWindow(shared->mainWindow())) {
    shared.reset();
    std::string error;
    shared = AppDriver::Start(error);
    ASSERT_TRUE(shared) << error;
  }
  m_app = shared.get();
  ASSERT_EQ(m_app->CloseDialogs(), 0) << "a dialog was left open";
}

void GuiTest::TearDown() {
  if (m_app) {
    EXPECT_EQ(m_app->CloseDialogs(), 0) << "the test left a dialog open";
  }
}

void GuiTest::OpenPage(std::string_view tabSet, int tab) {
  ASSERT_TRUE(app().ShowPage(tabSet, tab)) << tabSet << " " << tab;
  for (const PageLayout* page : AllPages()) {
    if (page->tabSet != tabSet || page->tab != tab) continue;
    for (const ControlRow& row : page->controls) {
      if (row.kind == ControlKind::kField) {
        ASSERT_TRUE(app().SetText(row.name, "")) << row.name;
      }
    }
  }
}

const PageLayout* GuiTest::PageOf(std::string_view control) {
  for (const PageLayout* page : AllPages()) {
    for (const ControlRow& row : page->controls) {
      if (row.name == control) return page;
    }
  }
  return nullptr;
}

std::vector<const PageLayout*> GuiTest::AllPages() {
  std::vector<const PageLayout*> pages;
  for (auto set : {HydraulicPages(), GeneralPages()}) {
    for (const PageLayout& page : set) pages.push_back(&page);
  }
  return pages;
}

}  // namespace tallies::gui
