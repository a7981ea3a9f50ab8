#include "platform/qt/qt_modal_message_box.h"

#include <QMessageBox>

#include "config/app_config.h"
#include "platform/qt/text_contrast.h"

namespace tallies {

namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QtModalMessageBox::QtModalMessageBox(QWidget* parent) : m_parent(parent) {}

void QtModalMessageBox::Show(std::string_view text) {
  // Messages break their lines with CR LF; a Qt label breaks them with LF alone.
  QString body = FromUtf8(text);
  body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QMessageBox box(QMessageBox::NoIcon, FromUtf8(kApplicationTitle), body, QMessageBox::Ok,
                  m_parent.data());
  // A failure description is shown as it stands, never read as markup.
  box.setTextFormat(Qt::PlainText);
  // Readable on every desktop palette, even where the theme's own text and
  // background colours clash.
  box.setPalette(ReadablePalette(box.palette()));
  box.exec();
}

}  // namespace tallies
