// Every calculator the window wires (the nine hydraulic buttons, the 25 unit
// pairs, the six temperature converters and the two gauge lists), run over a
// FakeControls whose field texts come from the input. Byte 0 picks the handler,
// byte 1 the regional separator; the rest, split at '|', gives the texts of the
// handler's inputs and then the old texts of its outputs.
//
// A click must end with its outputs written in their documented order, or with
// an ArithmeticFault of a kind the handler can meet, leaving at most the outputs
// written before its last check point. Nothing but the outputs is ever written,
// nothing but the inputs is read, every number shown keeps the display rules,
// and every control not written keeps its old text.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "controls/calculate.h"
#include "fake_controls.h"
#include "numeric/arithmetic_fault.h"
#include "shown_number.h"
#include "window/calculator_catalogue.h"

namespace {

using tallies::ArithmeticFault;
using tallies::FaultKind;
using tallies::testing::FakeControls;
using WriteKind = FakeControls::WriteKind;

constexpr std::array<std::string_view, 3> kSeparators{".", ",", "\xd9\xab"};
// Splits the field texts in the input.
constexpr char kTextDelimiter = '|';
// Significant digits of a hydraulic (Single) and a conversion (Double) result.
constexpr int kSingleDigits = 7;
constexpr int kDoubleDigits = 15;

enum class Shape {
  kOneWay,            // reads its inputs, writes its outputs
  kFirstEmptySolved,  // two-way: solves the first empty field, or clears them all
  kLookup,            // a gauge list: writes its label only for a known gauge
};
enum class Shown { kSingle, kDouble, kThickness };

struct Output {
  std::string_view control;
  WriteKind kind;
};

// What the documentation says of one handler.
struct DocumentedHandler {
  std::string_view control;
  Shape shape;
  Shown shown;
  // Read in this order (kOneWay, kLookup); the fields in test order (kFirstEmptySolved).
  std::vector<std::string_view> inputs;
  // Written in this order (kOneWay, kLookup); a two-way handler writes its fields.
  std::vector<Output> outputs;
  std::vector<FaultKind> faults;  // the faults it can meet
  // The most outputs still written when a fault ends the click: those before
  // the last check point.
  std::size_t mostWrittenOnFault = 0;
};

const std::vector<DocumentedHandler>& DocumentedHandlers() {
  static const std::vector<DocumentedHandler> documented = [] {
    constexpr auto kCaption = WriteKind::kCaption;
    constexpr auto kText = WriteKind::kText;
    const std::vector<FaultKind> overflow{FaultKind::kOverflow};
    const std::vector<FaultKind> anyFault{FaultKind::kOverflow, FaultKind::kDivisionByZero,
                                          FaultKind::kInvalidOperation};
    std::vector<DocumentedHandler> all{
        {"cmdHP",
         Shape::kOneWay,
         Shown::kSingle,
         {"txtGPM", "txtPSI"},
         {{"lblHP", kCaption}},
         overflow},
        {"cmdArea",
         Shape::kOneWay,
         Shown::kSingle,
         {"txtDIA"},
         {{"lblArea", kCaption}, {"txtArea1", kText}, {"txtArea2", kText}},
         overflow},
        {"cmdForce",
         Shape::kOneWay,
         Shown::kSingle,
         {"txtArea1", "txtPSI1"},
         {{"lblForce", kCaption}},
         overflow},
        {"cmdSpeed",
         Shape::kOneWay,
         Shown::kSingle,
         {"txtArea2", "txtGPM1"},
         {{"lblCylSpeed", kCaption}},
         anyFault},
        {"cmdTR",
         Shape::kFirstEmptySolved,
         Shown::kSingle,
         {"txtTorque", "txtHP2", "txtRPM"},
         {},
         anyFault},
        {"Command1",
         Shape::kOneWay,
         Shown::kSingle,
         {"txtIDVel", "txtGPMVel"},
         {{"lblVelocity", kCaption}},
         anyFault},
        {"cmdTorqueDisplacement",
         Shape::kOneWay,
         Shown::kSingle,
         {"txtPSITor", "txtDispTor"},
         {{"lblTorqueTor", kCaption}},
         overflow},
        {"cmdForceAngle",
         Shape::kOneWay,
         Shown::kSingle,
         {"txtTotalForce", "txtAngleAng"},
         {{"lblForceAng", kCaption}},
         overflow},
        // The flow is shown before the displacement is computed.
        {"cmdPumpMotorGPM",
         Shape::kOneWay,
         Shown::kSingle,
         {"txtD", "txtL", "txtW", "txtRPMpump"},
         {{"lblGPMpump", kCaption}, {"lblCIR", kCaption}},
         overflow,
         1},
        {"Combo1",
         Shape::kLookup,
         Shown::kThickness,
         {"Combo1"},
         {{"lblSteelGauge", kCaption}},
         {}},
        {"Combo2", Shape::kLookup, Shown::kThickness, {"Combo2"}, {{"lblWireGauge", kCaption}}, {}},
    };

    // Button, field A, field B of the 25 unit pairs.
    constexpr std::array<std::array<std::string_view, 3>, 25> kPairs{{
        {"Command2", "txtin1", "txtmm1"},        {"Command3", "txtin2", "txtcm"},
        {"Command4", "txtin3", "txtm"},          {"Command5", "txtft", "txtm1"},
        {"Command6", "txtyd", "txtm2"},          {"Command7", "txtmi", "txtkm"},
        {"Command8", "txtcuin", "txtcum1"},      {"Command9", "txtcuft", "txtcum2"},
        {"Command10", "txtcuyd", "txtcum3"},     {"Command11", "txtfloz1", "txtml1"},
        {"Command12", "txtfloz2", "txtcum5"},    {"Command13", "txtgal1", "txt11"},
        {"Command14", "txtgal2", "txtcum4"},     {"Command15", "txtgal3", "txtl3"},
        {"Command16", "txtgal4", "txtcum6"},     {"Command17", "txtlbwm", "txtkgwm"},
        {"Command18", "txttonwm", "txtkgwm2"},   {"Command20", "txtklf", "txtkgm1"},
        {"Command21", "txtplf", "txtkgm2"},      {"Command22", "txtpcf", "txtkgcum1"},
        {"Command23", "txtlbcuyd", "txtkgcum2"}, {"Command24", "txtsqft", "txtsqm1"},
        {"Command25", "txtsqin", "txtsqm2"},     {"Command26", "txtsqyd", "txtsqm3"},
        {"Command27", "txtac", "txtha"},
    }};
    for (const auto& [button, a, b] : kPairs) {
      all.push_back({button, Shape::kFirstEmptySolved, Shown::kDouble, {a, b}, {}, overflow});
    }

    // Button, input field, result label of the six temperature converters.
    constexpr std::array<std::array<std::string_view, 3>, 6> kTemperatures{{
        {"Command28", "txtFahrenheit1", "lblCelsius1"},
        {"Command29", "txtCelsius1", "lblFahrenheit1"},
        {"Command30", "txtFahrenheit2", "lblKelvin1"},
        {"Command31", "txtKelvin1", "lblFahrenheit2"},
        {"Command32", "txtCelsius2", "lblKelvin2"},
        {"Command33", "txtKelvin2", "lblCelsius2"},
    }};
    for (const auto& [button, input, label] : kTemperatures) {
      all.push_back(
          {button, Shape::kOneWay, Shown::kDouble, {input}, {{label, kCaption}}, overflow});
    }
    return all;
  }();
  return documented;
}

struct WiredHandler {
  const tallies::Calculator* calculator;
  const DocumentedHandler* doc;
};

// The handlers as the window wires them, each matched with its documentation;
// a handler without one, or documentation without a handler, stops the fuzzer.
const std::vector<WiredHandler>& WiredHandlers() {
  static const std::vector<WiredHandler> wired = [] {
    std::vector<WiredHandler> all;
    for (const tallies::Calculator& calculator : tallies::CalculatorCatalogue()) {
      const auto& documented = DocumentedHandlers();
      const auto doc =
          std::find_if(documented.begin(), documented.end(),
                       [&](const DocumentedHandler& s) { return s.control == calculator.control; });
      const bool seen = std::any_of(all.begin(), all.end(), [&](const WiredHandler& w) {
        return w.calculator->control == calculator.control;
      });
      if (doc == documented.end() || seen) {
        std::fprintf(stderr, "calculator %.*s is undocumented or doubled\n",
                     static_cast<int>(calculator.control.size()), calculator.control.data());
        std::abort();
      }
      all.push_back({&calculator, &*doc});
    }
    if (all.size() != DocumentedHandlers().size()) {
      std::fprintf(stderr, "%zu handlers wired, %zu documented\n", all.size(),
                   DocumentedHandlers().size());
      std::abort();
    }
    return all;
  }();
  return wired;
}

std::string ThicknessFault(std::string_view text) {
  const bool digitsOnly = std::all_of(text.begin() + std::min<std::size_t>(2, text.size()),
                                      text.end(), tallies::fuzz::IsAsciiDigit);
  if (!text.starts_with("0.") || !digitsOnly || text.size() < 6 || text.size() > 7) {
    return "not a thickness text";
  }
  return {};
}

// Everything the report of a finding shows.
struct Click {
  const DocumentedHandler& doc;
  std::string_view separator;
  std::map<std::string, std::string, std::less<>> before;
  const FakeControls& form;
  std::optional<FaultKind> fault;
};

void PrintText(std::string_view text) {
  std::fputc('[', stderr);
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7f && c != '\\') {
      std::fputc(c, stderr);
    } else {
      std::fprintf(stderr, "\\x%02x", c);
    }
  }
  std::fputc(']', stderr);
}

