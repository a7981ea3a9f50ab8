// The module's entry points for the page. Texts cross as UTF-8 C strings that the page places on
// the module's heap and frees after the call: emscripten's "string" arguments are copied onto
// the module's stack, a few megabytes, which a long paste overran. A text the page could not
// place (its memory ran out) arrives as a null pointer. Each answer stays valid until the next
// call of the same function.
//
// No exception leaves an entry point: each one catches what it meets and answers with the text
// the page shows in its message box, so the module keeps working after any fault. A
// calculator's own faults are already reported inside ClickJson.
#include <emscripten/emscripten.h>

#include <exception>
#include <new>
#include <string>
#include <string_view>

#include "record/entry_formats.h"
#include "record/history_file.h"
#include "record/history_texts.h"
#include "record/share_link.h"
#include "web/json_writer.h"
#include "web/web_history.h"
#include "web/web_model.h"

namespace {

// What the page shows when memory ran out, the likeliest fault with a text of any length; it
// needs no memory of its own.
constexpr char kOutOfMemory[] =
    "There is not enough memory for the text in the fields.\n"
    "Shorten it and click Calc again.";
constexpr char kStopped[] = "The calculation stopped: ";
constexpr char kUnknownFault[] = "The calculation stopped: an unexpected fault.";

// The width of a text drawn at a point size in the results' face, in CSS pixels: measured by
// the page, which hands the module its `measureText` when it creates it.
EM_JS(double, tallies_measure_text, (const char* text, double points),
      { return Module.measureText(UTF8ToString(text), points); });

tallies::WebForm& Form() {
  static tallies::WebForm form([](std::string_view text, double points) {
    return tallies_measure_text(std::string(text).c_str(), points);
  });
  return form;
}

// The history of this page: the entries of the text the page last handed in.
tallies::WebHistory& History() {
  static tallies::WebHistory history;
  return history;
}

// A null text is one the page could not place on the heap: its memory ran out.
std::string_view TextOf(const char* text) {
  if (text == nullptr) throw std::bad_alloc();
  return text;
}

// The click answer that carries only a message, in ClickJson's form.
std::string FaultAnswer(std::string_view message) {
  return R"({"ran":false,"writes":[],"message":)" + tallies::JsonString(message) +
         R"(,"said":"","description":"","history":null})";
}

// The units answer that carries only a message, in ChooseUnitsJson's form; no units named means
// the units stay as they were.
std::string UnitsFaultAnswer(std::string_view message) {
  return R"({"units":"","settings":"","writes":[],"formulas":[],"message":)" +
         tallies::JsonString(message) + "}";
}

// Made while the module starts, so it is at hand when memory has run out.
const std::string kOutOfMemoryAnswer = FaultAnswer(kOutOfMemory);
const std::string kOutOfMemoryUnits = UnitsFaultAnswer(kOutOfMemory);
const std::string kOutOfMemoryModel = "{\"fault\":" + tallies::JsonString(kOutOfMemory) + "}";

// The message for the exception being handled; `buffer` keeps a text that had to be made.
const char* FaultMessage(std::string& buffer) noexcept {
  try {
    throw;
  } catch (const std::bad_alloc&) {
    return kOutOfMemory;
  } catch (const std::exception& error) {
    try {
      buffer.assign(kStopped).append(error.what());
      return buffer.c_str();
    } catch (...) {
      return kOutOfMemory;  // only memory can fail in making the text
    }
  } catch (...) {
    return kUnknownFault;
  }
}

// Runs `work` and answers "" when it ended well, or the message for what it threw.
template <typename Work>
const char* Guarded(std::string& buffer, Work&& work) noexcept {
  try {
    work();
    return "";
  } catch (...) {
    return FaultMessage(buffer);
  }
}

// `make` makes a units answer into `answer`; a fault it let through is answered in the same
// form, with its message.
template <typename Make>
const char* UnitsAnswer(Make&& make) noexcept {
  static std::string message;
  static std::string answer;
  const char* fault = Guarded(message, [&] { answer = make(); });
  if (*fault == '\0') return answer.c_str();
  try {
    answer = UnitsFaultAnswer(fault);
    return answer.c_str();
  } catch (...) {
    return kOutOfMemoryUnits.c_str();  // only memory can fail in making the answer
  }
}

// `make` makes a JSON answer of the History window's; a fault it let through is answered as
// {"fault": message}, which the page shows; the page then stores nothing.
template <typename Make>
const char* HistoryAnswer(Make&& make) noexcept {
  static std::string message;
  static std::string answer;
  const char* fault = Guarded(message, [&] { answer = make(); });
  if (*fault == '\0') return answer.c_str();
  try {
    answer = "{\"fault\":" + tallies::JsonString(fault) + "}";
    return answer.c_str();
  } catch (...) {
    return kOutOfMemoryModel.c_str();  // only memory can fail in making the answer
  }
}

// {"text": one text made for the History window}.
std::string TextAnswer(std::string_view text) {
  return "{\"text\":" + tallies::JsonString(text) + "}";
}

}  // namespace

