// The record of calculations in the real window: entries made by Calc, the History window and
// its buttons, the history kept across a restart, CSV and the printed sheet.

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <fstream>

#include "config/app_config.h"
#include "qtapp/frm_history.h"
#include "record/history_keeper.h"
#include "window_fixture.h"

namespace tallies::testing {
namespace {

class WindowHistory : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ASSERT_TRUE(m_folder.isValid());
    m_history = std::make_unique<HistoryKeeper>(HistoryFile(m_folder.path().toStdString()));
    window().useHistory(*m_history);
    show();
  }

  frmHistory* open() {
    click("cmdHistory");
    auto* history = window().findChild<frmHistory*>();
    EXPECT_NE(history, nullptr);
    return history;
  }
  QString shown(frmHistory* history) {
    return qobject_cast<QPlainTextEdit*>(history->control("txtEntry"))->toPlainText();
  }
  QListWidget* entries(frmHistory* history) {
    return qobject_cast<QListWidget*>(history->control("lstEntries"));
  }
  void press(frmHistory* history, std::string_view button) {
    QTest::mouseClick(qobject_cast<QPushButton*>(history->control(button)), Qt::LeftButton);
  }
  void pumpHorsepower() {
    reveal("txtGPM");
    type("txtGPM", "10");
    type("txtPSI", "1500");
    click("cmdHP");
  }

  QTemporaryDir m_folder;
  std::unique_ptr<HistoryKeeper> m_history;
};

TEST_F(WindowHistory, ACalcIsRecordedShownAndRecalled) {
  pumpHorsepower();
  reveal("txtDIA");
  type("txtDIA", "1E39");  // a fault: nothing recorded
  click("cmdArea");
  frmHistory* history = open();
  ASSERT_EQ(entries(history)->count(), 1);
  EXPECT_TRUE(entries(history)->item(0)->text().endsWith(
      QStringLiteral("Pump horsepower: Horsepower Required 8.751458 hp")));
  const QString entry = shown(history);
  for (const char* part : {"Gallons Per Minute: 10 gpm", "PSI: 1500 psi",
                           "Horsepower Required: 8.751458 hp", "Formula: Horsepower = "}) {
    EXPECT_TRUE(entry.contains(QString::fromUtf8(part))) << part << " in " << entry.toStdString();
  }
  // Recall from the general view: the pump's page again, its inputs back, the focus on Calc.
  window().showView(*ViewOfOption("optGen"));
  type("txtGPM", "99");
  press(history, "cmdRecall");
  EXPECT_TRUE(window().control("cmdHP")->isVisible());
  EXPECT_EQ(text("txtGPM"), QStringLiteral("10"));
  EXPECT_EQ(text("txtPSI"), QStringLiteral("1500"));
  EXPECT_EQ(QApplication::focusWidget(), window().control("cmdHP"));
}

TEST_F(WindowHistory, EntriesOutliveTheWindowAndAreCopiedDeletedAndCleared) {
  pumpHorsepower();
  reveal("txtin1");
  type("txtin1", "2");
  click("Command2");  // a conversion: newest first in the list
  RecordingMessageBox messages;
  frmMain second(messages, QLocale::c());
  HistoryKeeper again(HistoryFile(m_folder.path().toStdString()));
  second.useHistory(again);
  second.showHistory();
  auto* history = second.findChild<frmHistory*>();
  ASSERT_EQ(entries(history)->count(), 2);
  EXPECT_TRUE(shown(history).contains(QStringLiteral("50.8")));

  entries(history)->setCurrentRow(1);
  press(history, "cmdCopy");
  EXPECT_TRUE(QApplication::clipboard()->text().startsWith(QStringLiteral("Pump horsepower")));
  press(history, "cmdCopyTable");
  EXPECT_TRUE(QApplication::clipboard()->text().contains(
      QStringLiteral("| Result | Horsepower Required | 8.751458 | hp |")));
  press(history, "cmdCopyLink");
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
            std::string(kWebAppUrl) + "#calc=cmdHP&units=us&txtGPM=10&txtPSI=1500");

  press(history, "cmdDelete");
  EXPECT_EQ(entries(history)->count(), 1);
  history->setConfirm([](std::string_view) { return false; });
  press(history, "cmdClear");
  EXPECT_EQ(entries(history)->count(), 1);
  history->setConfirm([](std::string_view) { return true; });
  press(history, "cmdClear");
  EXPECT_EQ(entries(history)->count(), 0);
  EXPECT_TRUE(HistoryFile(m_folder.path().toStdString()).Load().entries.empty());
  EXPECT_TRUE(messages.messages().empty());
}

// The CSV file and the worked-calculation sheet, printed to PDF and read back.
TEST_F(WindowHistory, ExportsCsvAndPrintsTheWorkedSheet) {
  pumpHorsepower();
  frmHistory* history = open();
  const QString csv = m_folder.filePath(QStringLiteral("history.csv"));
  history->setSaveFileChooser([csv] { return csv; });
  press(history, "cmdExport");
  std::ifstream in(csv.toStdString(), std::ios::binary);
  const std::string written((std::istreambuf_iterator<char>(in)), {});
  EXPECT_NE(written.find(",Pump horsepower,US,result,Horsepower Required,8.751458,8.751458,hp\r\n"),
            std::string::npos)
      << written;

  const QString pdf = m_folder.filePath(QStringLiteral("sheet.pdf"));
  history->setPrinterChooser([pdf](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
  });
  press(history, "cmdPrint");
  QProcess reader;
  reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  ASSERT_TRUE(reader.waitForFinished(20000));
  const QString sheet = QString::fromUtf8(reader.readAllStandardOutput()).simplified();
  for (const char* part : {"Pump horsepower", "Gallons Per Minute 10 gpm", "8.751458",
                           "Worked: Horsepower Required = 8.751458 hp, from Gallons Per Minute = 10 "
                           "gpm and PSI = 1500 psi"}) {
    EXPECT_TRUE(sheet.contains(QString::fromUtf8(part))) << part << " in " << sheet.toStdString();
  }
}

// Ctrl+H opens it; a history file that cannot be read is kept aside, said once, and a new
// history begins.
TEST_F(WindowHistory, TheShortcutOpensItAndADamagedFileIsKeptAside) {
  QTest::keyClick(&window(), Qt::Key_H, Qt::ControlModifier);
  ASSERT_NE(window().findChild<frmHistory*>(), nullptr);
  EXPECT_TRUE(window().findChild<frmHistory*>()->isVisible());

  QTemporaryDir damaged;
  std::ofstream(damaged.filePath(QStringLiteral("history")).toStdString(), std::ios::binary)
      << "Tallies history 1\n\nid\nend\n";
  RecordingMessageBox messages;
  frmMain second(messages, QLocale::c());
  HistoryKeeper history(HistoryFile(damaged.path().toStdString()));
  second.useHistory(history);
  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_NE(messages.messages()[0].find("kept as"), std::string::npos);
  EXPECT_TRUE(history.Entries().empty());
}

}  // namespace
}  // namespace tallies::testing
