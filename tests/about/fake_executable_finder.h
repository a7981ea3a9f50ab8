#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/executable_finder.h"

namespace tallies::testing {

// Answers the find query with a chosen code. A hook runs during the query, for tests that look at
// the files as the shell sees them, or that make the query fail.
class FakeExecutableFinder : public ExecutableFinder {
 public:
  struct Query {
    std::string fileName;
    std::string directory;
    std::size_t bufferSize;
  };

  explicit FakeExecutableFinder(std::int32_t answer = kShellSuccess) : m_answer(answer) {}
  void Answer(std::int32_t answer) { m_answer = answer; }
  void OnQuery(std::function<void(const Query&)> hook) { m_onQuery = std::move(hook); }

  std::int32_t FindExecutable(std::string_view fileName, std::string_view directory,
                              std::span<char> result) override {
    m_queries.push_back({std::string(fileName), std::string(directory), result.size()});
    if (m_onQuery) {
      m_onQuery(m_queries.back());
    }
    // The shell fills the whole buffer it is allowed to, up to its NUL.
    if (!result.empty() && m_answer >= kShellLowestSuccess) {
      std::fill(result.begin(), result.end() - 1, 'x');
      result.back() = '\0';
    }
    return m_answer;
  }

  const std::vector<Query>& queries() const { return m_queries; }

 private:
  std::int32_t m_answer;
  std::function<void(const Query&)> m_onQuery;
  std::vector<Query> m_queries;
};

}  // namespace tallies::testing
