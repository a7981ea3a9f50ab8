// Makes every platform call of the web link and of the system-information launcher fail in turn,
// the way that call fails on a real system, and checks that each click still ends normally, leaves
// no short-lived file behind and shows at most the one message its failure calls for.
//
// Each scenario is clicked once with every call recorded. Then, for each recorded call and each
// way it can fail, the click is run again with that call failing; and from that run, each call
// that still follows (the error report's own existence test, deletion and message included) is
// made to fail as well, one at a time, on top of the first failure.

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <map>
#include <memory>
#include <new>
#include <optional>
#include <ostream>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "about/start_sys_info.h"
#include "about/web_link.h"
#include "fake_address_opener.h"
#include "fake_event_pump.h"
#include "fake_executable_finder.h"
#include "fake_file_system.h"
#include "fake_program_folder.h"
#include "fake_program_starter.h"
#include "fake_registry.h"
#include "platform/failure_info.h"
#include "support/recording_message_box.h"

namespace tallies {
namespace {

using testing::FakeAddressOpener;
using testing::FakeEventPump;
using testing::FakeExecutableFinder;
using testing::FakeFileSystem;
using testing::FakeProgramFolder;
using testing::FakeProgramStarter;
using testing::FakeRegistry;
using testing::RecordingMessageBox;

// ---------------------------------------------------------------------------------------------
// The failures and the injector

// How an injected failure shows itself.
enum class Way {
  kResult,           // the call returns its failure result: a status or shell code, false, nothing
  kSystemError,      // the call throws std::system_error with the system's number, doing nothing
  kSystemErrorLate,  // the call does its work, then throws std::system_error
  kOutOfMemory,      // the call throws std::bad_alloc
  kOtherError,       // the call throws another std::exception
};

struct Fault {
  Way way;
  long code = 0;  // the status or shell code returned, or the system's number thrown
};

std::string Describe(const Fault& fault) {
  switch (fault.way) {
    case Way::kResult:
      return "fails by its result (" + std::to_string(fault.code) + ")";
    case Way::kSystemError:
      return "throws std::system_error " + std::to_string(fault.code);
    case Way::kSystemErrorLate:
      return "does its work, then throws std::system_error " + std::to_string(fault.code);
    case Way::kOutOfMemory:
      return "throws std::bad_alloc";
    case Way::kOtherError:
      return "throws std::runtime_error";
  }
  return "?";
}

bool Throws(const Fault& fault) { return fault.way != Way::kResult; }

// Registry statuses the system answers besides those the registry interface names.
constexpr long kRegistryAccessDenied = 5;  // ERROR_ACCESS_DENIED
// The size a value that does not fit reports as needed.
constexpr std::uint32_t kOversizedValue = 2048;

// The ways each platform call fails on a real system. The system layers copy their arguments into
// strings, so any call may also run out of memory; the separator and the event pump, which cannot
// fail otherwise, are made to do so too, so that no call is left out.
const std::vector<Fault> kPathFaults = {{Way::kResult}, {Way::kOutOfMemory}};  // no module name
const std::vector<Fault> kSeparatorFaults = {{Way::kOutOfMemory}};
const std::vector<Fault> kIsWritableFaults = {{Way::kResult}, {Way::kOutOfMemory}};
const std::vector<Fault> kFallbackFaults = {{Way::kResult}, {Way::kOutOfMemory}};
const std::vector<Fault> kExistsFaults = {{Way::kResult}, {Way::kOutOfMemory}};
// Creating fails on opening the file (no right to create it), or on closing the file it made.
const std::vector<Fault> kCreateFaults = {
    {Way::kSystemError, EACCES}, {Way::kSystemErrorLate, EIO}, {Way::kOutOfMemory}};
const std::vector<Fault> kRemoveFaults = {{Way::kSystemError, EBUSY}, {Way::kOutOfMemory}};
const std::vector<Fault> kFindFaults = {{Way::kResult, kShellOutOfMemory},
                                        {Way::kResult, kShellFileNotFound},
                                        {Way::kResult, kShellNoAssociation},
                                        {Way::kOutOfMemory}};
const std::vector<Fault> kPumpFaults = {{Way::kOutOfMemory}};
const std::vector<Fault> kOpenFaults = {{Way::kResult, kShellOutOfMemory},
                                        {Way::kResult, kShellFileNotFound},
                                        {Way::kResult, kShellNoAssociation},
                                        {Way::kOutOfMemory}};
const std::vector<Fault> kShowFaults = {{Way::kOutOfMemory}};
const std::vector<Fault> kOpenKeyFaults = {
    {Way::kResult, kRegistryNotFound}, {Way::kResult, kRegistryAccessDenied}, {Way::kOutOfMemory}};
const std::vector<Fault> kQueryValueFaults = {
    {Way::kResult, kRegistryNotFound}, {Way::kResult, kRegistryMoreData}, {Way::kOutOfMemory}};
const std::vector<Fault> kCloseKeyFaults = {{Way::kResult, kRegistryInvalidKey},
                                            {Way::kOutOfMemory}};
// A program that cannot be started: the system's failure, or the toolkit's own exception.
const std::vector<Fault> kStartFaults = {
    {Way::kSystemError, ENOENT}, {Way::kOtherError}, {Way::kOutOfMemory}};

// One platform call as a click made it.
struct Call {
  std::string operation;  // the interface function: "CreateEmpty", "Show", ...
  std::string argument;   // the path, key, value name or message text it was given
  std::vector<Fault> faults;
};

// The failures of one run: the position of a call among all platform calls of the click
// (counting from 0), and how it fails.
using Plan = std::map<std::size_t, Fault>;

// Counts the platform calls of one click and makes the planned ones fail. Every injecting stand-in
// below reports each call here before it does anything.
class FailureInjector {
 public:
  explicit FailureInjector(Plan plan) : m_plan(std::move(plan)) {}

