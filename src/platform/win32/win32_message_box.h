#pragma once

#include "platform/message_box.h"

namespace tallies {

// The message box through MessageBoxW (the text is UTF-8): OK only, no icon, the application title, owned by the
// given window (an HWND, or none).
class Win32MessageBox : public MessageBox {
 public:
  explicit Win32MessageBox(void* ownerWindow = nullptr);

  void Show(std::string_view text) override;

 private:
  void* m_ownerWindow;
};

}  // namespace tallies
