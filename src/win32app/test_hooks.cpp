#include "win32app/test_hooks.h"

#include <optional>
#include <stdexcept>
#include <string>

#include "win32app/core/creation_fault_plan.h"
#include "win32app/win32_text.h"

namespace tallies {
namespace {

std::wstring WideSetting(const wchar_t* name) {
  const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
  if (size == 0) return {};
  std::wstring value(size, L'\0');
  value.resize(GetEnvironmentVariableW(name, value.data(), size));
  return value;
}

std::string Setting(const wchar_t* name) { return Narrow(WideSetting(name)); }

std::string ClassNameText(const wchar_t* className) {
  // A class given by its atom has no name to match.
  if (IS_INTRESOURCE(className)) return {};
  return Narrow(className);
}

}  // namespace

bool TestHooks::RefuseCreation(const wchar_t* className) {
  static std::optional<CreationFaultPlan> plan =
      CreationFaultPlan::Parse(Setting(L"TALLIES_TEST_FAIL_CREATION"));
  return plan && plan->RefuseNext(ClassNameText(className));
}

void TestHooks::ThrowIfAsked(std::string_view control) {
  static std::string armed = Setting(L"TALLIES_TEST_THROW_ON");
  if (armed.empty() || armed != control) return;
  armed.clear();
  throw std::runtime_error("A test fault in the handler of " + std::string(control));
}

std::wstring TestHooks::HistoryFolder() { return WideSetting(L"TALLIES_TEST_HISTORY_FOLDER"); }

std::wstring TestHooks::SaveAs() { return WideSetting(L"TALLIES_TEST_SAVE_AS"); }

}  // namespace tallies
