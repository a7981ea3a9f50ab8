#include "qtapp/frm_main.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

#include "qtapp/app_look.h"
#include "qtapp/gauge_list.h"
#include "qtapp/link_label.h"
#include "qtapp/push_button.h"
#include "qtapp/result_label.h"
#include "qtapp/svg_picture.h"
#include "qtapp/tab_row.h"
#include "qtapp/tab_set.h"
#include "config/app_config.h"
#include "controls/run_calculator.h"
#include "conversions/temperatures.h"
#include "conversions/unit_pairs.h"
#include "gauges/gauge_lists.h"
#include "gauges/gauge_tables.h"
#include "hydraulic/hydraulic_buttons.h"
#include "numeric/arithmetic_fault.h"
#include "platform/message_box.h"
#include "qtapp/readable_palette.h"

namespace tallies {
namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect ToPixels(const ControlRow& row) {
  const PixelRect place = TwipsToPixels(row.left, row.top, row.width, row.height);
  return {place.left, place.top, place.width, place.height};
}

// A label taller than one line of text wraps its caption.
constexpr int kOneLineHeight = 255;

QStringList GaugeEntries(std::span<const GaugeRow> table) {
  QStringList entries;
  for (const GaugeRow& row : table) entries << ToQString(row.gauge);
  return entries;
}

bool TakesFocus(ControlKind kind) {
  return kind == ControlKind::kField || kind == ControlKind::kButton ||
         kind == ControlKind::kList || kind == ControlKind::kOptionButton ||
         kind == ControlKind::kTabSet || kind == ControlKind::kLinkLabel;
}

}  // namespace

frmMain::frmMain(MessageBox& messages, const QLocale& locale, QWidget* parent)
    : QWidget(parent),
      m_messages(messages),
      m_decimalSeparator(locale.decimalPoint().toStdString()) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(ToQString(kVendorSiteName) + QStringLiteral(" - Hydraulic Calculations"));
  setWindowIcon(ApplicationIcon());
  // A fixed single border: a close box, no minimise or maximise box, no resizing.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  const QRect client(TwipsToPixels(kMainWindowLeft), TwipsToPixels(kMainWindowTop),
                     TwipsToPixels(kMainWindowWidth), TwipsToPixels(kMainWindowHeight));
  setGeometry(client);
  setFixedSize(client.size());
  setAutoFillBackground(true);
  applyColours();

  for (const auto& handlers :
       {HydraulicButtons(), UnitPairButtons(), TemperatureButtons(), GaugeLists()}) {
    for (const ButtonHandler& entry : handlers) m_handlers.emplace(entry.control, entry.handler);
  }
  for (const auto& pages : {HydraulicPages(), GeneralPages()}) {
    for (const PageLayout& page : pages) {
      for (const ControlRow& row : page.controls) m_unbuilt.emplace(row.name, &page);
    }
  }

  buildWindowControls();
  buildFocusChain();

  // The window opens in the hydraulic view, the focus on its tab set.
  tabSet("SSTabGen")->setVisible(false);
  tabSet("SSTabHyd")->activeRow()->setFocus();
}

void frmMain::buildWindowControls() {
  for (const ControlRow& row : WindowControls()) buildControl(row, this);
  auto* link = control<LinkLabel>("Label3");
  link->setText(link->text() + ToQString(kVendorSiteName));
  link->setFont(LinkFont());
  link->setCursor(PointingHandCursor());
  connect(link, &LinkLabel::clicked, this, &frmMain::Label3_Click);

  auto* hydraulic = control<QRadioButton>("optHyd");
  auto* general = control<QRadioButton>("optGen");
  hydraulic->setChecked(true);
  connect(hydraulic, &QRadioButton::toggled, this, [this](bool on) {
    if (on) optHyd_Click();
  });
  connect(general, &QRadioButton::toggled, this, [this](bool on) {
    if (on) optGen_Click();
  });
  connect(control<QPushButton>("cmdAbout"), &QPushButton::clicked, this, &frmMain::cmdAbout_Click);
}

TabSet* frmMain::buildTabSet(const TabSetLayout& layout, const ControlRow& place, QWidget* parent) {
  QStringList captions;
  for (std::string_view caption : layout.captions) captions << ToQString(caption);
  auto* set = new TabSet(captions, layout.tabsPerRow, ToPixels(place), parent);
  set->setObjectName(ToQString(layout.name));
  colour(set, layout.background);
  set->setPageBuilder([this, name = layout.name](int tab) { buildPage(name, tab); });
  m_controls.emplace(std::string(layout.name), set);
  m_ordered.push_back(set);
  m_tabOrders.emplace_back(place.tabOrder, set);
  set->show();
  return set;
}

