#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "controls/controls.h"

namespace tallies::testing {

// A window made of a map from control name to text. It records every read and
// every write in order, so tests can check what a handler touched and when.
class FakeControls : public Controls {
 public:
  enum class WriteKind { kText, kCaption };
  struct Write {
    std::string control;
    std::string text;
    WriteKind kind;
    bool operator==(const Write&) const = default;
  };

  explicit FakeControls(std::string decimalSeparator = ".")
      : m_separator(std::move(decimalSeparator)) {}

  // Sets a control's text as if the user had typed it; not recorded as a write.
  void Put(std::string_view control, std::string_view text) {
    m_texts[std::string(control)] = std::string(text);
  }

  // The current text of a control, without recording a read.
  std::string Get(std::string_view control) const {
    auto it = m_texts.find(control);
    return it == m_texts.end() ? std::string() : it->second;
  }

  std::string Text(std::string_view control) const override {
    m_reads.emplace_back(control);
    return Get(control);
  }
  void SetText(std::string_view control, std::string_view text) override {
    m_writes.push_back({std::string(control), std::string(text), WriteKind::kText});
    Put(control, text);
  }
  void SetCaption(std::string_view control, std::string_view caption) override {
    m_writes.push_back({std::string(control), std::string(caption), WriteKind::kCaption});
    Put(control, caption);
  }
  std::string DecimalSeparator() const override { return m_separator; }

  const std::vector<std::string>& reads() const { return m_reads; }
  const std::vector<Write>& writes() const { return m_writes; }
  // The names written, in order.
  std::vector<std::string> writtenControls() const {
    std::vector<std::string> names;
    for (const auto& w : m_writes) names.push_back(w.control);
    return names;
  }
  const std::map<std::string, std::string, std::less<>>& texts() const { return m_texts; }
  void clearLog() {
    m_reads.clear();
    m_writes.clear();
  }

 private:
  std::string m_separator;
  std::map<std::string, std::string, std::less<>> m_texts;
  mutable std::vector<std::string> m_reads;
  std::vector<Write> m_writes;
};

}  // namespace tallies::testing
