#include "record/share_link.h"

#include <algorithm>

#include "numeric/code_point.h"
#include "window/calculator_catalogue.h"

namespace tallies {
namespace {

std::string Encoded(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
        (byte >= '0' && byte <= '9') || c == '-' || c == '.' || c == '_' || c == '~') {
      out += c;
    } else {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    }
  }
  return out;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The text of an encoded part: none for a malformed escape, text that is not UTF-8 or that
// holds a control character.
std::optional<std::string> Decoded(std::string_view part) {
  std::string text;
  for (std::size_t i = 0; i < part.size(); ++i) {
    if (part[i] != '%') {
      text += part[i];
      continue;
    }
    if (i + 2 >= part.size()) return std::nullopt;
    const int high = HexValue(part[i + 1]), low = HexValue(part[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    text += static_cast<char>(high * 16 + low);
    i += 2;
  }
  for (std::size_t at = 0; at < text.size();) {
    const CodePoint c = DecodeUtf8(text, at);
    if (c.value == kInvalidCodePoint || c.value < 0x20 || c.value == 0x7F) return std::nullopt;
    at += c.size;
  }
  return text;
}

}  // namespace

std::string ShareFragment(const RecordEntry& entry) {
  std::string fragment = "calc=" + Encoded(entry.calculator) +
                         (entry.units == UnitSystem::kUS ? "&units=us" : "&units=metric");
  for (const RecordedValue& input : entry.inputs) {
    fragment += '&' + Encoded(input.control) + '=' + Encoded(input.text);
  }
  return fragment;
}

std::string ShareLink(std::string_view site, const RecordEntry& entry) {
  return std::string(site) + '#' + ShareFragment(entry);
}

std::optional<SharedCalculation> ReadShareFragment(std::string_view fragment) {
  if (!fragment.empty() && fragment.front() == '#') fragment.remove_prefix(1);
  if (fragment.empty() || fragment.size() > kLongestShareFragment) return std::nullopt;
  std::vector<std::pair<std::string, std::string>> pairs;
  for (std::size_t start = 0; start <= fragment.size();) {
    std::size_t end = fragment.find('&', start);
    if (end == std::string_view::npos) end = fragment.size();
    const std::string_view part = fragment.substr(start, end - start);
    const std::size_t equals = part.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    std::optional<std::string> key = Decoded(part.substr(0, equals));
    std::optional<std::string> value = Decoded(part.substr(equals + 1));
    if (!key || !value || value->size() > kLongestSharedText) return std::nullopt;
    if (std::any_of(pairs.begin(), pairs.end(), [&](const auto& pair) { return pair.first == *key; })) {
      return std::nullopt;
    }
    pairs.emplace_back(std::move(*key), std::move(*value));
    start = end + 1;
  }
  SharedCalculation shared;
  const auto take = [&](std::string_view key) -> std::optional<std::string> {
    const auto found = std::find_if(pairs.begin(), pairs.end(),
                                    [&](const auto& pair) { return pair.first == key; });
    if (found == pairs.end()) return std::nullopt;
    std::string value = std::move(found->second);
    pairs.erase(found);
    return value;
  };
  const std::optional<std::string> calculator = take("calc");
  const std::optional<std::string> units = take("units");
  if (!calculator || (units && *units != "us" && *units != "metric")) return std::nullopt;
  shared.calculator = *calculator;
  shared.units = units && *units == "metric" ? UnitSystem::kMetric : UnitSystem::kUS;
  const Calculator* known = CalculatorOf(shared.calculator, shared.units);
  if (known == nullptr) return std::nullopt;
  for (auto& pair : pairs) {
    const bool reads = std::any_of(known->inputs.begin(), known->inputs.end(),
                                   [&](const Port& port) { return port.control == pair.first; });
    if (!reads) return std::nullopt;
    shared.inputs.push_back(std::move(pair));
  }
  return shared;
}

}  // namespace tallies
