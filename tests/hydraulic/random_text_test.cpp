// Arbitrary field text through every hydraulic calculator: each click ends
// normally with its outputs written in order, or with an ArithmeticFault that
// leaves the outputs after its check point as they were. Nothing else escapes,
// and no control outside the calculator's outputs is written.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <exception>
#include <random>
#include <string>
#include <vector>

#include "hydraulic_test_support.h"

namespace tallies::testing {
namespace {

constexpr int kRunsPerCalculator = 3000;

class RandomText {
 public:
  explicit RandomText(unsigned seed) : m_engine(seed) {}

  std::string Next() {
    switch (Pick(10)) {
      case 0:
        return "";
      case 1:
        return RandomBytes();
      case 2:
        return FromAlphabet(" \t\nabcxyzEeHO+-.,&", Pick(12));
      case 3:
        return OrdinaryNumber() + OneOf({" gpm", "psi", " in.", "\xC2\xB0", " kg", "", "%"});
      case 4:
        return OneOf({"&H", "&h", "&O", "&o"}) + FromAlphabet("0123456789ABCDEFabcdefg", Pick(24));
      case 5:
        return OneOf({"1E400",        "-1E400", "1E39",      "-1E39", "1E-46", "3.4028235E38",
                      "3.4028236E38", "1e308",  "-0",        "+",     "-",     ".",
                      "E5",           "1E",     "1e+",       "0x1F",  "NaN",   "inf",
                      "-Infinity",    "1,5",    "1.5.2",     " ",     "\t\n",  "&H1F",
                      "&O",           "1 2 3",  "0.0000049", "1E-45"});
      case 6:
        return LongText();
      case 7:
        return OneOf({"\xC2\xBD", "\xEF\xBC\x93", "\xD9\xA3",
                      "\xE2\x82\xAC"
                      "5",
                      "5\xE2\x82\xAC",
                      "\xE2\x80\x8B"
                      "7",
                      "\xE2\x88\x92"
                      "5",
                      "\xC3\x28",
                      "\xFF\xFE"
                      "12",
                      "1\xC2\xA0"
                      "000",
                      "\xF0\x9F\x92\xA7"});
      case 8:
        return ScaledNumber();
      default:
        return OrdinaryNumber();
    }
  }

  std::size_t Pick(std::size_t count) {
    return std::uniform_int_distribution<std::size_t>(0, count - 1)(m_engine);
  }

 private:
  std::string OneOf(std::initializer_list<const char*> texts) {
    return *(texts.begin() + Pick(texts.size()));
  }

  std::string FromAlphabet(std::string_view alphabet, std::size_t length) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i) text.push_back(alphabet[Pick(alphabet.size())]);
    return text;
  }

  std::string RandomBytes() {
    std::string text;
    for (std::size_t i = Pick(24); i > 0; --i) text.push_back(static_cast<char>(Pick(256)));
    return text;
  }

  // Thousands of digits, a long run of zeros behind the point, or many blanks.
  std::string LongText() {
    const std::size_t length = 500 + Pick(4500);
    switch (Pick(3)) {
      case 0:
        return FromAlphabet("0123456789", length) + "." + FromAlphabet("0123456789", 20);
      case 1:
        return "0." + std::string(length, '0') + "1";
      default:
        return std::string(length, ' ') + OrdinaryNumber();
    }
  }

  std::string OrdinaryNumber() {
    char buffer[64];
    const double value = std::uniform_real_distribution<double>(-5000, 5000)(m_engine);
    std::snprintf(buffer, sizeof buffer, "%.*f", static_cast<int>(Pick(7)), value);
    std::string text = buffer;
    if (Pick(4) == 0) {
      for (char& c : text) c = c == '.' ? ',' : c;
    }
    return text;
  }

  // Huge and tiny magnitudes, across the Single and the Double range.
  std::string ScaledNumber() {
    char buffer[64];
    const double mantissa = std::uniform_real_distribution<double>(1, 10)(m_engine);
    const int exponent =
        static_cast<int>(Pick(Pick(2) == 0 ? 101 : 661)) - (Pick(2) == 0 ? 50 : 330);
    std::snprintf(buffer, sizeof buffer, "%s%.6fE%d", Pick(2) == 0 ? "-" : "", mantissa, exponent);
    return buffer;
  }

  std::mt19937 m_engine;
};

// What a result text may look like: an optional minus, digits, an optional
// separator with digits, an optional exponent E, sign, two or three digits.
bool IsNumberText(std::string_view text, std::string_view separator) {
  std::size_t i = 0;
  auto digits = [&] {
    const std::size_t start = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    return i - start;
  };
  if (i < text.size() && text[i] == '-') ++i;
  if (digits() == 0) return false;
  if (text.substr(i).starts_with(separator)) {
    i += separator.size();
    if (digits() == 0) return false;
  }
  if (i < text.size() && text[i] == 'E') {
    ++i;
    if (i == text.size() || (text[i] != '+' && text[i] != '-')) return false;
    ++i;
    const std::size_t exponentDigits = digits();
    if (exponentDigits < 2 || exponentDigits > 3) return false;
  }
  return i == text.size();
}

std::string Shown(const std::string& text) {
  return text.size() > 40 ? text.substr(0, 40) + "... (" + std::to_string(text.size()) + ")" : text;
}

