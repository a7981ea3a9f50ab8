#include "win32app/core/creation_fault_plan.h"

#include <charconv>

namespace tallies {
namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

}  // namespace

std::optional<CreationFaultPlan> CreationFaultPlan::Parse(std::string_view setting) {
  std::string_view name = setting;
  long ordinal = 1;
  if (const auto colon = setting.rfind(':'); colon != std::string_view::npos) {
    name = setting.substr(0, colon);
    const std::string_view number = setting.substr(colon + 1);
    const auto [end, error] =
        std::from_chars(number.data(), number.data() + number.size(), ordinal);
    if (error != std::errc() || end != number.data() + number.size() || ordinal < 1) {
      return std::nullopt;
    }
  }
  if (name.empty()) return std::nullopt;
  return CreationFaultPlan(std::string(name), ordinal);
}

bool CreationFaultPlan::RefuseNext(std::string_view windowClass) {
  if (!SameName(windowClass, m_class)) return false;
  return ++m_seen == m_ordinal;
}

}  // namespace tallies
