#include "win32app/core/focus_order.h"

#include <algorithm>

namespace tallies {

bool TakesFocus(ControlKind kind) {
  switch (kind) {
    case ControlKind::kField:
    case ControlKind::kButton:
    case ControlKind::kList:
    case ControlKind::kOptionButton:
    case ControlKind::kTabSet:
    case ControlKind::kLinkLabel:
      return true;
    case ControlKind::kCaption:
    case ControlKind::kResult:
    case ControlKind::kPicture:
      return false;
  }
  return false;
}

std::vector<const ControlRow*> MainWindowFocusOrder() {
  std::vector<const ControlRow*> order;
  auto add = [&order](std::span<const ControlRow> rows) {
    for (const ControlRow& row : rows) {
      if (TakesFocus(row.kind)) order.push_back(&row);
    }
  };
  add(WindowControls());
  for (auto pages : {HydraulicPages(), GeneralPages()}) {
    for (const PageLayout& page : pages) add(page.controls);
  }
  std::stable_sort(order.begin(), order.end(), [](const ControlRow* a, const ControlRow* b) {
    return a->tabOrder < b->tabOrder;
  });
  return order;
}

std::optional<std::size_t> NextInFocusOrder(std::size_t count, std::optional<std::size_t> current,
                                            bool backwards,
                                            const std::function<bool(std::size_t)>& canFocus) {
  if (count == 0) return std::nullopt;
  // Without a current control, start just outside the ends so the first step lands on one.
  std::size_t index = current ? *current % count : (backwards ? 0 : count - 1);
  for (std::size_t step = 0; step < count; ++step) {
    index = backwards ? (index + count - 1) % count : (index + 1) % count;
    if (canFocus(index)) return index;
  }
  return std::nullopt;
}

}  // namespace tallies