// Runs one click; any exception other than an ArithmeticFault is a failure.
// Returns whether the click faulted.
bool ClickAllowingFaults(Handler button, FakeControls& form, const std::string& trace) {
  try {
    Calculate(*CalculatorOf(button), form);
    return false;
  } catch (const ArithmeticFault&) {
    return true;
  } catch (const std::exception& e) {
    ADD_FAILURE() << trace << ": escaped " << e.what();
  } catch (...) {
    ADD_FAILURE() << trace << ": escaped an unknown exception";
  }
  return true;
}

TEST(RandomText, OneWayCalculatorsWriteInOrderOrFaultCleanly) {
  RandomText random(20240611u);
  for (const auto& calculator : OneWayCalculators()) {
    int faults = 0;
    for (int run = 0; run < kRunsPerCalculator; ++run) {
      FakeControls form(random.Pick(3) == 0 ? "," : ".");
      std::string trace = std::string(calculator.name) + " run " + std::to_string(run) + ":";
      for (const auto& input : calculator.inputs) {
        const std::string text = random.Next();
        form.Put(input, text);
        trace += " [" + Shown(text) + "]";
      }
      PutOldText(form, calculator.outputs);
      form.Put("lblUnrelated", kOldText);

      const bool faulted = ClickAllowingFaults(calculator.handler, form, trace);
      faults += faulted ? 1 : 0;

      const auto written = form.writtenControls();
      const auto& reads = form.reads();
      ASSERT_LE(reads.size(), calculator.inputs.size()) << trace;
      for (std::size_t i = 0; i < reads.size(); ++i) ASSERT_EQ(reads[i], calculator.inputs[i]);
      ASSERT_LE(written.size(), calculator.outputs.size()) << trace;
      for (std::size_t i = 0; i < written.size(); ++i) {
        ASSERT_EQ(written[i], calculator.outputs[i]) << trace;
        const auto& write = form.writes()[i];
        ASSERT_EQ(write.kind, KindFor(write.control)) << trace;
        ASSERT_TRUE(IsNumberText(write.text, form.DecimalSeparator()))
            << trace << " wrote '" << write.text << "'";
      }
      if (faulted) {
        ASSERT_NE(std::find(calculator.writesBeforeFault.begin(),
                            calculator.writesBeforeFault.end(), written.size()),
                  calculator.writesBeforeFault.end())
            << trace;
        for (std::size_t i = written.size(); i < calculator.outputs.size(); ++i) {
          ASSERT_EQ(form.Get(calculator.outputs[i]), kOldText) << trace;
        }
      } else {
        ASSERT_EQ(reads, calculator.inputs) << trace;
        ASSERT_EQ(written, calculator.outputs) << trace;
      }
      ASSERT_EQ(form.Get("lblUnrelated"), kOldText) << trace;
    }
    // The text mix reaches both ends of every calculator.
    EXPECT_GT(faults, 0) << calculator.name;
    EXPECT_LT(faults, kRunsPerCalculator) << calculator.name;
  }
}

TEST(RandomText, TorqueHorsepowerSolvesTheFirstEmptyFieldOrClears) {
  RandomText random(5252u);
  const std::vector<std::string> fields{"txtTorque", "txtHP2", "txtRPM"};
  std::array<int, 4> solvedOrCleared{};  // torque, horsepower, speed, cleared
  int faults = 0;
  for (int run = 0; run < kRunsPerCalculator; ++run) {
    FakeControls form(random.Pick(3) == 0 ? "," : ".");
    std::string trace = "cmdTR run " + std::to_string(run) + ":";
    std::vector<std::string> before;
    for (const auto& field : fields) {
      // Empty fields often, so that every direction is taken.
      before.push_back(random.Pick(3) == 0 ? "" : random.Next());
      form.Put(field, before.back());
      trace += " [" + Shown(before.back()) + "]";
    }
    form.Put("lblUnrelated", kOldText);

    const bool faulted = ClickAllowingFaults("cmdTR", form, trace);

    std::size_t target = 0;
    while (target < fields.size() && !before[target].empty()) ++target;
    if (faulted) {
      ++faults;
    } else {
      ++solvedOrCleared[target];
    }
    if (faulted) {
      ASSERT_LT(target, fields.size()) << trace << ": clearing never faults";
      ASSERT_TRUE(form.writes().empty()) << trace;
      for (std::size_t i = 0; i < fields.size(); ++i) ASSERT_EQ(form.Get(fields[i]), before[i]);
    } else if (target == fields.size()) {
      ASSERT_EQ(form.writtenControls(), fields) << trace;
      for (const auto& write : form.writes()) ASSERT_EQ(write.text, "") << trace;
    } else {
      ASSERT_EQ(form.writtenControls(), std::vector<std::string>{fields[target]}) << trace;
      ASSERT_EQ(form.writes()[0].kind, WriteKind::kText) << trace;
      ASSERT_TRUE(IsNumberText(form.writes()[0].text, form.DecimalSeparator()))
          << trace << " wrote '" << form.writes()[0].text << "'";
    }
    for (const auto& read : form.reads()) {
      ASSERT_NE(std::find(fields.begin(), fields.end(), read), fields.end()) << trace;
    }
    ASSERT_EQ(form.Get("lblUnrelated"), kOldText) << trace;
  }
  EXPECT_GT(faults, 0);
  for (const int count : solvedOrCleared) EXPECT_GT(count, 0);
}

}  // namespace
}  // namespace tallies::testing