void frmMain::buildPage(std::string_view tabSetName, int tab) {
  const PageLayout* page = nullptr;
  for (const auto& pages : {HydraulicPages(), GeneralPages()}) {
    for (const PageLayout& candidate : pages) {
      if (candidate.tabSet == tabSetName && candidate.tab == tab) page = &candidate;
    }
  }
  if (!page || page->controls.empty() || !m_unbuilt.count(page->controls.front().name)) return;
  for (const ControlRow& row : page->controls) m_unbuilt.erase(row.name);

  QWidget* parent = tabSet(tabSetName)->page(tab);
  for (const ControlRow& row : page->controls) buildControl(row, parent);
  linkCaptions(page->controls);
  buildFocusChain();
}

void frmMain::buildAllPages() {
  while (!m_unbuilt.empty()) {
    const PageLayout* page = m_unbuilt.begin()->second;
    control(page->tabSet);  // a nested tab set is built with the page holding it
    buildPage(page->tabSet, page->tab);
  }
}

const std::vector<QWidget*>& frmMain::controls() const {
  lazy().buildAllPages();
  return m_ordered;
}

const std::vector<QWidget*>& frmMain::focusOrder() const {
  lazy().buildAllPages();
  return m_focusOrder;
}

QWidget* frmMain::buildControl(const ControlRow& row, QWidget* parent) {
  const QString text = ToQString(row.text);
  QWidget* widget = nullptr;
  switch (row.kind) {
    case ControlKind::kCaption:
    case ControlKind::kResult: {
      auto* label = row.kind == ControlKind::kResult ? new ResultLabel(parent) : new QLabel(parent);
      label->setTextFormat(Qt::PlainText);
      label->setText(text);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      label->setWordWrap(row.height > kOneLineHeight);
      colour(label, row.background);
      widget = label;
      break;
    }
    case ControlKind::kField:
      widget = new QLineEdit(parent);
      break;
    case ControlKind::kButton: {
      auto* button = new PushButton(text, parent);
      button->setAutoDefault(false);  // Enter in a field starts nothing
      widget = button;
      break;
    }
    case ControlKind::kPicture:
      widget = new SvgPicture(
          ToQString(row.asset),
          row.name == "Image1" ? SvgPicture::Fit::kStretch : SvgPicture::Fit::kNaturalSize, parent);
      break;
    case ControlKind::kList:
      widget = new GaugeList(
          GaugeEntries(row.name == "Combo1" ? SheetMetalGaugeTable() : WireGaugeTable()), text,
          parent);
      break;
    case ControlKind::kLinkLabel: {
      auto* link = new LinkLabel(text, parent);
      link->setTextFormat(Qt::PlainText);
      link->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      // The link's caption is black, as designed, on the window's grey.
      colour(link, row.background, QColor(Qt::black));
      widget = link;
      break;
    }
    case ControlKind::kOptionButton:
      widget = new QRadioButton(text, parent);
      colour(widget, row.background);
      break;
    case ControlKind::kTabSet:
      for (const TabSetLayout& layout : TabSets()) {
        if (layout.name == row.name) return buildTabSet(layout, row, parent);
      }
      return nullptr;
  }
  widget->setObjectName(ToQString(row.name));
  widget->setGeometry(ToPixels(row));
  // A page built while its tab set is on the screen shows its controls at once.
  widget->show();
  m_controls.emplace(std::string(row.name), widget);
  m_ordered.push_back(widget);
  if (TakesFocus(row.kind)) m_tabOrders.emplace_back(row.tabOrder, widget);
  wire(row, widget);
  return widget;
}

// Each field and list is announced with the caption that names it (its buddy),
// and each result carries that caption as its description: the caption in the
// same column right above it, or, for the gear pump's fields, on its left.
void frmMain::linkCaptions(std::span<const ControlRow> rows) {
  constexpr int kColumnSlack = 120;  // twips a caption may stand off its column
  constexpr int kRowSlack = 60;
  for (const ControlRow& row : rows) {
    if (row.kind != ControlKind::kField && row.kind != ControlKind::kResult &&
        row.kind != ControlKind::kList) {
      continue;
    }
    const ControlRow* best = nullptr;
    for (const ControlRow& caption : rows) {
      if (caption.kind != ControlKind::kCaption) continue;
      const bool above = std::abs(caption.left - row.left) <= kColumnSlack && caption.top < row.top;
      const bool beside =
          std::abs(caption.top - row.top) <= kRowSlack && caption.left + caption.width <= row.left;
      if (!above && !beside) continue;
      if (beside || !best || caption.top > best->top) best = &caption;
      if (beside) break;
    }
    if (!best) continue;
    auto* label = control<QLabel>(best->name);
    QWidget* widget = control(row.name);
    if (row.kind == ControlKind::kResult) {
      widget->setAccessibleDescription(label->text());
    } else {
      label->setBuddy(widget);
      // A list would be announced by its current text; name it by its caption.
      if (row.kind == ControlKind::kList) widget->setAccessibleName(label->text());
    }
  }
}

