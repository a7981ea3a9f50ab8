#include "layout/control_ids.h"

#include <span>

#include "layout/about_layout.h"
#include "layout/control_layout.h"

namespace tallies {
namespace {

// Calls visit(row, id) for every main-window control in numbering order until it returns true.
template <typename Visit>
bool ForEachMainWindowControl(Visit visit) {
  int id = kFirstMainWindowId;
  for (const ControlRow& row : WindowControls()) {
    if (visit(row, id++)) return true;
  }
  for (auto pages : {HydraulicPages(), GeneralPages()}) {
    for (const PageLayout& page : pages) {
      for (const ControlRow& row : page.controls) {
        if (visit(row, id++)) return true;
      }
    }
  }
  return false;
}

}  // namespace

int ControlId(std::string_view name) {
  int found = 0;
  ForEachMainWindowControl([&](const ControlRow& row, int id) {
    if (row.name != name) return false;
    found = id;
    return true;
  });
  if (found != 0) return found;
  int id = kFirstAboutBoxId;
  for (const ControlRow& row : AboutControls()) {
    if (row.name == name) return id;
    ++id;
  }
  return 0;
}

std::string_view ControlName(int id) {
  std::string_view found;
  ForEachMainWindowControl([&](const ControlRow& row, int rowId) {
    if (rowId != id) return false;
    found = row.name;
    return true;
  });
  if (!found.empty()) return found;
  const auto about = AboutControls();
  const int index = id - kFirstAboutBoxId;
  if (index >= 0 && index < static_cast<int>(about.size())) return about[index].name;
  return {};
}

}  // namespace tallies