  // Counts one call. A planned failure by exception is thrown from here; a failure by result, or
  // one that comes after the call's work, is handed back for the caller to carry out.
  std::optional<Fault> Enter(std::string operation, std::string_view argument,
                             const std::vector<Fault>& faults) {
    const std::size_t position = m_calls.size();
    m_calls.push_back({std::move(operation), std::string(argument), faults});
    const auto planned = m_plan.find(position);
    if (planned == m_plan.end()) {
      return std::nullopt;
    }
    m_failed.insert(position);
    const Fault fault = planned->second;
    if (Throws(fault) && fault.way != Way::kSystemErrorLate) {
      Throw(fault);
    }
    return fault;
  }

  // Throws the exception of a fault, keeping a copy for the report it should lead to.
  [[noreturn]] void Throw(const Fault& fault) {
    std::exception_ptr error;
    switch (fault.way) {
      case Way::kSystemError:
      case Way::kSystemErrorLate:
        error = std::make_exception_ptr(
            std::system_error(static_cast<int>(fault.code), std::generic_category(), "injected"));
        break;
      case Way::kOutOfMemory:
        error = std::make_exception_ptr(std::bad_alloc());
        break;
      case Way::kOtherError:
      case Way::kResult:
        error = std::make_exception_ptr(std::runtime_error("injected failure"));
        break;
    }
    m_thrown.push_back(error);
    std::rethrow_exception(error);
  }

  const std::vector<Call>& calls() const { return m_calls; }
  bool Failed(std::size_t position) const { return m_failed.contains(position); }
  // The exceptions thrown into the handler, in the order of the calls.
  const std::vector<std::exception_ptr>& thrown() const { return m_thrown; }

  // True when a call of the operation whose argument is (or, with an empty argument, any call of
  // the operation) failed; with throwing, only when it failed by throwing.
  bool FailedCall(std::string_view operation, std::string_view argument = {},
                  bool throwing = false) const {
    for (const std::size_t position : m_failed) {
      const Call& call = m_calls[position];
      if (call.operation == operation && (argument.empty() || call.argument == argument) &&
          (!throwing || Throws(m_plan.at(position)))) {
        return true;
      }
    }
    return false;
  }
  const Plan& plan() const { return m_plan; }

