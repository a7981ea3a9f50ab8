#pragma once

#include <QLabel>

namespace tallies {

// A result: a label that only a calculator writes. Its text can be selected
// with the mouse, and once the label is clicked, with the keyboard too
// (Shift with the arrow keys, Ctrl+A); Ctrl+C copies the selection, or the
// whole result when nothing is selected. A click gives it the focus, but the
// Tab key passes it by: the keyboard order runs over fields and buttons.
class ResultLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ResultLabel(QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tallies
