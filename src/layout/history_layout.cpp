// The History window's controls: the entries on the left, the chosen entry on the right, the
// actions on an entry in the first row of buttons, those on the whole history in the second.

#include "layout/history_layout.h"

#include "layout/window_model.h"

namespace tallies {
namespace {

using Kind = ControlKind;
using Bg = Background;

constexpr ControlRow kHistoryControls[] = {
    // name, kind, text at start, left, top, width, height, tab order, background
    {"lblEntries", Kind::kCaption, "&Entries", 120, 120, 3600, 255, 0, Bg::kDefault},
    {"lstEntries", Kind::kEntryList, "", 120, 390, 3600, 3810, 1, Bg::kDefault},
    {"lblEntry", Kind::kCaption, "Entr&y", 3840, 120, 3600, 255, 0, Bg::kDefault},
    {"txtEntry", Kind::kTextView, "", 3840, 390, 3600, 3810, 2, Bg::kDefault},
    {"cmdRecall", Kind::kButton, "&Recall", 120, 4320, 1380, 375, 3, Bg::kDefault},
    {"cmdCopy", Kind::kButton, "&Copy", 1605, 4320, 1380, 375, 4, Bg::kDefault},
    {"cmdCopyTable", Kind::kButton, "Copy &table", 3090, 4320, 1380, 375, 5, Bg::kDefault},
    {"cmdCopyLink", Kind::kButton, "Copy &link", 4575, 4320, 1380, 375, 6, Bg::kDefault},
    {"cmdDelete", Kind::kButton, "&Delete", 6060, 4320, 1380, 375, 7, Bg::kDefault},
    {"cmdExport", Kind::kButton, "E&xport CSV...", 120, 4800, 1380, 375, 8, Bg::kDefault},
    {"cmdPrint", Kind::kButton, "&Print...", 1605, 4800, 1380, 375, 9, Bg::kDefault},
    {"cmdClear", Kind::kButton, "Cle&ar all...", 3090, 4800, 1380, 375, 10, Bg::kDefault},
    {"cmdCloseHistory", Kind::kButton, "Close", 6060, 4800, 1380, 375, 11, Bg::kDefault},
};

}  // namespace

std::span<const ControlRow> HistoryControls() { return kHistoryControls; }

std::vector<const ControlRow*> HistoryFocusOrder() {
  std::vector<const ControlRow*> order;
  for (const ControlRow* row : InTabOrder(HistoryControls())) {
    if (TakesFocus(row->kind)) order.push_back(row);
  }
  return order;
}

}  // namespace tallies