 private:
  Plan m_plan;
  std::vector<Call> m_calls;
  std::set<std::size_t> m_failed;
  std::vector<std::exception_ptr> m_thrown;
};

// ---------------------------------------------------------------------------------------------
// Injecting stand-ins: each counts its calls through the injector, fails the planned ones the
// way the system does, and otherwise hands the call to the recording fake behind it.

class InjectingProgramFolder : public ProgramFolder {
 public:
  InjectingProgramFolder(ProgramFolder& inner, FailureInjector& injector)
      : m_inner(inner), m_injector(injector) {}

  std::string Path() override {
    if (m_injector.Enter("Path", "", kPathFaults)) {
      return {};
    }
    return m_inner.Path();
  }
  char Separator() override {
    m_injector.Enter("Separator", "", kSeparatorFaults);
    return m_inner.Separator();
  }
  bool IsWritable(const std::string& folder) override {
    if (m_injector.Enter("IsWritable", folder, kIsWritableFaults)) {
      return false;
    }
    return m_inner.IsWritable(folder);
  }
  std::optional<std::string> FallbackFolder() override {
    if (m_injector.Enter("FallbackFolder", "", kFallbackFaults)) {
      return std::nullopt;
    }
    return m_inner.FallbackFolder();
  }

 private:
  ProgramFolder& m_inner;
  FailureInjector& m_injector;
};

class InjectingFileSystem : public FileSystem {
 public:
  InjectingFileSystem(FileSystem& inner, FailureInjector& injector)
      : m_inner(inner), m_injector(injector) {}

  bool Exists(std::string_view path) override {
    if (m_injector.Enter("Exists", path, kExistsFaults)) {
      return false;
    }
    return m_inner.Exists(path);
  }
  void CreateEmpty(std::string_view path) override {
    const std::optional<Fault> fault = m_injector.Enter("CreateEmpty", path, kCreateFaults);
    m_inner.CreateEmpty(path);
    if (fault) {
      m_injector.Throw(*fault);
    }
  }
  void Remove(std::string_view path) override {
    m_injector.Enter("Remove", path, kRemoveFaults);
    m_inner.Remove(path);
  }

 private:
  FileSystem& m_inner;
  FailureInjector& m_injector;
};

class InjectingExecutableFinder : public ExecutableFinder {
 public:
  InjectingExecutableFinder(ExecutableFinder& inner, FailureInjector& injector)
      : m_inner(inner), m_injector(injector) {}

  std::int32_t FindExecutable(std::string_view fileName, std::string_view directory,
                              std::span<char> result) override {
    if (const std::optional<Fault> fault =
            m_injector.Enter("FindExecutable", fileName, kFindFaults)) {
      if (!result.empty()) {
        result.front() = '\0';
      }
      return static_cast<std::int32_t>(fault->code);
    }
    return m_inner.FindExecutable(fileName, directory, result);
  }

 private:
  ExecutableFinder& m_inner;
  FailureInjector& m_injector;
};

class InjectingEventPump : public EventPump {
 public:
  InjectingEventPump(EventPump& inner, FailureInjector& injector)
      : m_inner(inner), m_injector(injector) {}

  void ProcessPendingEvents() override {
    m_injector.Enter("ProcessPendingEvents", "", kPumpFaults);
    m_inner.ProcessPendingEvents();
  }

 private:
  EventPump& m_inner;
  FailureInjector& m_injector;
};

class InjectingAddressOpener : public AddressOpener {
 public:
  InjectingAddressOpener(AddressOpener& inner, FailureInjector& injector)
      : m_inner(inner), m_injector(injector) {}

  std::int32_t Open(std::string_view operation, std::string_view file, std::string_view parameters,
                    std::string_view directory, int showCommand) override {
    if (const std::optional<Fault> fault = m_injector.Enter("Open", file, kOpenFaults)) {
      return static_cast<std::int32_t>(fault->code);
    }
    return m_inner.Open(operation, file, parameters, directory, showCommand);
  }

 private:
  AddressOpener& m_inner;
  FailureInjector& m_injector;
};

// Only messages that were really shown reach the recording box behind it.
class InjectingMessageBox : public MessageBox {
 public:
  InjectingMessageBox(MessageBox& inner, FailureInjector& injector)
      : m_inner(inner), m_injector(injector) {}

