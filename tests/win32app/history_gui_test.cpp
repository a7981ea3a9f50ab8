// The History window of tallies.exe, over a history folder of the test's own: a Calc recorded
// and shown, copied, recalled, exported as CSV and deleted; the history kept to the next start
// and cleared there once the question is answered Yes. Two starts, the fewest that show it kept.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <regex>
#include <string>

#include "config/app_config.h"
#include "gui_test.h"
#include "record/history_texts.h"
#include "window/formulas.h"

namespace tallies::gui {
namespace {

const std::string kPumpLine = "Pump horsepower: Horsepower Required 8.751458 hp";

class HistoryWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    m_folder = std::filesystem::path(temp) /
               (L"tallies-history-test-" + std::to_wstring(GetCurrentProcessId()));
    std::filesystem::remove_all(m_folder);
    m_csv = m_folder / L"export" / L"history.csv";
  }
  void TearDown() override {
    m_app.reset();
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
  }

  // The program, saving its exports as `saveAs`.
  void Start(const std::filesystem::path& saveAs) {
    m_app.reset();
    std::string error;
    AppDriver::StartOptions options;
    options.environment = {{L"TALLIES_TEST_HISTORY_FOLDER", (m_folder / L"data").wstring()},
                           {L"TALLIES_TEST_SAVE_AS", saveAs.wstring()}};
    m_app = AppDriver::Start(error, options);
    ASSERT_TRUE(m_app) << error;
  }
  // The History button: the one History window.
  HWND OpenHistory() {
    EXPECT_TRUE(m_app->Click("cmdHistory"));
    return m_app->WaitForTopLevel(L"frmHistory", nullptr, Milliseconds(5000));
  }
  bool Press(HWND history, std::string_view button) {
    return AppDriver::ClickWindow(AppDriver::FindIn(history, button));
  }
  static std::string Entry(HWND history) {
    return AppDriver::TextOf(AppDriver::FindIn(history, "txtEntry"));
  }

  std::filesystem::path m_folder;
  std::filesystem::path m_csv;
  std::unique_ptr<AppDriver> m_app;
};

