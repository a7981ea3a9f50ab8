#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "qtapp/frm_main.h"
#include "qtapp/tab_set.h"
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

  // Brings a control's page (and view) on the screen, whichever it is on.
  void reveal(std::string_view name) {
    QWidget* widget = m_window->control(name);
    ASSERT_NE(widget, nullptr) << name;
    std::vector<std::pair<TabSet*, int>> pages;
    for (QWidget* w = widget; w && w != m_window.get(); w = w->parentWidget()) {
      auto* set = qobject_cast<TabSet*>(w->parentWidget());
      if (!set) continue;
      for (int i = 0; i < set->count(); ++i) {
        if (set->page(i) == w) pages.emplace_back(set, i);
      }
    }
    if (!pages.empty() && pages.back().first->objectName() == QStringLiteral("SSTabGen")) {
      m_window->showView(*ViewOfOption("optGen"));
    } else {
      m_window->showView(*ViewOfOption("optHyd"));
    }
    for (auto it = pages.rbegin(); it != pages.rend(); ++it) it->first->setCurrentIndex(it->second);
    ASSERT_TRUE(widget->isVisible()) << name;
  }

  QString text(std::string_view control) { return QString::fromStdString(m_window->Text(control)); }

 private:
  RecordingMessageBox m_messages;
  std::unique_ptr<frmMain> m_window;
};

}  // namespace tallies::testing
