#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tallies {

// Which window creation a test run makes fail, read from a setting "<window class>" or
// "<window class>:<n>": the n-th window of that class the program asks for (the first when n is
// left out) is refused as Windows would refuse it. Window class names compare without regard to
// case, as Windows compares them. An empty or malformed setting makes nothing fail.
class CreationFaultPlan {
 public:
  static std::optional<CreationFaultPlan> Parse(std::string_view setting);

  // Counts one creation of a window of `windowClass`; true when it is the one to refuse.
  bool RefuseNext(std::string_view windowClass);

 private:
  CreationFaultPlan(std::string windowClass, long ordinal)
      : m_class(std::move(windowClass)), m_ordinal(ordinal) {}

  std::string m_class;
  long m_ordinal;
  long m_seen = 0;
};

}  // namespace tallies