  void Show(std::string_view text) override {
    m_injector.Enter("Show", text, kShowFaults);
    m_inner.Show(text);
  }

 private:
  MessageBox& m_inner;
  FailureInjector& m_injector;
};

class InjectingRegistry : public Registry {
 public:
  InjectingRegistry(Registry& inner, FailureInjector& injector)
      : m_inner(inner), m_injector(injector) {}

  long OpenKey(std::uint32_t keyRoot, std::string_view keyName, std::uint32_t options,
               std::uint32_t access, RegistryKey& key) override {
    if (const std::optional<Fault> fault = m_injector.Enter("OpenKey", keyName, kOpenKeyFaults)) {
      return fault->code;
    }
    return m_inner.OpenKey(keyRoot, keyName, options, access, key);
  }
  long QueryValue(RegistryKey key, std::string_view valueName, std::uint32_t& type,
                  std::span<std::uint8_t> data, std::uint32_t& byteCount) override {
    if (const std::optional<Fault> fault =
            m_injector.Enter("QueryValue", valueName, kQueryValueFaults)) {
      if (fault->code == kRegistryMoreData) {
        byteCount = kOversizedValue;
      }
      return fault->code;
    }
    return m_inner.QueryValue(key, valueName, type, data, byteCount);
  }
  long CloseKey(RegistryKey key) override {
    m_closeAttempts.push_back(key);
    if (const std::optional<Fault> fault =
            m_injector.Enter("CloseKey", std::to_string(key), kCloseKeyFaults)) {
      return fault->code;
    }
    return m_inner.CloseKey(key);
  }

  // Every key handed to CloseKey, whether the close worked or not.
  const std::vector<RegistryKey>& closeAttempts() const { return m_closeAttempts; }

 private:
  Registry& m_inner;
  FailureInjector& m_injector;
  std::vector<RegistryKey> m_closeAttempts;
};

class InjectingProgramStarter : public ProgramStarter {
 public:
  InjectingProgramStarter(ProgramStarter& inner, FailureInjector& injector)
      : m_inner(inner), m_injector(injector) {}

  void Start(std::string_view path, int windowStyle) override {
    m_injector.Enter("Start", path, kStartFaults);
    m_inner.Start(path, windowStyle);
    m_started.emplace_back(path);
  }

  // The programs that were really started.
  const std::vector<std::string>& started() const { return m_started; }

