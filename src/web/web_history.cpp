#include "web/web_history.h"

#include <algorithm>
#include <utility>

#include "config/app_config.h"
#include "layout/window_model.h"
#include "record/history_text.h"
#include "record/history_texts.h"
#include "web/json_writer.h"
#include "window/window_bindings.h"

namespace tallies {

std::string KeptAsideKey(std::int64_t now) {
  return "tallies.history-unreadable-" + std::to_string(now);
}

// A text that is no history of this version is kept aside by the page, never written over: the
// entries start again from none, and the user is told where the old text is.
std::string WebHistory::Read(std::string_view stored, std::int64_t now) {
  // The text this module made last is read already: its entries are those it was made from.
  // Each Calc hands the stored history back, which would otherwise be read whole every time.
  if (!m_text.empty() && stored == m_text) return {};
  if (std::optional<HistoryRead> read = ReadHistory(stored)) {
    m_entries = std::move(read->entries);
    return {};
  }
  m_entries.clear();
  return KeptAsideKey(now);
}

std::string WebHistory::StateJson(std::string_view keptAside, std::string_view notice,
                                  bool listed) {
  m_text = HistoryText(m_entries);
  JsonWriter json;
  json.BeginObject();
  json.Key("text").String(m_text);
  json.Key("keptAside").String(keptAside);
  json.Key("notice").String(notice);
  if (!listed) {
    json.EndObject();
    return json.Text();
  }
  json.Key("entries").BeginArray();
  for (auto entry = m_entries.rbegin(); entry != m_entries.rend(); ++entry) {
    json.BeginObject();
    json.Key("id").String(entry->id);
    json.Key("time").Number(static_cast<double>(entry->time));
    json.Key("summary").String(EntrySummary(*entry));
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  return json.Text();
}

namespace {

std::string NoticeFor(std::string_view keptAside) {
  return keptAside.empty() ? std::string() : HistoryKeptAsideNotice(keptAside);
}

}  // namespace

std::string WebHistory::LoadJson(std::string_view stored, std::int64_t now) {
  const std::string aside = Read(stored, now);
  if (m_entries.size() > kHistoryLimit) {
    m_entries.erase(m_entries.begin(), m_entries.end() - kHistoryLimit);
  }
  return StateJson(aside, NoticeFor(aside));
}

std::optional<std::string> WebHistory::RecordJson(std::string_view stored,
                                                  const Calculation& calculation,
                                                  std::string_view decimalSeparator,
                                                  std::int64_t now, std::string_view id) {
  const std::optional<RecordEntry> entry =
      EntryOf(calculation, now, id, kVersionText, decimalSeparator);
  if (!entry) return std::nullopt;
  return AddJson(stored, *entry, now, /*listed=*/false);
}

std::string WebHistory::AddJson(std::string_view stored, const RecordEntry& entry,
                                std::int64_t now, bool listed) {
  // A Calc onto the text this module answered last changes it at its two ends only: the entry's
  // block is added, and at the limit the oldest entry's block, the first after the header, goes.
  // The answer carries just those two blocks, not the whole history made and written out again
  // at every Calc.
  const bool onLastText = !listed && !m_text.empty() && stored == m_text &&
                          m_entries.size() <= kHistoryLimit;
  const std::string aside = Read(stored, now);
  const std::string dropped =
      onLastText && m_entries.size() == kHistoryLimit ? EntryBlock(m_entries.front()) : "";
  m_entries.push_back(entry);
  if (m_entries.size() > kHistoryLimit) {
    m_entries.erase(m_entries.begin(), m_entries.end() - kHistoryLimit);
  }
  const std::size_t first = HistoryText({}).size();
  if (onLastText && m_text.compare(first, dropped.size(), dropped) == 0) {
    const std::string block = EntryBlock(entry);
    m_text.erase(first, dropped.size());
    m_text += block;
    JsonWriter json;
    json.BeginObject();
    json.Key("appended").String(block);
    json.Key("dropped").String(dropped);
    json.Key("keptAside").String("");
    json.Key("notice").String("");
    json.EndObject();
    return json.Text();
  }
  return StateJson(aside, NoticeFor(aside), listed);
}

std::string WebHistory::RemoveJson(std::string_view stored, std::string_view id, std::int64_t now) {
  const std::string aside = Read(stored, now);
  std::erase_if(m_entries, [&](const RecordEntry& entry) { return entry.id == id; });
  return StateJson(aside, NoticeFor(aside));
}

std::string WebHistory::ClearJson() {
  m_entries.clear();
  return StateJson("", "");
}

const RecordEntry* WebHistory::Find(std::string_view id) const {
  const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                  [&](const RecordEntry& entry) { return entry.id == id; });
  return found == m_entries.end() ? nullptr : &*found;
}

SharedCalculation SharedOf(const RecordEntry& entry) {
  SharedCalculation shared{entry.calculator, entry.units, {}};
  for (const RecordedValue& input : entry.inputs)
    shared.inputs.emplace_back(input.control, input.text);
  return shared;
}

std::string PlacedCalculationJson(const SharedCalculation& calculation) {
  const ControlPlace place = PlaceOf(calculation.calculator);
  JsonWriter json;
  json.BeginObject();
  json.Key("found").Bool(true);
  json.Key("calculator").String(calculation.calculator);
  json.Key("units").String(UnitsEntry(calculation.units));
  json.Key("view").String(place.view ? place.view->option : "");
  json.Key("tabs").BeginArray();
  for (const TabChoice& choice : place.tabs) {
    json.BeginArray().String(choice.tabSet).Number(choice.tab).EndArray();
  }
  json.EndArray();
  json.Key("inputs").BeginArray();
  for (const auto& input : calculation.inputs) {
    json.BeginArray().String(input.first).String(input.second).EndArray();
  }
  json.EndArray();
  json.EndObject();
  return json.Text();
}

std::string ShareFragmentJson(std::string_view fragment) {
  const std::optional<SharedCalculation> shared = ReadShareFragment(fragment);
  return shared ? PlacedCalculationJson(*shared) : std::string(R"({"found":false})");
}

}  // namespace tallies
