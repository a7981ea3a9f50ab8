// How field text parsing and result formatting compare with the standard
// library's own conversions on the same values: ParseFieldNumber beside
// std::from_chars, FormatSingle and FormatDouble beside std::to_chars in the
// general form with 7 and 15 digits. Prints the usual table, then the ratios.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "numeric/field_number.h"
#include "numeric/number_format.h"

namespace {

// What people type into the fields, and the same value as plain number text
// for from_chars: whole numbers and decimals of everyday size, results copied
// back from a label, a unit typed after the number, blanks, scientific form
// and the odd hexadecimal number.
struct FieldText {
  std::string_view field;
  std::string_view plain;
};
constexpr FieldText kFieldTexts[] = {
    {"10", "10"},
    {"2000", "2000"},
    {"1500", "1500"},
    {"3", "3"},
    {"0.75", "0.75"},
    {"1.5", "1.5"},
    {"25.4", "25.4"},
    {"7.068583", "7.068583"},
    {"14137.17", "14137.17"},
    {"3.14159265358979", "3.14159265358979"},
    {"0.0393700787401575", "0.0393700787401575"},
    {"-40", "-40"},
    {"98.6", "98.6"},
    {" 12.5", "12.5"},
    {"10 gpm", "10"},
    {"1E-05", "1E-05"},
    {"1.234568E+08", "1.234568E+08"},
    {"&H1F", "31"},
    {"0", "0"},
    {"4500", "4500"},
};

const std::vector<double>& Values() {
  static const std::vector<double> values = [] {
    std::vector<double> out;
    for (const FieldText& text : kFieldTexts) out.push_back(tallies::ParseFieldNumber(text.field));
    return out;
  }();
  return values;
}

void BM_ParseFieldNumber(benchmark::State& state) {
  for (auto _ : state) {
    for (const FieldText& text : kFieldTexts) {
      benchmark::DoNotOptimize(tallies::ParseFieldNumber(text.field, "."));
    }
  }
  state.SetItemsProcessed(state.iterations() * std::size(kFieldTexts));
}

void BM_FromChars(benchmark::State& state) {
  for (auto _ : state) {
    for (const FieldText& text : kFieldTexts) {
      double value = 0;
      std::from_chars(text.plain.data(), text.plain.data() + text.plain.size(), value);
      benchmark::DoNotOptimize(value);
    }
  }
  state.SetItemsProcessed(state.iterations() * std::size(kFieldTexts));
}

void BM_FormatSingle(benchmark::State& state) {
  const std::vector<double>& values = Values();
  for (auto _ : state) {
    for (double value : values) {
      benchmark::DoNotOptimize(tallies::FormatSingle(static_cast<float>(value), "."));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(values.size()));
}

void BM_ToCharsSingle(benchmark::State& state) {
  const std::vector<double>& values = Values();
  char buffer[64];
  for (auto _ : state) {
    for (double value : values) {
      auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<float>(value),
                                  std::chars_format::general, 7);
      benchmark::DoNotOptimize(result.ptr);
      benchmark::ClobberMemory();
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(values.size()));
}

void BM_FormatDouble(benchmark::State& state) {
  const std::vector<double>& values = Values();
  for (auto _ : state) {
    for (double value : values) benchmark::DoNotOptimize(tallies::FormatDouble(value, "."));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(values.size()));
}

void BM_ToCharsDouble(benchmark::State& state) {
  const std::vector<double>& values = Values();
  char buffer[64];
  for (auto _ : state) {
    for (double value : values) {
      auto result =
          std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
      benchmark::DoNotOptimize(result.ptr);
      benchmark::ClobberMemory();
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(values.size()));
}

BENCHMARK(BM_ParseFieldNumber);
BENCHMARK(BM_FromChars);
BENCHMARK(BM_FormatSingle);
BENCHMARK(BM_ToCharsSingle);
BENCHMARK(BM_FormatDouble);
BENCHMARK(BM_ToCharsDouble);

// The console table as usual, keeping each benchmark's CPU time per iteration:
// the median when runs are repeated, else the single run.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  // Colours only on a terminal, as Google Benchmark's own console output.
  RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const std::string& name = run.run_name.function_name;
      if (run.run_type == Run::RT_Aggregate) {
        if (run.aggregate_name == "median") m_medians[name] = run.GetAdjustedCPUTime();
      } else if (!m_medians.count(name)) {
        m_singles[name] = run.GetAdjustedCPUTime();
      }
    }
  }

  double Time(const std::string& name) const {
    auto median = m_medians.find(name);
    if (median != m_medians.end()) return median->second;
    auto single = m_singles.find(name);
    return single == m_singles.end() ? 0.0 : single->second;
  }

 private:
  std::map<std::string, double> m_medians;
  std::map<std::string, double> m_singles;
};

// Every field text must read as the value its plain text gives from_chars,
// or the two columns would not be timing the same work.
bool SameValues() {
  bool same = true;
  for (const FieldText& text : kFieldTexts) {
    double plain = 0;
    std::from_chars(text.plain.data(), text.plain.data() + text.plain.size(), plain);
    if (tallies::ParseFieldNumber(text.field) != plain) {
      std::fprintf(stderr, "\"%.*s\" does not read as %.*s\n", static_cast<int>(text.field.size()),
                   text.field.data(), static_cast<int>(text.plain.size()), text.plain.data());
      same = false;
    }
  }
  return same;
}

}  // namespace

int main(int argc, char** argv) {
  if (!SameValues()) return 1;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  constexpr double kTarget = 2.0;  // at most twice the standard library's time
  const struct {
    const char* ours;
    const char* standard;
  } pairs[] = {{"BM_ParseFieldNumber", "BM_FromChars"},
               {"BM_FormatSingle", "BM_ToCharsSingle"},
               {"BM_FormatDouble", "BM_ToCharsDouble"}};
  // Each iteration converts the whole mix; the table shows the time per value.
  const double count = static_cast<double>(std::size(kFieldTexts));
  std::printf("\n%-18s %-14s %10s %10s %7s  (target: at most %.0fx)\n", "ours", "standard",
              "ns/value", "std ns", "ratio", kTarget);
  for (const auto& pair : pairs) {
    const double ours = reporter.Time(pair.ours) / count;
    const double standard = reporter.Time(pair.standard) / count;
    if (ours <= 0 || standard <= 0) continue;  // left out by a filter
    const double ratio = ours / standard;
    std::printf("%-18s %-14s %10.1f %10.1f %6.2fx  %s\n", pair.ours + 3, pair.standard + 3, ours,
                standard, ratio, ratio <= kTarget ? "met" : "missed");
  }
  return 0;
}
