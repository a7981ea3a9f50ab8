#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "numeric/unit_system.h"
#include "record/record_entry.h"

namespace tallies {

// A calculation passed on in a link: the calculator, its units and its inputs' texts.
struct SharedCalculation {
  std::string calculator;
  UnitSystem units = UnitSystem::kUS;
  std::vector<std::pair<std::string, std::string>> inputs;  // control, text as typed

  bool operator==(const SharedCalculation&) const = default;
};

// The longest fragment read, and the longest text of one input in it.
inline constexpr std::size_t kLongestShareFragment = 2048;
inline constexpr std::size_t kLongestSharedText = 256;

// The fragment of a link to an entry, without its "#": "calc=cmdHP&units=us&txtGPM=10&txtPSI=1500",
// every byte but letters, digits and "-._~" percent-encoded.
std::string ShareFragment(const RecordEntry& entry);
// The site's address with that fragment.
std::string ShareLink(std::string_view site, const RecordEntry& entry);

// Reads a fragment (with or without its "#"); none for one that is not a well-formed link to a
// calculation: too long, a malformed escape, text that is not UTF-8 or holds control characters,
// a calculator that does not exist in its units, an input it does not read, a key given twice,
// a text longer than kLongestSharedText. Nothing of a fragment is ever taken as anything but the
// text of a field.
std::optional<SharedCalculation> ReadShareFragment(std::string_view fragment);

}  // namespace tallies
