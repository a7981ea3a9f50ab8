#include "platform/win32/win32_error.h"

#include <array>

#include "platform/win32/windows_api.h"

namespace tallies {

namespace {

class Win32Category : public std::error_category {
 public:
  const char* name() const noexcept override { return "win32"; }

  std::string message(int condition) const override {
    std::array<char, 512> text{};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, static_cast<DWORD>(condition), 0, text.data(),
                                        static_cast<DWORD>(text.size()), nullptr);
    std::string message(text.data(), length);
    // The system's texts end with a line break, which the report does not want.
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) {
      message.pop_back();
    }
    return message.empty() ? "Unknown error " + std::to_string(condition) : message;
  }
};

}  // namespace

const std::error_category& Win32ErrorCategory() {
  static const Win32Category category;
  return category;
}

void ThrowLastError(const std::string& what) {
  throw std::system_error(static_cast<int>(GetLastError()), Win32ErrorCategory(), what);
}

}  // namespace tallies