extern "C" {

// The window model as JSON, or {"fault": message} when it could not be made.
EMSCRIPTEN_KEEPALIVE const char* tallies_model() {
  static std::string model;
  static std::string message;
  static std::string answer;
  const char* fault = Guarded(message, [] {
    if (model.empty()) model = tallies::WindowModelJson();
  });
  if (*fault == '\0') return model.c_str();
  try {
    answer = "{\"fault\":" + tallies::JsonString(fault) + "}";
    return answer.c_str();
  } catch (...) {
    return kOutOfMemoryModel.c_str();  // only memory can fail in making the answer
  }
}

// Each of these answers "" or the message for the page's message box.
EMSCRIPTEN_KEEPALIVE const char* tallies_set_decimal_separator(const char* separator) {
  static std::string answer;
  return Guarded(answer, [separator] { Form().SetDecimalSeparator(TextOf(separator)); });
}

EMSCRIPTEN_KEEPALIVE const char* tallies_type(const char* control, const char* text) {
  static std::string answer;
  return Guarded(answer, [control, text] { Form().Type(TextOf(control), TextOf(text)); });
}

// ClickJson's answer; a fault it let through is answered in the same form, with its message. A
// calculation that ran to its end is recorded in the history `stored` (the text the page keeps
// now), and the answer's "history" is the history to keep.
EMSCRIPTEN_KEEPALIVE const char* tallies_click(const char* control, const char* stored) {
  static std::string message;
  static std::string answer;
  const char* fault = Guarded(message, [control, stored] {
    const std::string_view history = TextOf(stored);
    answer = tallies::ClickJson(Form(), TextOf(control), [&](const tallies::Calculation& done) {
      const std::int64_t now = tallies::NowMilliseconds();
      return History().RecordJson(history, done, Form().DecimalSeparator(), now,
                                  tallies::NewEntryId(now));
    });
  });
  if (*fault == '\0') return answer.c_str();
  try {
    answer = FaultAnswer(fault);
    return answer.c_str();
  } catch (...) {
    return kOutOfMemoryAnswer.c_str();  // only memory can fail in making the answer
  }
}

// ChooseUnitsJson's answer for an entry of the units list.
EMSCRIPTEN_KEEPALIVE const char* tallies_choose_units(const char* entry) {
  return UnitsAnswer([entry] { return tallies::ChooseUnitsJson(Form(), TextOf(entry)); });
}

// UnitsFromSettingsJson's answer for the settings text the page kept ("" when it kept none).
EMSCRIPTEN_KEEPALIVE const char* tallies_use_settings(const char* settings) {
  return UnitsAnswer(
      [settings] { return tallies::UnitsFromSettingsJson(Form(), TextOf(settings)); });
}

// What copying a result copies, or "" when it could not be made.
EMSCRIPTEN_KEEPALIVE const char* tallies_copied(const char* control, const char* shown,
                                                const char* selection) {
  static std::string answer;
  static std::string message;
  const char* fault = Guarded(message, [&] {
    answer = tallies::CopiedResult(Form(), TextOf(control), TextOf(shown), TextOf(selection));
  });
  return *fault == '\0' ? answer.c_str() : "";
}

// The History window's entry points. Those that change the history take the text the page keeps
// now and answer the history as WebHistory answers it.
EMSCRIPTEN_KEEPALIVE const char* tallies_history_load(const char* stored) {
  return HistoryAnswer(
      [stored] { return History().LoadJson(TextOf(stored), tallies::NowMilliseconds()); });
}

EMSCRIPTEN_KEEPALIVE const char* tallies_history_delete(const char* stored, const char* id) {
  return HistoryAnswer([stored, id] {
    return History().RemoveJson(TextOf(stored), TextOf(id), tallies::NowMilliseconds());
  });
}

EMSCRIPTEN_KEEPALIVE const char* tallies_history_clear() {
  return HistoryAnswer([] { return History().ClearJson(); });
}

// An entry as {"text"}: "plain" (EntryPlainText), "table" (EntryMarkdown) or "link" (the
// fragment of its link, ShareFragment); "" for an entry the history no longer holds.
EMSCRIPTEN_KEEPALIVE const char* tallies_history_entry(const char* id, const char* form) {
  return HistoryAnswer([id, form] {
    const tallies::RecordEntry* entry = History().Find(TextOf(id));
    const std::string_view asked = TextOf(form);
    if (!entry) return TextAnswer("");
    if (asked == "table") return TextAnswer(tallies::EntryMarkdown(*entry));
    if (asked == "link") return TextAnswer(tallies::ShareFragment(*entry));
    return TextAnswer(tallies::EntryPlainText(*entry));
  });
}

// The whole history as {"text"}: CSV (HistoryCsv), and the worked sheet (WorkedSheetHtml).
EMSCRIPTEN_KEEPALIVE const char* tallies_history_csv() {
  return HistoryAnswer([] { return TextAnswer(tallies::HistoryCsv(History().Entries())); });
}

EMSCRIPTEN_KEEPALIVE const char* tallies_history_sheet() {
  return HistoryAnswer([] { return TextAnswer(tallies::WorkedSheetHtml(History().Entries())); });
}

// What puts an entry back in the main window (PlacedCalculationJson), {"found": false} for one
// the history no longer holds.
EMSCRIPTEN_KEEPALIVE const char* tallies_history_recall(const char* id) {
  return HistoryAnswer([id] {
    const tallies::RecordEntry* entry = History().Find(TextOf(id));
    return entry ? tallies::PlacedCalculationJson(tallies::SharedOf(*entry))
                 : std::string(R"({"found":false})");
  });
}

// The page's address fragment read as a link to a calculation (ShareFragmentJson).
EMSCRIPTEN_KEEPALIVE const char* tallies_share(const char* fragment) {
  return HistoryAnswer([fragment] { return tallies::ShareFragmentJson(TextOf(fragment)); });
}

}  // extern "C"
