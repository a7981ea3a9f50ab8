#pragma once

#include <string_view>

namespace tallies {

// A modal message with an OK button only, no icon, and the application title
// as its title. Returns when the user has closed it. Behind an interface so
// tests can record messages instead of blocking.
class MessageBox {
 public:
  virtual ~MessageBox() = default;
  virtual void Show(std::string_view text) = 0;
};

}  // namespace tallies