[[noreturn]] void Fail(const Click& click, const std::string& what) {
  std::fprintf(stderr, "%.*s: %s\n  separator ", static_cast<int>(click.doc.control.size()),
               click.doc.control.data(), what.c_str());
  PrintText(click.separator);
  std::fprintf(stderr, "\n  before:");
  for (const auto& [control, text] : click.before) {
    std::fprintf(stderr, " %s=", control.c_str());
    PrintText(text);
  }
  std::fprintf(stderr, "\n  reads:");
  for (const std::string& control : click.form.reads())
    std::fprintf(stderr, " %s", control.c_str());
  std::fprintf(stderr, "\n  writes:");
  for (const auto& write : click.form.writes()) {
    std::fprintf(stderr, " %s%s=", write.control.c_str(),
                 write.kind == WriteKind::kCaption ? "(caption)" : "(text)");
    PrintText(write.text);
  }
  std::fprintf(stderr, "\n  fault: %s\n",
               click.fault ? std::string(tallies::FaultKindName(*click.fault)).c_str() : "none");
  std::abort();
}

void CheckClick(const Click& click) {
  const DocumentedHandler& doc = click.doc;
  const auto& writes = click.form.writes();
  const auto& reads = click.form.reads();

  // The outputs this click should write, in order.
  std::vector<Output> expected = doc.outputs;
  bool clearing = false;
  if (doc.shape == Shape::kFirstEmptySolved) {
    expected.clear();
    const auto empty = std::find_if(doc.inputs.begin(), doc.inputs.end(), [&](auto field) {
      return click.before.find(field)->second.empty();
    });
    if (empty != doc.inputs.end()) {
      expected.push_back({*empty, WriteKind::kText});
    } else {
      clearing = true;
      for (std::string_view field : doc.inputs) expected.push_back({field, WriteKind::kText});
    }
  }

  if (click.fault) {
    if (std::find(doc.faults.begin(), doc.faults.end(), *click.fault) == doc.faults.end()) {
      Fail(click, "a fault this handler cannot meet");
    }
    if (clearing) Fail(click, "clearing the fields faulted");
    if (writes.size() > doc.mostWrittenOnFault) Fail(click, "outputs written after a check point");
  } else if (doc.shape == Shape::kLookup) {
    if (writes.size() > expected.size()) Fail(click, "more than the label written");
  } else if (writes.size() != expected.size()) {
    Fail(click, "not every output written");
  }

  for (std::size_t i = 0; i < writes.size(); ++i) {
    if (i >= expected.size() || writes[i].control != expected[i].control ||
        writes[i].kind != expected[i].kind) {
      Fail(click, "a write out of the documented order, or to a control that is no output");
    }
    const std::string& text = writes[i].text;
    std::string fault;
    if (clearing) {
      if (!text.empty()) fault = "a cleared field not empty";
    } else if (doc.shown == Shown::kThickness) {
      fault = ThicknessFault(text);
    } else {
      fault = tallies::fuzz::ShownNumberFault(
          text, click.separator, doc.shown == Shown::kSingle ? kSingleDigits : kDoubleDigits);
    }
    if (!fault.empty()) Fail(click, "output " + writes[i].control + " shows " + fault);
  }

  // Every control not written keeps its old text, and no other control appears.
  if (click.form.texts().size() != click.before.size()) Fail(click, "a control appeared");
  for (const auto& entry : click.before) {
    const std::string& control = entry.first;
    const bool written = std::any_of(writes.begin(), writes.end(),
                                     [&](const auto& write) { return write.control == control; });
    if (!written && click.form.Get(control) != entry.second) {
      Fail(click, control + " changed unwritten");
    }
  }

  // Reads: only inputs; a one-way handler reads them in order, all of them
  // unless a fault stops it early.
  if (doc.shape == Shape::kFirstEmptySolved) {
    for (const std::string& control : reads) {
      if (std::find(doc.inputs.begin(), doc.inputs.end(), control) == doc.inputs.end()) {
        Fail(click, "read " + control + ", which is no input");
      }
    }
  } else {
    const bool prefix = reads.size() <= doc.inputs.size() &&
                        std::equal(reads.begin(), reads.end(), doc.inputs.begin());
    if (!prefix || (!click.fault && reads.size() != doc.inputs.size())) {
      Fail(click, "inputs not read in the documented order");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  WiredHandlers();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const auto& handlers = WiredHandlers();
  const WiredHandler& handler = handlers[data[0] % handlers.size()];
  const DocumentedHandler& doc = *handler.doc;
  const std::string_view separator = kSeparators[data[1] % kSeparators.size()];

  std::vector<std::string_view> texts;
  std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
  for (;;) {
    const std::size_t at = rest.find(kTextDelimiter);
    texts.push_back(rest.substr(0, at));
    if (at == std::string_view::npos) break;
    rest.remove_prefix(at + 1);
  }

  // The inputs first, then the outputs that are no inputs, each with its text.
  std::vector<std::string_view> controls = doc.inputs;
  for (const Output& output : doc.outputs) {
    if (std::find(controls.begin(), controls.end(), output.control) == controls.end()) {
      controls.push_back(output.control);
    }
  }
  FakeControls form{std::string(separator)};
  for (std::size_t i = 0; i < controls.size(); ++i) {
    form.Put(controls[i], i < texts.size() ? texts[i] : std::string_view());
  }

  Click click{doc, separator, form.texts(), form, std::nullopt};
  try {
    tallies::Calculate(*handler.calculator, form);
  } catch (const ArithmeticFault& fault) {
    click.fault = fault.kind();
  }
  CheckClick(click);
  return 0;
}