 private:
  ProgramStarter& m_inner;
  FailureInjector& m_injector;
  std::vector<std::string> m_started;
};

// ---------------------------------------------------------------------------------------------
// The driver

std::string DescribePlan(const Plan& plan, const std::vector<Call>& calls) {
  std::string text;
  for (const auto& [position, fault] : plan) {
    if (!text.empty()) {
      text += "; then ";
    }
    text += "call ";
    text += std::to_string(position + 1);
    if (position < calls.size()) {
      text += " (";
      text += calls[position].operation;
      text += " \"";
      text += calls[position].argument;
      text += "\")";
    }
    text += ' ';
    text += Describe(fault);
  }
  return text.empty() ? "no failure" : text;
}

FailureInfo DescribeException(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (...) {
    return DescribeCurrentFailure();
  }
}

// Builds a rig for the scenario with the plan's failures and clicks once. Nothing may escape the
// handler.
template <typename Rig, typename Scenario>
std::unique_ptr<Rig> RunClick(const Scenario& scenario, Plan plan) {
  auto rig = std::make_unique<Rig>(scenario, std::move(plan));
  try {
    rig->Click();
  } catch (...) {
    ADD_FAILURE() << "a failure escaped the click handler: "
                  << DescribeException(std::current_exception()).description;
  }
  return rig;
}

// Clicks the scenario without failures, then with each recorded call failing in each of its ways,
// then with each call that the failing run still makes failing on top. Checks every run and
// returns how many runs had one and how many two failures injected. Stops at the first run that
// breaks a check, whose trace names the failures injected. How many clicks ran with one failure,
// and how many with two.
struct RunCount {
  std::size_t single = 0;
  std::size_t twice = 0;
};

template <typename Rig, typename Scenario, typename Check>
RunCount InjectIntoEveryCall(const Scenario& scenario, Check check) {
  const std::unique_ptr<Rig> baseline = RunClick<Rig>(scenario, {});
  {
    SCOPED_TRACE("no failure");
    check(*baseline);
  }
  RunCount runs;
  const std::vector<Call> calls = baseline->injector.calls();
  for (std::size_t first = 0; first < calls.size(); ++first) {
    for (const Fault& firstFault : calls[first].faults) {
      const Plan single{{first, firstFault}};
      std::vector<Call> later;
      {
        SCOPED_TRACE(DescribePlan(single, calls));
        const std::unique_ptr<Rig> failing = RunClick<Rig>(scenario, single);
        ++runs.single;
        check(*failing);
        later = failing->injector.calls();
      }
      if (::testing::Test::HasFailure()) {
        return runs;
      }
      for (std::size_t second = first + 1; second < later.size(); ++second) {
        for (const Fault& secondFault : later[second].faults) {
          Plan pair = single;
          pair.emplace(second, secondFault);
          SCOPED_TRACE(DescribePlan(pair, later));
          const std::unique_ptr<Rig> twice = RunClick<Rig>(scenario, pair);
          ++runs.twice;
          check(*twice);
          if (::testing::Test::HasFailure()) {
            return runs;
          }
        }
      }
    }
  }
  return runs;
}

std::vector<std::string> Operations(const std::vector<Call>& calls) {
  std::vector<std::string> operations;
  for (const Call& call : calls) {
    operations.push_back(call.operation);
  }
  return operations;
}

// True when every one of wanted is among the operations called.
bool CallsAll(const std::vector<Call>& calls, const std::vector<std::string>& wanted) {
  const std::vector<std::string> made = Operations(calls);
  for (const std::string& operation : wanted) {
    if (std::find(made.begin(), made.end(), operation) == made.end()) {
      return false;
    }
  }
  return true;
}

// ---------------------------------------------------------------------------------------------
// The web link

constexpr const char* kFolder = "/opt/tallies";
constexpr const char* kPrivateFolder = "/run/user/1000";
constexpr const char* kReportHeading =
    "An error has occured, please report this to you lowly programmer";

std::string ErrorReport(const FailureInfo& failure) {
  return std::string(kReportHeading) + "\r\nError Number: " + std::to_string(failure.number) +
         "\r\nError description: " + failure.description;
}

// The message for a find query's failure code.
std::string FindMessage(long code) {
  if (code == 0) {
    return "Sorry out of memory, please close some programs and try again.";
  }
  if (code == 31) {
    return "Unable to find Web Browser.";
  }
  return "Error Number: " + std::to_string(code);
}

struct WebLinkScenario {
  const char* name;
  std::int32_t found;   // the find query's answer
  std::int32_t opened;  // the open request's answer
  bool readOnly;        // the program folder takes no files; the user's private folder does
  const char* message;  // the one message of a click without failures; nullptr: none
};

void PrintTo(const WebLinkScenario& scenario, std::ostream* out) { *out << scenario.name; }

struct WebLinkRig {
  WebLinkRig(const WebLinkScenario& scenario, Plan plan) : injector(std::move(plan)) {
    finder.Answer(scenario.found);
    opener.Answer(scenario.opened);
    if (scenario.readOnly) {
      folder.SetWritable(false);
      folder.SetFallback(kPrivateFolder);
    }
  }
  WebLinkRig(const WebLinkRig&) = delete;
  WebLinkRig& operator=(const WebLinkRig&) = delete;

  void Click() {
    Label3_Click({injectingFolder, injectingFiles, injectingFinder, injectingPump, injectingOpener,
                  injectingMessages});
  }

