#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/frm_main.h"
#include "support/recording_message_box.h"

namespace tallies::testing {

// A fresh main window for each test, with its fault reports recorded.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override { m_window = std::make_unique<frmMain>(m_messages, QLocale::c()); }

  frmMain& window() { return *m_window; }
  RecordingMessageBox& messages() { return m_messages; }

  void show() {
    m_window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
  }

  // Types into a field as a user would: select all, then the keys.
  void type(std::string_view field, const QString& text) {
    auto* edit = m_window->control<QLineEdit>(field);
    ASSERT_NE(edit, nullptr) << field;
    edit->selectAll();
    if (text.isEmpty()) {
      edit->del();
    } else {
      QTest::keyClicks(edit, text);
    }
  }

  void click(std::string_view button) {
    auto* b = m_window->control<QPushButton>(button);
    ASSERT_NE(b, nullptr) << button;
    ASSERT_TRUE(b->isVisible()) << button << " is not on the shown page";
    QTest::mouseClick(b, Qt::LeftButton);
  }

  QString text(std::string_view control) { return QString::fromStdString(m_window->Text(control)); }

 private:
  RecordingMessageBox m_messages;
  std::unique_ptr<frmMain> m_window;
};

}  // namespace tallies::testing
