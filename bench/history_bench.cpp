// The history file at its largest: loading 1000 entries, as the window does when it opens, and
// adding one to them, as every Calc does (added at the end of the file and synced to disk). Prints the
// medians of a number of runs in a scratch folder; a benchmark, no figure fails it.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "record/history_file.h"
#include "record/history_text.h"

namespace {

using Clock = std::chrono::steady_clock;

tallies::RecordEntry Entry(int i) {
  tallies::RecordEntry entry;
  entry.id = tallies::NewEntryId(1765300000000 + i);
  entry.time = 1765300000000 + i;
  entry.calculator = "cmdHP";
  entry.name = "Pump horsepower";
  entry.formula = "Horsepower = gallons per minute × PSI ÷ 1714";
  entry.version = "1.2.0";
  entry.inputs = {{"txtGPM", "Gallons Per Minute", "10", 10, "gpm"},
                  {"txtPSI", "PSI", "1500", 1500, "psi"}};
  entry.results = {{"lblHP", "Horsepower Required", "8.751458", 8.751458, "hp"}};
  return entry;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("tallies-history-bench-" + std::to_string(runs));
  std::filesystem::remove_all(folder);
  std::vector<tallies::RecordEntry> entries;
  for (int i = 0; i < static_cast<int>(tallies::kHistoryLimit); ++i) entries.push_back(Entry(i));
  const tallies::HistoryFile file(folder);
  std::vector<double> loads, adds;
  for (int run = 0; run < runs; ++run) {
    tallies::ReplaceFile(file.File(), tallies::HistoryText(entries));
    auto start = Clock::now();
    const auto loaded = file.Load();
    loads.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    start = Clock::now();
    file.Add(Entry(-run));
    adds.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    if (loaded.entries.size() != tallies::kHistoryLimit) return 1;
  }
  std::printf("history of %zu entries, %ju bytes; medians of %d runs\n", tallies::kHistoryLimit,
              static_cast<std::uintmax_t>(std::filesystem::file_size(file.File())), runs);
  std::printf("  open (read and parse):          %8.2f ms   (goal: under 100 ms)\n", Median(loads));
  std::printf("  add one (appended, synced):     %8.2f ms   (goal: under 5 ms)\n", Median(adds));
  std::filesystem::remove_all(folder);
  return 0;
}
