#pragma once

#include <QLabel>

namespace tallies {

// A label that acts as a web link: a full click (press and release on it with
// the left button) emits clicked().
class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool m_pressed = false;
};

}  // namespace tallies
