#include "qtapp/tab_accessible.h"

#include <QWindow>

#include "qtapp/tab_row.h"

namespace tallies {

TabAccessible::TabAccessible(TabRow* row, int index) : m_row(row), m_index(index) {}

bool TabAccessible::isValid() const { return m_row && m_index < m_row->count(); }

QWindow* TabAccessible::window() const { return m_row ? m_row->window()->windowHandle() : nullptr; }

QAccessibleInterface* TabAccessible::parent() const {
  return m_row ? QAccessible::queryAccessibleInterface(m_row.data()) : nullptr;
}

QString TabAccessible::text(QAccessible::Text kind) const {
  if (!isValid() || kind != QAccessible::Name) return {};
  return m_row->tabText(m_index);
}

QRect TabAccessible::rect() const {
  if (!isValid() || !m_row->isVisible()) return {};
  const QRect tab = m_row->tabRect(m_index);
  return {m_row->mapToGlobal(tab.topLeft()), tab.size()};
}

QAccessible::State TabAccessible::state() const {
  QAccessible::State state;
  if (!isValid()) {
    state.invalid = true;
    return state;
  }
  state.selectable = true;
  state.selected = m_row->isTabSelected(m_index);
  state.focusable = m_row->isActive();
  state.focused = state.selected && m_row->hasFocus();
  state.invisible = !m_row->isVisible();
  state.offscreen = state.invisible;
  return state;
}

void* TabAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
  return nullptr;
}

QStringList TabAccessible::actionNames() const { return {pressAction()}; }

void TabAccessible::doAction(const QString& actionName) {
  if (actionName == pressAction() && isValid()) m_row->chooseTab(m_index);
}

}  // namespace tallies
