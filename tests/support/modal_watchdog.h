#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <string>
#include <vector>

namespace tallies::testing {

// Closes every modal message that appears while it exists and keeps its text, so a test of the
// real platform reports an unexpected message instead of waiting for a user who never comes.
class ModalWatchdog {
 public:
  ModalWatchdog() {
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        m_messages.push_back(box->text().toStdString());
        box->done(QMessageBox::Ok);
      }
    });
    m_timer.start(50);
  }

  const std::vector<std::string>& messages() const { return m_messages; }

 private:
  QTimer m_timer;
  std::vector<std::string> m_messages;
};

}  // namespace tallies::testing
