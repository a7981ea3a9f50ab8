#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/address_opener.h"

namespace tallies::testing {

// Records open requests and answers them with a chosen code.
class FakeAddressOpener : public AddressOpener {
 public:
  struct Request {
    std::string operation;
    std::string file;
    std::string parameters;
    std::string directory;
    int showCommand;
  };

  explicit FakeAddressOpener(std::int32_t answer = kShellSuccess) : m_answer(answer) {}
  void Answer(std::int32_t answer) { m_answer = answer; }

  std::int32_t Open(std::string_view operation, std::string_view file, std::string_view parameters,
                    std::string_view directory, int showCommand) override {
    m_requests.push_back({std::string(operation), std::string(file), std::string(parameters),
                          std::string(directory), showCommand});
    return m_answer;
  }

  const std::vector<Request>& requests() const { return m_requests; }

 private:
  std::int32_t m_answer;
  std::vector<Request> m_requests;
};

}  // namespace tallies::testing
