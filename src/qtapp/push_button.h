#pragma once

#include <QPushButton>

namespace tallies {

// A push button of the main window. As on every desktop, Enter on the focused
// button presses it, once per key press, just as Space does. The main window
// has no default button, so Enter in a field still starts nothing.
class PushButton : public QPushButton {
  Q_OBJECT

 public:
  using QPushButton::QPushButton;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tallies
