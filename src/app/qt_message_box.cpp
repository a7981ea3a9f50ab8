#include "app/qt_message_box.h"

#include <QMessageBox>

#include "config/app_config.h"

namespace tallies {

void QtMessageBox::Show(std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon,
                  QString::fromUtf8(kApplicationTitle.data(),
                                    static_cast<qsizetype>(kApplicationTitle.size())),
                  QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                  QMessageBox::Ok, m_parent);
  box.exec();
}

}  // namespace tallies
