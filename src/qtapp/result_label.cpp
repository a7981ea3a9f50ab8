#include "qtapp/result_label.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

namespace tallies {

ResultLabel::ResultLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  // Keyboard selection would also put the label into the Tab order; a click
  // alone gives it the focus.
  setFocusPolicy(Qt::ClickFocus);
}

void ResultLabel::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy) && !hasSelectedText()) {
    if (!text().isEmpty()) QGuiApplication::clipboard()->setText(text());
    event->accept();
    return;
  }
  QLabel::keyPressEvent(event);
}

}  // namespace tallies
