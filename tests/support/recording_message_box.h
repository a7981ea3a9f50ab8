#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/message_box.h"

namespace tallies::testing {

// A message box that records its messages instead of blocking.
class RecordingMessageBox : public MessageBox {
 public:
  void Show(std::string_view text) override { m_messages.emplace_back(text); }
  const std::vector<std::string>& messages() const { return m_messages; }
  void clear() { m_messages.clear(); }

 private:
  std::vector<std::string> m_messages;
};

}  // namespace tallies::testing
