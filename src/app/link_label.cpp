#include "app/link_label.h"

#include <QMouseEvent>

namespace tallies {

void LinkLabel::mousePressEvent(QMouseEvent* event) {
  m_pressed = event->button() == Qt::LeftButton;
  QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = m_pressed && event->button() == Qt::LeftButton &&
                     rect().contains(event->position().toPoint());
  m_pressed = false;
  QLabel::mouseReleaseEvent(event);
  if (click) emit clicked();
}

}  // namespace tallies