  FailureInjector injector;
  FakeProgramFolder folder{kFolder, '/'};
  FakeFileSystem files;
  FakeExecutableFinder finder;
  FakeEventPump pump;
  FakeAddressOpener opener;
  RecordingMessageBox messages;
  InjectingProgramFolder injectingFolder{folder, injector};
  InjectingFileSystem injectingFiles{files, injector};
  InjectingExecutableFinder injectingFinder{finder, injector};
  InjectingEventPump injectingPump{pump, injector};
  InjectingAddressOpener injectingOpener{opener, injector};
  InjectingMessageBox injectingMessages{messages, injector};
};

// The message a web-link click should show, given the failures that were injected into it.
std::optional<std::string> ExpectedWebLinkMessage(const WebLinkScenario& scenario,
                                                  const FailureInjector& injector) {
  const std::vector<Call>& calls = injector.calls();
  // A failure that fires the trap ends in the report of that failure; when showing the report
  // fails as well, nothing more can be shown.
  if (!injector.thrown().empty()) {
    for (std::size_t position = 0; position < calls.size(); ++position) {
      if (injector.Failed(position) && calls[position].operation == "Show" &&
          calls[position].argument.starts_with(kReportHeading)) {
        return std::nullopt;
      }
    }
    return ErrorReport(DescribeException(injector.thrown().front()));
  }
  // A program folder that cannot be named, with no private folder to take the file instead, is
  // reported rather than leaving the file in the root folder of the drive.
  if (injector.FailedCall("Path") &&
      (!scenario.readOnly || injector.FailedCall("FallbackFolder"))) {
    const std::error_code missing = std::make_error_code(std::errc::no_such_file_or_directory);
    for (std::size_t position = 0; position < calls.size(); ++position) {
      if (injector.Failed(position) && calls[position].operation == "Show") return std::nullopt;
    }
    return ErrorReport(FailureInfo{missing.value(), missing.message()});
  }
  // A refusal of the shell has its own message.
  for (const auto& [position, fault] : injector.plan()) {
    if (position >= calls.size()) {
      continue;
    }
    if (calls[position].operation == "FindExecutable") {
      return FindMessage(fault.code);
    }
    if (calls[position].operation == "Open") {
      return "Unable to launch Web Browser.";
    }
  }
  // A program folder that cannot be named or tested changes where the file goes, not the outcome.
  if (scenario.message != nullptr) {
    return scenario.message;
  }
  return std::nullopt;
}

// True when a failure hit the error report's own existence test or deletion: only then may the
// short-lived file outlast the click. The report is the only part of the handler that asks
// whether the file exists.
bool FailedReportCleanup(const FailureInjector& injector) {
  const std::vector<Call>& calls = injector.calls();
  bool inReport = false;
  for (std::size_t position = 0; position < calls.size(); ++position) {
    const std::string& operation = calls[position].operation;
    inReport = inReport || operation == "Exists";
    if (inReport && injector.Failed(position) && (operation == "Exists" || operation == "Remove")) {
      return true;
    }
  }
  return false;
}

void CheckWebLinkClick(const WebLinkScenario& scenario, const WebLinkRig& rig) {
  if (!FailedReportCleanup(rig.injector)) {
    // Neither in the program folder nor in the private folder.
    EXPECT_EQ(rig.files.FileCount(), 0u) << "the short-lived file was left behind";
  }
  ASSERT_LE(rig.messages.messages().size(), 1u) << "more than one message for one click";
  const std::optional<std::string> expected = ExpectedWebLinkMessage(scenario, rig.injector);
  if (expected) {
    EXPECT_EQ(rig.messages.messages(), std::vector<std::string>{*expected});
  } else {
    EXPECT_TRUE(rig.messages.messages().empty());
  }
  EXPECT_LE(rig.opener.requests().size(), 1u);
}

class WebLinkFailureInjection : public ::testing::TestWithParam<WebLinkScenario> {};

TEST_P(WebLinkFailureInjection, EveryFailingCallEndsInAtMostOneMessageAndNoFile) {
  const WebLinkScenario& scenario = GetParam();

  // The click without failures makes every call its path calls for, so each is made to fail.
  const std::unique_ptr<WebLinkRig> baseline = RunClick<WebLinkRig>(scenario, {});
  std::vector<std::string> operations = {"Path",        "IsWritable",     "Separator",
                                         "CreateEmpty", "FindExecutable", "Remove"};
  if (scenario.found >= kShellLowestSuccess) {
    operations.insert(operations.end(), {"ProcessPendingEvents", "Open"});
  }
  if (scenario.message != nullptr) {
    operations.emplace_back("Show");
  }
  if (scenario.readOnly) {
    operations.emplace_back("FallbackFolder");
  }
  EXPECT_TRUE(CallsAll(baseline->injector.calls(), operations))
      << ::testing::PrintToString(Operations(baseline->injector.calls()));

  const RunCount runs = InjectIntoEveryCall<WebLinkRig>(
      scenario, [&](const WebLinkRig& rig) { CheckWebLinkClick(scenario, rig); });
  // Every call fails in at least one way.
  EXPECT_GE(runs.single, baseline->injector.calls().size());
  RecordProperty("single_failure_runs", static_cast<int>(runs.single));
  RecordProperty("double_failure_runs", static_cast<int>(runs.twice));
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, WebLinkFailureInjection,
    ::testing::Values(
        WebLinkScenario{"Found42Opened42", 42, 42, false, nullptr},
        WebLinkScenario{"Found31", 31, 42, false, "Unable to find Web Browser."},
        WebLinkScenario{"Found0", 0, 42, false,
                        "Sorry out of memory, please close some programs and try again."},
        WebLinkScenario{"FoundMinus1", -1, 42, false, nullptr},
        WebLinkScenario{"Opened5", 42, 5, false, "Unable to launch Web Browser."},
        WebLinkScenario{"ReadOnlyFolderFallsBackToThePrivateFolder", 42, 42, true, nullptr}),
    [](const ::testing::TestParamInfo<WebLinkScenario>& info) {
      return std::string(info.param.name);
    });

// ---------------------------------------------------------------------------------------------
// The system-information launcher

constexpr const char* kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* kUnavailable = "System Information Is Unavailable At This Time";
constexpr const char* kToolFile = "\\MSINFO32.EXE";

struct SysInfoScenario {
  const char* name;
  const char* firstPath;     // the tool's full path under the first key; nullptr: no first key
  const char* secondFolder;  // the folder under the second key, holding the tool; nullptr: none
};

void PrintTo(const SysInfoScenario& scenario, std::ostream* out) { *out << scenario.name; }

struct SysInfoRig {
  SysInfoRig(const SysInfoScenario& scenario, Plan plan) : injector(std::move(plan)) {
    if (scenario.firstPath != nullptr) {
      registry.PutString(kPathKey, "PATH", scenario.firstPath);
      starter.AddProgram(scenario.firstPath);
    }
    if (scenario.secondFolder != nullptr) {
      const std::string tool = std::string(scenario.secondFolder) + kToolFile;
      registry.PutString(kFolderKey, "MSINFO", scenario.secondFolder);
      files.PutFile(tool);
      starter.AddProgram(tool);
    }
    filesBefore = files.FileCount();
  }
  SysInfoRig(const SysInfoRig&) = delete;
  SysInfoRig& operator=(const SysInfoRig&) = delete;

