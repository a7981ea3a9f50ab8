#pragma once

#include <QPalette>
#include <QPointer>
#include <QWidget>

#include "platform/message_box.h"

namespace tallies {

// The message box on Qt: modal, no icon, an OK button only, the application title as its title.
class QtModalMessageBox : public MessageBox {
 public:
  // The window's own colour rule, applied to the box's palette before it is shown.
  using PaletteFilter = QPalette (*)(QPalette);

  // The box is centred on parent when one is given (and still exists), and coloured through
  // `colours` when one is given.
  explicit QtModalMessageBox(QWidget* parent = nullptr, PaletteFilter colours = nullptr);

  void Show(std::string_view text) override;

  // Centres later messages on this window.
  void setParent(QWidget* parent) { m_parent = parent; }

 private:
  QPointer<QWidget> m_parent;
  PaletteFilter m_colours;
};

}  // namespace tallies
