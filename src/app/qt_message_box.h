#pragma once

#include "platform/message_box.h"

class QWidget;

namespace tallies {

// The program's message box: modal, OK only, no icon, titled "Tallies".
class QtMessageBox : public MessageBox {
 public:
  explicit QtMessageBox(QWidget* parent = nullptr) : m_parent(parent) {}
  void Show(std::string_view text) override;

 private:
  QWidget* m_parent;
};

}  // namespace tallies
