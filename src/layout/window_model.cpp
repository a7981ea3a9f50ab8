#include "layout/window_model.h"

#include <algorithm>

#include "config/app_config.h"
#include "layout/about_layout.h"
#include "layout/history_layout.h"

namespace tallies {
namespace {

// A label of this height holds one line of text in the window's font.
constexpr int kOneLineHeight = 255;

constexpr PictureDesign kPictures[] = {
    {Picture::kIcon, "icons/tallies.svg", PictureFit::kNaturalSize, "Tallies"},
    {Picture::kBanner, "images/banner.svg", PictureFit::kStretch,
     "Tallies - Hydraulic & Unit Calculations"},
    {Picture::kGearPump, "images/gear_pump.svg", PictureFit::kNaturalSize,
     "A gear pump: W is the width of the gears, D the bore diameter of one gear chamber and L "
     "the distance across both gear chambers"},
    {Picture::kCylinderAngle, "images/cylinder_angle.svg", PictureFit::kNaturalSize,
     "A cylinder pushing a vertical load at an angle, measured from 0 degrees (horizontal) to 90 "
     "degrees"},
};
constexpr PictureDesign kNoPicture{Picture::kNone, "", PictureFit::kNaturalSize, ""};

constexpr ViewLayout kViews[] = {
    {"HydraulicView", "optHyd", "SSTabHyd"},
    {"GeneralView", "optGen", "SSTabGen"},
};

// Every control of the main window: its own, then those of every page.
std::vector<const ControlRow*> MainWindowRows() {
  std::vector<const ControlRow*> rows;
  for (const ControlRow& row : WindowControls()) rows.push_back(&row);
  for (auto pages : {HydraulicPages(), GeneralPages()}) {
    for (const PageLayout& page : pages) {
      for (const ControlRow& row : page.controls) rows.push_back(&row);
    }
  }
  return rows;
}

// By increasing tab-order number, rows of equal number in the order given.
std::vector<const ControlRow*> ByTabOrder(std::vector<const ControlRow*> rows) {
  std::stable_sort(rows.begin(), rows.end(), [](const ControlRow* a, const ControlRow* b) {
    return a->tabOrder < b->tabOrder;
  });
  return rows;
}

std::vector<const ControlRow*> Focusable(std::vector<const ControlRow*> rows) {
  std::erase_if(rows, [](const ControlRow* row) { return !TakesFocus(row->kind); });
  return rows;
}

}  // namespace

std::string MainWindowTitle() { return std::string(kVendorSiteName) + " - Hydraulic Calculations"; }

bool WrapsText(const ControlRow& row) { return row.height > kOneLineHeight; }

const PictureDesign& DesignOf(Picture picture) {
  for (const PictureDesign& design : kPictures) {
    if (design.picture == picture) return design;
  }
  return kNoPicture;
}

std::span<const PictureDesign> Pictures() { return kPictures; }

std::span<const ViewLayout> Views() { return kViews; }

const ViewLayout* ViewOfOption(std::string_view option) {
  for (const ViewLayout& view : kViews) {
    if (view.option == option) return &view;
  }
  return nullptr;
}

bool StartsOptionGroup(const ControlRow& row) {
  return row.kind == ControlKind::kOptionButton && row.name == kViews[0].option;
}

std::string_view InitialFocus() { return kViews[0].tabSet; }

const ControlRow* FindControl(std::string_view name) {
  for (const ControlRow* row : MainWindowRows()) {
    if (row->name == name) return row;
  }
  for (const ControlRow& row : AboutControls()) {
    if (row.name == name) return &row;
  }
  for (const ControlRow& row : HistoryControls()) {
    if (row.name == name) return &row;
  }
  return nullptr;
}

ControlPlace PlaceOf(std::string_view control) {
  ControlPlace place;
  for (const auto pages : {HydraulicPages(), GeneralPages()}) {
    for (const PageLayout& page : pages) {
      for (const ControlRow& row : page.controls) {
        if (row.name == control) place.tabs.push_back({page.tabSet, page.tab});
      }
    }
  }
  if (place.tabs.empty()) return place;
  // Up through the tab sets that hold the page's tab set, to the one a view shows.
  for (const TabSetLayout* set = FindTabSet(place.tabs.front().tabSet);
       set != nullptr && set->parent != kMainWindowName; set = FindTabSet(set->parent)) {
    place.tabs.insert(place.tabs.begin(), {set->parent, set->parentTab});
  }
  for (const ViewLayout& view : Views()) {
    if (view.tabSet == place.tabs.front().tabSet) place.view = &view;
  }
  return place;
}

std::string_view CaptionTextOf(std::string_view control) {
  const ControlRow* caption = FindControl(CaptionOf(control));
  return caption ? caption->text : std::string_view();
}

std::string ShownCaption(std::string_view caption) {
  std::string shown;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    shown += caption[i];
  }
  return shown;
}

std::vector<std::string> ShortenedForms(std::string_view text, std::string_view decimalSeparator) {
  std::vector<std::string> forms;
  const std::size_t separator =
      decimalSeparator.empty() ? std::string_view::npos : text.find(decimalSeparator);
  if (separator == std::string_view::npos) return forms;
  const std::size_t fraction = separator + decimalSeparator.size();
  std::size_t end = fraction;  // the fraction's digits run up to the exponent, if any
  while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
  const std::string_view exponent = text.substr(end);
  // Fewer and fewer fraction digits; with none left, the separator goes too.
  for (std::size_t kept = end - fraction; kept-- > 0;) {
    std::string form(kept > 0 ? text.substr(0, fraction + kept) : text.substr(0, separator));
    form += "…";
    form += exponent;
    forms.push_back(std::move(form));
  }
  return forms;
}

const TabSetLayout* FindTabSet(std::string_view name) {
  for (const TabSetLayout& set : TabSets()) {
    if (set.name == name) return &set;
  }
  return nullptr;
}

const PageLayout* FindPage(std::string_view tabSet, int tab) {
  for (auto pages : {HydraulicPages(), GeneralPages()}) {
    for (const PageLayout& page : pages) {
      if (page.tabSet == tabSet && page.tab == tab) return &page;
    }
  }
  return nullptr;
}

bool TakesFocus(ControlKind kind) {
  switch (kind) {
    case ControlKind::kField:
    case ControlKind::kButton:
    case ControlKind::kList:
    case ControlKind::kOptionButton:
    case ControlKind::kTabSet:
    case ControlKind::kLinkLabel:
    case ControlKind::kResult:
    case ControlKind::kEntryList:
    case ControlKind::kTextView:
      return true;
    case ControlKind::kCaption:
    case ControlKind::kPicture:
      return false;
  }
  return false;
}

std::vector<const ControlRow*> InTabOrder(std::span<const ControlRow> rows) {
  std::vector<const ControlRow*> ordered;
  for (const ControlRow& row : rows) ordered.push_back(&row);
  return ByTabOrder(std::move(ordered));
}

std::vector<const ControlRow*> MainWindowFocusOrder() {
  return Focusable(ByTabOrder(MainWindowRows()));
}

std::vector<const ControlRow*> AboutFocusOrder() { return Focusable(InTabOrder(AboutControls())); }

std::optional<Rgb> DesignedColour(Background background) {
  switch (background) {
    case Background::kWindowGrey:
      return kWindowGrey;
    case Background::kResult:
      return kResultYellow;
    case Background::kDefault:
    case Background::kToolTip:
      break;
  }
  return std::nullopt;
}

}  // namespace tallies