// The window's colours follow the desktop's palette wherever the design does
// not fix them, with every text colour readable on its background; the
// designed backgrounds (the grey, the light yellow, the tooltip colour, the
// button face) keep their colours and bring their text colours with them.
void frmMain::applyColours() {
  const QPalette desktop = ReadablePalette(QApplication::palette());
  QPalette own = desktop;
  own.setColor(QPalette::Window, kWindowGreyColor);
  own.setColor(QPalette::WindowText, TextColorOn(Background::kWindowGrey, desktop));
  setPalette(own);
  for (const Coloured& entry : m_coloured) {
    SetColours(entry.widget, entry.background, desktop);
    if (entry.text.isValid()) {
      QPalette fixed = entry.widget->palette();
      fixed.setColor(entry.widget->foregroundRole(), entry.text);
      entry.widget->setPalette(fixed);
    }
  }
}

void frmMain::colour(QWidget* widget, Background background, const QColor& text) {
  m_coloured.push_back({widget, background, text});
  SetColours(widget, background, ReadablePalette(QApplication::palette()));
  if (text.isValid()) {
    QPalette fixed = widget->palette();
    fixed.setColor(widget->foregroundRole(), text);
    widget->setPalette(fixed);
  }
}

// A desktop that changes its palette while the program runs (a switch to a
// dark theme) gets every designed background's text colour chosen anew.
void frmMain::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ApplicationPaletteChange) applyColours();
  QWidget::changeEvent(event);
}

// Connects a calculator's button or list to its handler.
void frmMain::wire(const ControlRow& row, QWidget* widget) {
  auto it = m_handlers.find(row.name);
  if (it == m_handlers.end()) return;
  void (*handler)(Controls&) = it->second;
  if (auto* button = qobject_cast<QPushButton*>(widget)) {
    connect(button, &QPushButton::clicked, this, [this, handler] { Run(handler); });
  } else if (auto* list = qobject_cast<GaugeList*>(widget)) {
    connect(list, &GaugeList::entryChosen, this, [this, handler] { Run(handler); });
  }
}

// Keyboard focus moves in the order of the window's tab-order numbers; a tab
// set takes its place with its rows of tabs.
void frmMain::buildFocusChain() {
  std::stable_sort(m_tabOrders.begin(), m_tabOrders.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  m_focusOrder.clear();
  for (const auto& [order, widget] : m_tabOrders) {
    if (auto* set = qobject_cast<TabSet*>(widget)) {
      for (QWidget* row : set->rows()) m_focusOrder.push_back(row);
    } else {
      m_focusOrder.push_back(widget);
    }
  }
  for (std::size_t i = 1; i < m_focusOrder.size(); ++i) {
    QWidget::setTabOrder(m_focusOrder[i - 1], m_focusOrder[i]);
  }
}

QWidget* frmMain::control(std::string_view name) const {
  if (auto pending = m_unbuilt.find(name); pending != m_unbuilt.end()) {
    const PageLayout* page = pending->second;
    control(page->tabSet);  // a nested tab set is built with the page holding it
    lazy().buildPage(page->tabSet, page->tab);
  }
  auto it = m_controls.find(name);
  return it == m_controls.end() ? nullptr : it->second;
}

TabSet* frmMain::tabSet(std::string_view name) const {
  return qobject_cast<TabSet*>(control(name));
}

std::string frmMain::Text(std::string_view name) const {
  QWidget* widget = control(name);
  if (auto* field = qobject_cast<QLineEdit*>(widget)) return field->text().toStdString();
  if (auto* list = qobject_cast<QComboBox*>(widget)) return list->currentText().toStdString();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text().toStdString();
  return {};
}

void frmMain::SetText(std::string_view name, std::string_view text) {
  if (auto* field = qobject_cast<QLineEdit*>(control(name))) {
    field->setText(ToQString(text));
    // A field shows a written text from its first character: left with the
    // cursor at its end, a long result would scroll and show only its tail.
    field->setCursorPosition(0);
  }
}

void frmMain::SetCaption(std::string_view name, std::string_view caption) {
  if (auto* label = qobject_cast<QLabel*>(control(name))) label->setText(ToQString(caption));
}

void frmMain::optHyd_Click() {
  control<QRadioButton>("optHyd")->setChecked(true);
  tabSet("SSTabHyd")->setVisible(true);
  tabSet("SSTabGen")->setVisible(false);
}

void frmMain::optGen_Click() {
  control<QRadioButton>("optGen")->setChecked(true);
  tabSet("SSTabGen")->setVisible(true);
  tabSet("SSTabHyd")->setVisible(false);
}

void frmMain::cmdAbout_Click() {
  if (m_aboutAction) m_aboutAction();
}

void frmMain::Label3_Click() {
  if (m_linkAction) m_linkAction();
}

void frmMain::Run(void (*handler)(Controls&)) { RunCalculator(handler, *this, m_messages); }

}  // namespace tallies
