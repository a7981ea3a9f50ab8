#include "qtapp/tab_row_accessible.h"

#include "qtapp/tab_accessible.h"
#include "qtapp/tab_row.h"

namespace tallies {
namespace {

QAccessibleInterface* AccessibleTabRow(const QString& className, QObject* object) {
  if (className != QLatin1String(TabRow::staticMetaObject.className())) return nullptr;
  auto* row = qobject_cast<TabRow*>(object);
  return row ? new TabRowAccessible(row) : nullptr;
}

}  // namespace

TabRowAccessible::TabRowAccessible(TabRow* row)
    : QAccessibleWidget(row, QAccessible::PageTabList) {}

TabRowAccessible::~TabRowAccessible() {
  for (QAccessible::Id id : m_tabs) {
    if (id != 0) QAccessible::deleteAccessibleInterface(id);
  }
}

void TabRowAccessible::Install() {
  static const bool installed = [] {
    QAccessible::installFactory(&AccessibleTabRow);
    return true;
  }();
  (void)installed;
}

TabRow* TabRowAccessible::row() const { return static_cast<TabRow*>(widget()); }

int TabRowAccessible::childCount() const { return row()->count(); }

QAccessibleInterface* TabRowAccessible::child(int index) const {
  if (index < 0 || index >= row()->count()) return nullptr;
  if (m_tabs.size() < static_cast<std::size_t>(row()->count())) m_tabs.resize(row()->count(), 0);
  QAccessible::Id& id = m_tabs[static_cast<std::size_t>(index)];
  if (id == 0) id = QAccessible::registerAccessibleInterface(new TabAccessible(row(), index));
  return QAccessible::accessibleInterface(id);
}

int TabRowAccessible::indexOfChild(const QAccessibleInterface* child) const {
  for (int i = 0; i < childCount(); ++i) {
    if (this->child(i) == child) return i;
  }
  return -1;
}

QAccessibleInterface* TabRowAccessible::childAt(int x, int y) const {
  return child(row()->tabAt(row()->mapFromGlobal(QPoint(x, y))));
}

QAccessibleInterface* TabRowAccessible::focusChild() const {
  if (!row()->hasFocus() || !row()->isActive()) return nullptr;
  return child(row()->currentIndex());
}

}  // namespace tallies
