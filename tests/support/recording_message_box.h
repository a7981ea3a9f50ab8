#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/message_box.h"

namespace tallies::testing {

// Records messages instead of showing them. A hook may run while a message is "on screen".
class RecordingMessageBox : public MessageBox {
 public:
  void Show(std::string_view text) override {
    m_messages.emplace_back(text);
    if (m_onShow) {
      m_onShow(m_messages.back());
    }
  }
  void OnShow(std::function<void(const std::string&)> hook) { m_onShow = std::move(hook); }
  void clear() { m_messages.clear(); }
  const std::vector<std::string>& messages() const { return m_messages; }

 private:
  std::vector<std::string> m_messages;
  std::function<void(const std::string&)> m_onShow;
};

}  // namespace tallies::testing
