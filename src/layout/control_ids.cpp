#include "layout/control_ids.h"

#include <span>

#include "layout/about_layout.h"
#include "layout/control_layout.h"
#include "layout/history_layout.h"

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

struct NumberedWindow {
  std::span<const ControlRow> rows;
  int first;
};

// The windows whose controls are numbered from a first number of their own, in table order.
std::span<const NumberedWindow> OtherWindows() {
  static const NumberedWindow windows[] = {{AboutControls(), kFirstAboutBoxId},
                                           {HistoryControls(), kFirstHistoryId}};
  return windows;
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
  for (const NumberedWindow& window : OtherWindows()) {
    for (std::size_t i = 0; i < window.rows.size(); ++i) {
      if (window.rows[i].name == name) return window.first + static_cast<int>(i);
    }
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
  for (const NumberedWindow& window : OtherWindows()) {
    const int index = id - window.first;
    if (index >= 0 && index < static_cast<int>(window.rows.size())) return window.rows[index].name;
  }
  return {};
}

}  // namespace tallies
