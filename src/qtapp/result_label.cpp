#include "qtapp/result_label.h"

#include <QClipboard>
#include <QEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>

#include "layout/window_model.h"

namespace tallies {
namespace {

// The steps by which a result too wide for its label is drawn smaller.
constexpr double kPointStep = 0.5;

}  // namespace

ResultLabel::ResultLabel(const QString& decimalSeparator, QWidget* parent)
    : QLabel(parent), m_decimalSeparator(decimalSeparator) {
  setTextFormat(Qt::PlainText);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  // Reached by the Tab key at the result's place in the keyboard order, and by a click.
  setFocusPolicy(Qt::StrongFocus);
}

void ResultLabel::setResult(const QString& result) {
  m_result = result;
  setToolTip(result);
  setAccessibleName(result);
  fit();
}

void ResultLabel::fit() {
  if (m_fitting) return;
  m_fitting = true;
  // A text written through QLabel's own call is the result as well.
  if (text() != m_shown) m_result = text();
  // The window's face at its own size, as set on the label's parent.
  QFont font = parentWidget() ? parentWidget()->font() : QLabel::font();
  const qreal room = contentsRect().width();
  auto fits = [&room](const QFont& face, const QString& text) {
    return QFontMetricsF(face).horizontalAdvance(text) <= room;
  };
  QString shown = m_result;
  while (!fits(font, shown) && font.pointSizeF() - kPointStep >= kSmallestResultPoints) {
    font.setPointSizeF(font.pointSizeF() - kPointStep);
  }
  if (!fits(font, shown)) {
    const auto forms = ShortenedForms(m_result.toStdString(), m_decimalSeparator.toStdString());
    for (const std::string& form : forms) {
      shown = QString::fromStdString(form);
      if (fits(font, shown)) break;
    }
  }
  setFont(font);
  QLabel::setText(shown);
  m_shown = shown;
  m_fitting = false;
}

void ResultLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  fit();
}

void ResultLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::ParentChange) fit();
}

void ResultLabel::keyPressEvent(QKeyEvent* event) {
  // A shortened result is copied whole: what shows is not all of it.
  if (event->matches(QKeySequence::Copy) && (!hasSelectedText() || text() != m_result)) {
    if (!m_result.isEmpty()) QGuiApplication::clipboard()->setText(m_result);
    event->accept();
    return;
  }
  QLabel::keyPressEvent(event);
}

void ResultLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  // A dotted frame just inside the label, in the text's own colour.
  QPainter painter(this);
  QPen pen(palette().color(foregroundRole()));
  pen.setStyle(Qt::DotLine);
  painter.setPen(pen);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace tallies
