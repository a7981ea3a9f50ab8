#include "platform/qt/qt_modal_message_box.h"

#include <QMessageBox>

#include "config/app_config.h"

namespace tallies {

namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QtModalMessageBox::QtModalMessageBox(QWidget* parent, PaletteFilter colours)
    : m_parent(parent), m_colours(colours) {}

void QtModalMessageBox::Show(std::string_view text) {
  // Messages break their lines with CR LF; a Qt label breaks them with LF alone.
  QString body = FromUtf8(text);
  body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QMessageBox box(QMessageBox::NoIcon, FromUtf8(kApplicationTitle), body, QMessageBox::Ok,
                  m_parent.data());
  // A failure description is shown as it stands, never read as markup.
  box.setTextFormat(Qt::PlainText);
  if (m_colours) box.setPalette(m_colours(box.palette()));
  box.exec();
}

}  // namespace tallies
