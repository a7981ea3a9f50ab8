#pragma once

#include <QAccessibleWidget>
#include <vector>

namespace tallies {

class TabRow;

// What assistive technology sees of a row of tabs: a page tab list whose
// children are its tabs (TabAccessible). Qt's own interface for a tab bar
// takes the bar's current tab for the selected one and opens a tab through
// the bar, which ignores a tab that is already its current one; a row of a
// tab set has to answer for the whole set instead.
class TabRowAccessible : public QAccessibleWidget {
 public:
  explicit TabRowAccessible(TabRow* row);
  ~TabRowAccessible() override;

  // Makes every TabRow use this interface; later calls do nothing.
  static void Install();

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;

 private:
  TabRow* row() const;

  // The tabs' interfaces by index, registered with Qt's accessibility cache
  // when first asked for; 0 for none yet.
  mutable std::vector<QAccessible::Id> m_tabs;
};

}  // namespace tallies
