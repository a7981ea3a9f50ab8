#pragma once

#include <QLabel>

namespace tallies {

// A label that acts as a web link: a full click (press and release on it with
// the left button) emits clicked(), and so do Enter and Space while it has the
// keyboard focus. It takes the focus from the Tab key only, and shows it with
// a dotted frame around its caption.
class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit LinkLabel(const QString& text, QWidget* parent);

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool m_pressed = false;
};

}  // namespace tallies