TEST_F(HistoryWindow, RecordsRecallsExportsKeepsAndClears) {
  ASSERT_NO_FATAL_FAILURE(Start(m_csv));
  AppDriver& app = *m_app;
  ASSERT_TRUE(app.SetText("txtGPM", "10"));
  ASSERT_TRUE(app.SetText("txtPSI", "1500"));
  ASSERT_TRUE(app.Click("cmdHP"));

  HWND history = OpenHistory();
  ASSERT_TRUE(history);
  EXPECT_EQ(OpenHistory(), history) << "a second showing brings the same window forward";
  HWND list = AppDriver::FindIn(history, "lstEntries");
  EXPECT_EQ(AppDriver::ClassOf(list), "ListBox");
  EXPECT_TRUE(GetWindowLongPtrW(list, GWL_STYLE) & LBS_NOTIFY);
  const LONG_PTR textStyle = GetWindowLongPtrW(AppDriver::FindIn(history, "txtEntry"), GWL_STYLE);
  EXPECT_EQ(textStyle & (ES_MULTILINE | ES_READONLY), ES_MULTILINE | ES_READONLY);
  std::vector<std::string> lines = AppDriver::ListBoxLines(list);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_TRUE(std::regex_match(lines[0], std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d  (.*))")))
      << lines[0];
  EXPECT_TRUE(lines[0].ends_with(kPumpLine)) << lines[0];
  const std::string shown = Entry(history);
  for (const std::string& part : {std::string("10"), std::string("1500"), std::string("8.751458"),
                                  FormulaOf("cmdHP", UnitSystem::kUS), std::string("\r\n")}) {
    EXPECT_NE(shown.find(part), std::string::npos) << part << " in " << shown;
  }

  // Each copy: the entry as shown, as a table, as a link to the browser version.
  struct Copy {
    std::string_view button;
    std::string part;
  };
  for (const Copy& copy : {Copy{"cmdCopy", shown}, Copy{"cmdCopyTable", "| 8.751458 |"},
                           Copy{"cmdCopyLink", std::string(kWebAppUrl) + "#calc=cmdHP"}}) {
    ASSERT_TRUE(AppDriver::EmptyClipboard());
    ASSERT_TRUE(Press(history, copy.button)) << copy.button;
    const std::optional<std::string> copied = AppDriver::WaitForClipboardText(Milliseconds(5000));
    ASSERT_TRUE(copied) << copy.button;
    EXPECT_NE(copied->find(copy.part), std::string::npos) << copy.button << ": " << *copied;
  }

  // A Calc that stops at a fault adds nothing.
  ASSERT_TRUE(app.SetText("txtGPM", "1E39"));
  ASSERT_TRUE(app.PostClick("cmdHP"));
  HWND fault = app.WaitForMessageBox(Milliseconds(5000));
  ASSERT_TRUE(fault);
  ASSERT_TRUE(AppDriver::CloseMessageBox(fault));
  EXPECT_EQ(AppDriver::ListBoxLines(list).size(), 1u);

  ASSERT_TRUE(app.SetText("txtGPM", "99"));
  ASSERT_TRUE(Press(history, "cmdRecall"));
  EXPECT_EQ(app.Text("txtGPM"), "10");
  EXPECT_EQ(app.FocusedWindow(), app.Control("cmdHP"));

  ASSERT_TRUE(Press(history, "cmdExport"));
  std::ifstream file(m_csv, std::ios::binary);
  const std::string csv{std::istreambuf_iterator<char>(file), {}};
  EXPECT_NE(csv.find(",result,Horsepower Required,8.751458,"), std::string::npos) << csv;

  // A second Calc shows at the top at once; the entry chosen before stays chosen, and goes.
  ASSERT_TRUE(app.SetText("txtGPM", "20"));
  ASSERT_TRUE(app.Click("cmdHP"));
  lines = AppDriver::ListBoxLines(list);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_FALSE(lines[0].ends_with(kPumpLine));
  EXPECT_TRUE(lines[1].ends_with(kPumpLine));
  ASSERT_TRUE(Press(history, "cmdDelete"));
  lines = AppDriver::ListBoxLines(list);
  ASSERT_EQ(lines.size(), 1u);
  const std::string kept = lines[0];
  EXPECT_FALSE(kept.ends_with(kPumpLine));
  ASSERT_TRUE(Press(history, "cmdCloseHistory"));
  EXPECT_TRUE(AppDriver::WaitUntilGone(history, Milliseconds(5000)));

  // Next time the export is to go into the file saved before, as if that were a folder: the
  // user is told, with the whole name.
  ASSERT_NO_FATAL_FAILURE(Start(m_csv / L"\u00dcberblick.csv"));
  history = OpenHistory();
  ASSERT_TRUE(history);
  list = AppDriver::FindIn(history, "lstEntries");
  EXPECT_EQ(AppDriver::ListBoxLines(list), std::vector<std::string>{kept});
  ASSERT_TRUE(PostMessageW(AppDriver::FindIn(history, "cmdExport"), BM_CLICK, 0, 0));
  HWND failure = m_app->WaitForMessageBox(Milliseconds(5000));
  ASSERT_TRUE(failure);
  EXPECT_NE(AppDriver::MessageBoxText(failure).find("\u00dcberblick.csv\"."),
            std::string::npos)
      << AppDriver::MessageBoxText(failure);
  ASSERT_TRUE(AppDriver::CloseMessageBox(failure));
  ASSERT_TRUE(PostMessageW(AppDriver::FindIn(history, "cmdClear"), BM_CLICK, 0, 0));
  HWND question = m_app->WaitForMessageBox(Milliseconds(5000));
  ASSERT_TRUE(question);
  EXPECT_EQ(AppDriver::MessageBoxText(question), kClearHistoryQuestion);
  ASSERT_TRUE(AppDriver::AnswerMessageBox(question, IDYES));
  EXPECT_TRUE(AppDriver::ListBoxLines(list).empty());
  EXPECT_EQ(Entry(history), kEmptyHistoryText);
  EXPECT_FALSE(IsWindowEnabled(AppDriver::FindIn(history, "cmdRecall")));

  // The list's caption's access key reaches it, Tab the entry's text, Esc closes the window.
  HWND from = m_app->FocusedWindow();
  ASSERT_NE(from, list);
  ASSERT_TRUE(m_app->PressAccessKey(L'e'));
  EXPECT_EQ(m_app->WaitForFocusToLeave(from, Milliseconds(5000)), list);
  ASSERT_TRUE(m_app->PressKey(VK_TAB));
  EXPECT_EQ(m_app->WaitForFocusToLeave(list, Milliseconds(5000)),
            AppDriver::FindIn(history, "txtEntry"));
  ASSERT_TRUE(m_app->PressKey(VK_ESCAPE));
  EXPECT_TRUE(AppDriver::WaitUntilGone(history, Milliseconds(5000)));
}

}  // namespace
}  // namespace tallies::gui
