#include "qtapp/frm_main.h"

#include <QApplication>
#include <QEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QShortcut>
#include <algorithm>

#include "controls/boundary_guard.h"
#include "controls/run_calculator.h"
#include "layout/history_layout.h"
#include "layout/window_model.h"
#include "platform/message_box.h"
#include "qtapp/app_look.h"
#include "qtapp/frm_history.h"
#include "qtapp/gauge_list.h"
#include "qtapp/link_label.h"
#include "qtapp/push_button.h"
#include "qtapp/qt_convert.h"
#include "qtapp/readable_palette.h"
#include "qtapp/result_label.h"
#include "qtapp/svg_picture.h"
#include "qtapp/tab_row.h"
#include "qtapp/tab_set.h"
#include "record/history_keeper.h"
#include "settings/units_setting.h"
#include "window/calculator_catalogue.h"
#include "window/formulas.h"
#include "window/units_switch.h"
#include "window/window_bindings.h"

namespace tallies {
namespace {

QStringList ListEntriesOf(std::string_view list) {
  QStringList entries;
  for (std::string_view entry : ListEntries(list)) entries << ToQString(entry);
  return entries;
}

QString PictureResource(Picture picture) {
  return QStringLiteral(":/") + ToQString(DesignOf(picture).file);
}

}  // namespace

frmMain::frmMain(MessageBox& messages, const QLocale& locale, QWidget* parent)
    : QWidget(parent),
      m_messages(messages),
      m_decimalSeparator(locale.decimalPoint().toStdString()) {
  setObjectName(ToQString(kMainWindowName));
  setWindowTitle(QString::fromStdString(MainWindowTitle()));
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

  for (const auto& pages : {HydraulicPages(), GeneralPages()}) {
    for (const PageLayout& page : pages) {
      for (const ControlRow& row : page.controls) m_unbuilt.emplace(row.name, &page);
    }
  }

  buildWindowControls();
  buildFocusChain();

  // The window opens in its first view, the focus on the view's tab set.
  showView(Views().front());
  tabSet(InitialFocus())->activeRow()->setFocus();
}

void frmMain::buildWindowControls() {
  for (const ControlRow& row : WindowControls()) buildControl(row, this);
  linkCaptions(WindowControls());
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
  set->show();
  return set;
}

void frmMain::buildPage(std::string_view tabSetName, int tab) {
  const PageLayout* page = FindPage(tabSetName, tab);
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
  const QString text = QString::fromStdString(InitialText(row));
  QWidget* widget = nullptr;
  switch (row.kind) {
    case ControlKind::kCaption:
    case ControlKind::kResult: {
      auto* label = row.kind == ControlKind::kResult
                        ? new ResultLabel(ToQString(m_decimalSeparator), parent)
                        : new QLabel(parent);
      label->setTextFormat(Qt::PlainText);
      label->setText(text);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      label->setWordWrap(WrapsText(row));
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
      widget = new SvgPicture(PictureResource(row.picture), DesignOf(row.picture).fit, parent);
      widget->setAccessibleName(ToQString(DesignOf(row.picture).description));
      break;
    case ControlKind::kList:
      widget = new GaugeList(ListEntriesOf(row.name), text, TakesTypedText(row.name), parent);
      break;
    case ControlKind::kLinkLabel: {
      auto* link = new LinkLabel(text, parent);
      link->setTextFormat(Qt::PlainText);
      link->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      // The link's caption keeps its designed colour on the window's grey.
      colour(link, row.background, ToQColor(kLinkCaptionColour));
      link->setFont(LinkFont());
      link->setCursor(PointingHandCursor());
      widget = link;
      break;
    }
    case ControlKind::kOptionButton:
      widget = new QRadioButton(text, parent);
      colour(widget, row.background);
      break;
    case ControlKind::kTabSet:
      if (const TabSetLayout* layout = FindTabSet(row.name)) {
        return buildTabSet(*layout, row, parent);
      }
      return nullptr;
    case ControlKind::kEntryList:
    case ControlKind::kTextView:
      return nullptr;  // the History window's own kinds (frmHistory)
  }
  widget->setObjectName(ToQString(row.name));
  widget->setGeometry(ToPixels(row));
  // A page built while its tab set is on the screen shows its controls at once.
  widget->show();
  m_controls.emplace(std::string(row.name), widget);
  m_ordered.push_back(widget);
  wire(row, widget);
  return widget;
}

// Each field and list is announced with the caption that names it (its buddy); a result is
// named by it through its own accessible interface.
void frmMain::linkCaptions(std::span<const ControlRow> rows) {
  for (const ControlRow& row : rows) {
    const std::string_view caption = CaptionOf(row.name);
    if (caption.empty()) continue;
    auto* label = control<QLabel>(caption);
    QWidget* widget = control(row.name);
    if (row.kind == ControlKind::kResult) continue;
    label->setBuddy(widget);
    // A list would be announced by its current text; name it by its caption as shown.
    if (row.kind == ControlKind::kList) {
      widget->setAccessibleName(QString::fromStdString(ShownCaption(label->text().toStdString())));
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
  own.setColor(QPalette::Window, ToQColor(kWindowGrey));
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

// Connects a control to what it does: a calculator, a view, the About box or the site.
void frmMain::wire(const ControlRow& row, QWidget* widget) {
  const ControlAction action = ActionOf(row.name);
  std::function<void()> run;
  switch (action.action) {
    case Action::kCalculate:
      // The calculator of the units the window speaks at the time of the click.
      run = [this, name = row.name, widget] {
        if (const Calculator* calculator = CalculatorOf(name, m_units)) Run(*calculator, widget);
      };
      showFormula(row.name, widget);
      break;
    case Action::kChooseUnits:
      run = [this, widget] { chooseUnits(widget); };
      break;
    case Action::kShowView:
      if (auto* option = qobject_cast<QRadioButton*>(widget)) {
        connect(option, &QRadioButton::toggled, this, [this, view = action.view](bool on) {
          if (!on) return;
          Guarded([this, view] { showView(*view); },
                  [this](const std::string& text) { m_messages.Show(text); });
        });
      }
      return;
    case Action::kShowAbout:
      run = [this] {
        if (m_aboutAction) m_aboutAction();
      };
      break;
    case Action::kShowHistory:
      run = [this] { showHistory(); };
      break;
    case Action::kOpenSite:
      run = [this] {
        if (m_linkAction) m_linkAction();
      };
      break;
    default:
      return;
  }
  // No exception leaves a slot for Qt's event loop: one that escapes a handler is reported,
  // and the window goes on working.
  run = [this, body = std::move(run)] {
    Guarded(body, [this](const std::string& text) { m_messages.Show(text); });
  };
  if (auto* button = qobject_cast<QPushButton*>(widget)) {
    connect(button, &QPushButton::clicked, this, run);
  } else if (auto* list = qobject_cast<GaugeList*>(widget)) {
    connect(list, &GaugeList::entryChosen, this, run);
  } else if (auto* link = qobject_cast<LinkLabel*>(widget)) {
    connect(link, &LinkLabel::clicked, this, run);
  }
}

// What a button or list works out, for the pointer and for screen readers.
void frmMain::showFormula(std::string_view control, QWidget* widget) {
  widget->setToolTip(QString::fromStdString(FormulaOf(control, m_units)));
  widget->setAccessibleDescription(widget->toolTip());
}

void frmMain::setUnits(UnitSystem units) {
  if (units != m_units) {
    SwitchUnits(*this, m_units, units);
    m_units = units;
    // Every built Calc button and gauge list shows its formula in the new units; pages built
    // later take them when they are built.
    for (const auto& [name, widget] : m_controls) {
      if (ActionOf(name).action == Action::kCalculate) showFormula(name, widget);
    }
  }
  for (const ControlRow& row : WindowControls()) {
    if (ActionOf(row.name).action != Action::kChooseUnits) continue;
    if (auto* list = control<QComboBox>(row.name)) {
      list->setCurrentIndex(list->findText(ToQString(UnitsEntry(m_units))));
    }
  }
}

void frmMain::useSettings(SettingsStore& store) {
  m_settings = &store;
  setUnits(LoadUnits(store));
}

// A choice in the units list switches the window and is kept for the next start. A choice that
// cannot be stored still switches: the window works on, and starts in US units next time.
void frmMain::chooseUnits(QWidget* list) {
  auto* box = qobject_cast<QComboBox*>(list);
  if (!box) return;
  const std::optional<UnitSystem> chosen = UnitsOfEntry(box->currentText().toStdString());
  if (!chosen) return;
  setUnits(*chosen);
  if (m_settings) SaveUnits(*m_settings, *chosen);
}

// Keyboard focus moves in the order of the window's tab-order numbers; a tab
// set takes its place with its rows of tabs. Pages not built yet join later.
void frmMain::buildFocusChain() {
  m_focusOrder.clear();
  for (const ControlRow* row : MainWindowFocusOrder()) {
    const auto built = m_controls.find(row->name);
    if (built == m_controls.end()) continue;
    if (auto* set = qobject_cast<TabSet*>(built->second)) {
      for (QWidget* tabRow : set->rows()) m_focusOrder.push_back(tabRow);
    } else {
      m_focusOrder.push_back(built->second);
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
  if (auto* result = qobject_cast<ResultLabel*>(widget)) return result->result().toStdString();
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
  QWidget* widget = control(name);
  if (auto* result = qobject_cast<ResultLabel*>(widget)) {
    result->setResult(ToQString(caption));
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(ToQString(caption));
  }
}

// Shows the view's tab set, then hides every other view's, so the window never
// shows none; the view's option is selected (already so when the user chose it).
void frmMain::showView(const ViewLayout& view) {
  control<QRadioButton>(view.option)->setChecked(true);
  tabSet(view.tabSet)->setVisible(true);
  for (const ViewLayout& other : Views()) {
    if (other.tabSet != view.tabSet) tabSet(other.tabSet)->setVisible(false);
  }
}

// A screen reader hears what a Calc wrote without the user moving: the focused button's (or
// list's) description names the new results, then its formula, and changes once per Calc.
void frmMain::Run(const Calculator& calculator, QWidget* source) {
  const std::optional<Calculation> done = RunCalculator(calculator, *this, m_messages);
  if (!done) return;
  if (m_history) {
    const std::string notice = m_history->Record(*done, m_decimalSeparator);
    emit historyChanged();
    if (!notice.empty()) m_messages.Show(notice);
  }
  const std::string said = DescribeWrites(*done);
  if (said.empty() || !source) return;
  source->setAccessibleDescription(QString::fromStdString(
      DescriptionAfterCalc(said, source->objectName().toStdString(), m_units)));
}

void frmMain::useHistory(HistoryKeeper& history) {
  m_history = &history;
  // Ctrl+H shows it from anywhere in the window.
  auto* shortcut = new QShortcut(QKeySequence(ToQString(kHistoryShortcut)), this);
  connect(shortcut, &QShortcut::activated, this, [this] {
    Guarded([this] { showHistory(); }, [this](const std::string& text) { m_messages.Show(text); });
  });
  if (const std::string notice = history.Load(); !notice.empty()) m_messages.Show(notice);
}

void frmMain::showHistory() {
  if (!m_history) return;
  auto* window = qobject_cast<frmHistory*>(m_historyWindow);
  if (!window) {
    window = new frmHistory(*this, *m_history, m_messages);
    connect(this, &frmMain::historyChanged, window, &frmHistory::refresh);
    m_historyWindow = window;
  }
  window->show();
  window->raise();
  window->activateWindow();
}

void frmMain::recall(const RecordEntry& entry) {
  setUnits(entry.units);
  const ControlPlace place = PlaceOf(entry.calculator);
  if (place.view) showView(*place.view);
  for (const TabChoice& choice : place.tabs) tabSet(choice.tabSet)->setCurrentIndex(choice.tab);
  for (const RecordedValue& input : entry.inputs) {
    if (auto* list = control<QComboBox>(input.control)) {
      list->setEditText(ToQString(input.text));
    } else {
      SetText(input.control, input.text);
    }
  }
  if (QWidget* calc = control(entry.calculator)) calc->setFocus(Qt::OtherFocusReason);
  window()->raise();
  window()->activateWindow();
}

}  // namespace tallies
