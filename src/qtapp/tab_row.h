#pragma once

#include <QTabBar>

namespace tallies {

// One row of tabs of a TabSet. Every tab has the same width, captions wrap
// onto a second line, and only the row that holds the tab set's current tab
// shows a selected tab: a row whose current tab is not the tab set's is drawn
// with every tab unselected, takes no keyboard focus and tells assistive
// technology that none of its tabs is selected.
class TabRow : public QTabBar {
  Q_OBJECT

 public:
  explicit TabRow(QWidget* parent);

  // Every tab of the row has this size.
  void setTabSize(QSize size);

  void setActive(bool active);
  bool isActive() const { return m_active; }
  // Whether a tab of the row is the tab set's current tab.
  bool isTabSelected(int index) const { return m_active && index == currentIndex(); }

  // Asks the tab set to show a tab of this row, whichever row is active (what
  // assistive technology's "press" on a tab does).
  void chooseTab(int index);

  // The rectangle in which a tab's caption is drawn (for layout checks).
  QRect captionRect(int index) const;
  // The colour captions are drawn in. The style fills a tab with the tab
  // set's background (the palette's window colour); the caption takes the
  // palette's window text colour when it is readable there, else black or
  // white.
  QColor captionColor() const;

 signals:
  void tabChosen(int index);

 protected:
  QSize tabSizeHint(int index) const override;
  QSize minimumTabSizeHint(int index) const override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QSize m_tabSize;
  bool m_active = false;
};

}  // namespace tallies
