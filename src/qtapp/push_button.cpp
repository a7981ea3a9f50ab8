#include "qtapp/push_button.h"

#include <QKeyEvent>

namespace tallies {

void PushButton::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if (!enter || modifiers != Qt::NoModifier) {
    QPushButton::keyPressEvent(event);
    return;
  }
  // A held key repeats its press; the button is pressed once.
  if (!event->isAutoRepeat()) click();
  event->accept();
}

}  // namespace tallies
