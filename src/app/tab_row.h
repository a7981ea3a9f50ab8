#pragma once

#include <QTabBar>

namespace tallies {

// One row of tabs of a TabSet. Every tab has the same width, captions wrap
// onto a second line, and only the row that holds the tab set's current tab
// shows a selected tab: a row whose current tab is not the tab set's is drawn
// with every tab unselected.
class TabRow : public QTabBar {
  Q_OBJECT

 public:
  explicit TabRow(QWidget* parent);

  // Every tab of the row has this size.
  void setTabSize(QSize size);

  void setActive(bool active);
  bool isActive() const { return m_active; }

  // The rectangle in which a tab's caption is drawn (for layout checks).
  QRect captionRect(int index) const;

 protected:
  QSize tabSizeHint(int index) const override;
  QSize minimumTabSizeHint(int index) const override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QSize m_tabSize;
  bool m_active = false;
};

}  // namespace tallies