  void Click() {
    StartSysInfo({injectingRegistry, injectingFiles, injectingStarter, injectingMessages});
  }

  FailureInjector injector;
  FakeRegistry registry;
  FakeFileSystem files;
  FakeProgramStarter starter;
  RecordingMessageBox messages;
  InjectingRegistry injectingRegistry{registry, injector};
  InjectingFileSystem injectingFiles{files, injector};
  InjectingProgramStarter injectingStarter{starter, injector};
  InjectingMessageBox injectingMessages{messages, injector};
  std::size_t filesBefore = 0;
};

// The program a click should start, given the failures injected into it. A registry location that
// answers with a failure status counts as not there, and the second one is tried; any failure that
// raises an error reaches the launcher's trap and nothing is started. Closing a key does not
// matter: the value has been read, or its reading has failed, by then.
std::optional<std::string> ExpectedStart(const SysInfoScenario& scenario,
                                         const FailureInjector& injector) {
  for (const auto& [position, fault] : injector.plan()) {
    if (position < injector.calls().size() && Throws(fault)) {
      const std::string& operation = injector.calls()[position].operation;
      if (operation != "CloseKey" && operation != "Show") {
        return std::nullopt;
      }
    }
  }
  if (scenario.firstPath != nullptr && !injector.FailedCall("OpenKey", kPathKey) &&
      !injector.FailedCall("QueryValue", "PATH")) {
    return scenario.firstPath;
  }
  if (scenario.secondFolder != nullptr && !injector.FailedCall("OpenKey", kFolderKey) &&
      !injector.FailedCall("QueryValue", "MSINFO") && !injector.FailedCall("Exists")) {
    return std::string(scenario.secondFolder) + kToolFile;
  }
  return std::nullopt;
}

void CheckSysInfoClick(const SysInfoScenario& scenario, const SysInfoRig& rig) {
  // The launcher makes no files: nothing is left behind in any folder.
  EXPECT_EQ(rig.files.FileCount(), rig.filesBefore);
  EXPECT_FALSE(rig.files.HasFile(std::string(kFolder) + "/x27z42j.html"));

  ASSERT_LE(rig.messages.messages().size(), 1u) << "more than one message for one click";
  const std::optional<std::string> start = ExpectedStart(scenario, rig.injector);
  if (start) {
    EXPECT_EQ(rig.injectingStarter.started(), std::vector<std::string>{*start});
    EXPECT_TRUE(rig.messages.messages().empty());
  } else {
    // Either the message or, when showing it fails, nothing at all.
    EXPECT_TRUE(rig.injectingStarter.started().empty());
    if (rig.injector.FailedCall("Show")) {
      EXPECT_TRUE(rig.messages.messages().empty());
    } else {
      EXPECT_EQ(rig.messages.messages(), std::vector<std::string>{kUnavailable});
    }
  }

  // A key that opened is closed on every way out.
  for (const RegistryKey key : rig.registry.openedHandles()) {
    const std::vector<RegistryKey>& closes = rig.injectingRegistry.closeAttempts();
    EXPECT_NE(std::find(closes.begin(), closes.end(), key), closes.end())
        << "key " << key << " was left open";
  }
}

class SysInfoFailureInjection : public ::testing::TestWithParam<SysInfoScenario> {};

TEST_P(SysInfoFailureInjection, EveryFailingCallEndsInTheOneMessageOrAStart) {
  const SysInfoScenario& scenario = GetParam();

  const std::unique_ptr<SysInfoRig> baseline = RunClick<SysInfoRig>(scenario, {});
  std::vector<std::string> operations = {"OpenKey", "CloseKey"};
  if (scenario.firstPath != nullptr || scenario.secondFolder != nullptr) {
    operations.insert(operations.end(), {"QueryValue", "Start"});
  } else {
    operations.emplace_back("Show");
  }
  if (scenario.firstPath == nullptr && scenario.secondFolder != nullptr) {
    operations.emplace_back("Exists");
  }
  EXPECT_TRUE(CallsAll(baseline->injector.calls(), operations))
      << ::testing::PrintToString(Operations(baseline->injector.calls()));

  const RunCount runs = InjectIntoEveryCall<SysInfoRig>(
      scenario, [&](const SysInfoRig& rig) { CheckSysInfoClick(scenario, rig); });
  // Every call fails in at least one way.
  EXPECT_GE(runs.single, baseline->injector.calls().size());
  RecordProperty("single_failure_runs", static_cast<int>(runs.single));
  RecordProperty("double_failure_runs", static_cast<int>(runs.twice));
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, SysInfoFailureInjection,
    ::testing::Values(SysInfoScenario{"FirstKey", "C:\\Tools\\info.exe", nullptr},
                      SysInfoScenario{"OnlySecondKeyWithTheTool", nullptr,
                                      "C:\\Program Files\\Common Files\\MSInfo"},
                      SysInfoScenario{"NeitherKey", nullptr, nullptr},
                      SysInfoScenario{"BothKeys", "C:\\Tools\\info.exe",
                                      "C:\\Program Files\\Common Files\\MSInfo"}),
    [](const ::testing::TestParamInfo<SysInfoScenario>& info) {
      return std::string(info.param.name);
    });

}  // namespace
}  // namespace tallies
