#pragma once

#include <QColor>
#include <QLocale>
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "controls/calculator.h"
#include "controls/controls.h"
#include "layout/control_layout.h"
#include "layout/window_model.h"
#include "numeric/unit_system.h"

namespace tallies {

class HistoryKeeper;
class MessageBox;
class SettingsStore;
class TabSet;
struct RecordEntry;

// The main window: banner, link label, About button, the two view options and
// the hydraulic and general tab sets with every page. It is the Controls that
// every calculator works through, and the one place where a calculator's click
// is connected to its handler and an arithmetic fault is reported.
class frmMain : public QWidget, public Controls {
  Q_OBJECT

 public:
  // Faults are reported through `messages`; results are written with the
  // decimal separator of `locale`.
  explicit frmMain(MessageBox& messages, const QLocale& locale = QLocale::system(),
                   QWidget* parent = nullptr);

  // Controls
  std::string Text(std::string_view control) const override;
  void SetText(std::string_view control, std::string_view text) override;
  void SetCaption(std::string_view control, std::string_view caption) override;
  std::string DecimalSeparator() const override { return m_decimalSeparator; }

  // A control by its name, or nullptr. A page is built when one of its controls
  // is first asked for or its tab is first shown; until then its controls
  // would show just what they start with, so nothing visible depends on when.
  QWidget* control(std::string_view name) const;
  template <typename T>
  T* control(std::string_view name) const {
    return qobject_cast<T*>(control(name));
  }
  TabSet* tabSet(std::string_view name) const;
  // Every named control (every page built first), in the order it was built.
  const std::vector<QWidget*>& controls() const;
  // The widgets that take keyboard focus (every page built first), in the
  // window's keyboard order.
  const std::vector<QWidget*>& focusOrder() const;

  // The view switch: selects the view's option and shows its tab set alone.
  void showView(const ViewLayout& view);

  // What the About button and the link label do; set by the program's entry.
  void setAboutAction(std::function<void()> action) { m_aboutAction = std::move(action); }
  void setLinkAction(std::function<void()> action) { m_linkAction = std::move(action); }

  // The record of calculations: every Calc that gives a result, and every gauge chosen, adds an
  // entry to `history`; the History button and Ctrl+H show the History window.
  void useHistory(HistoryKeeper& history);
  HistoryKeeper* history() const { return m_history; }
  // Shows an entry's calculator with its inputs put back, in the entry's units, the focus on its
  // Calc button (or list), ready to calculate again.
  void recall(const RecordEntry& entry);
  // Shows the History window, built on first use.
  void showHistory();

  // The units the window speaks, and the switch between them (SwitchUnits): the fields'
  // numbers are converted, the results that change unit cleared, and the captions, formulas
  // and calculators become the system's. The units list shows the system.
  UnitSystem units() const { return m_units; }
  void setUnits(UnitSystem units);

  // The window keeps its units choice in `store`: it takes the stored one now (US when none
  // can be read) and stores every choice made in the units list.
  void useSettings(SettingsStore& store);

  // Runs a calculator started from `source`. An arithmetic fault ends it and is
  // reported; whatever the handler wrote before the fault stays, and no
  // exception leaves here.
  void Run(const Calculator& calculator, QWidget* source = nullptr);

 signals:
  // The history changed: an entry was added, removed or the history cleared.
  void historyChanged();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  // A control with a designed background, and the text colour fixed for it
  // (invalid: the one readable there).
  struct Coloured {
    QWidget* widget;
    Background background;
    QColor text;
  };

  void applyColours();
  void colour(QWidget* widget, Background background, const QColor& text = {});
  void buildWindowControls();
  TabSet* buildTabSet(const TabSetLayout& layout, const ControlRow& place, QWidget* parent);
  void buildPage(std::string_view tabSet, int tab);
  void buildAllPages();
  QWidget* buildControl(const ControlRow& row, QWidget* parent);
  void wire(const ControlRow& row, QWidget* widget);
  void linkCaptions(std::span<const ControlRow> rows);
  void buildFocusChain();
  void chooseUnits(QWidget* list);
  void showFormula(std::string_view control, QWidget* widget);
  // Pages are built on first use; the window's state is unchanged by that.
  frmMain& lazy() const { return const_cast<frmMain&>(*this); }

  MessageBox& m_messages;
  std::string m_decimalSeparator;
  std::map<std::string, QWidget*, std::less<>> m_controls;
  // The page that builds each control not built yet.
  std::map<std::string_view, const PageLayout*, std::less<>> m_unbuilt;
  std::vector<QWidget*> m_ordered;
  std::vector<QWidget*> m_focusOrder;
  std::vector<Coloured> m_coloured;
  std::function<void()> m_aboutAction;
  std::function<void()> m_linkAction;
  UnitSystem m_units = UnitSystem::kUS;
  SettingsStore* m_settings = nullptr;
  HistoryKeeper* m_history = nullptr;
  QWidget* m_historyWindow = nullptr;
};

}  // namespace tallies
