#include "qtapp/tab_row.h"

#include <QPaintEvent>
#include <QStyleOptionTab>
#include <QStylePainter>

#include "qtapp/readable_palette.h"
#include "qtapp/tab_row_accessible.h"

namespace tallies {
namespace {

// Room between a tab's edge and its caption.
constexpr int kCaptionMarginX = 4;
constexpr int kCaptionMarginY = 3;

}  // namespace

TabRow::TabRow(QWidget* parent) : QTabBar(parent) {
  setDrawBase(false);
  setExpanding(false);
  setUsesScrollButtons(false);
  setElideMode(Qt::ElideNone);
  setFocusPolicy(Qt::NoFocus);
  TabRowAccessible::Install();
}

void TabRow::setActive(bool active) {
  if (m_active == active) return;
  m_active = active;
  // Only the row of the current tab is a stop of the keyboard order; the
  // arrow keys move within it, Ctrl+Tab across the rows.
  setFocusPolicy(active ? Qt::StrongFocus : Qt::NoFocus);
  update();
}

void TabRow::chooseTab(int index) {
  if (index >= 0 && index < count()) emit tabChosen(index);
}

QColor TabRow::captionColor() const {
  return ReadableTextColour(palette().color(QPalette::Window),
                            palette().color(QPalette::WindowText));
}

void TabRow::setTabSize(QSize size) {
  m_tabSize = size;
  updateGeometry();
  // QTabBar lays its tabs out again when a tab's text changes, so nudge it.
  for (int i = 0; i < count(); ++i) setTabText(i, tabText(i));
}

QSize TabRow::tabSizeHint(int) const { return m_tabSize; }

QSize TabRow::minimumTabSizeHint(int index) const { return tabSizeHint(index); }

QRect TabRow::captionRect(int index) const {
  return tabRect(index).adjusted(kCaptionMarginX, kCaptionMarginY, -kCaptionMarginX,
                                 -kCaptionMarginY);
}

void TabRow::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  for (int i = 0; i < count(); ++i) {
    QStyleOptionTab option;
    initStyleOption(&option, i);
    if (!m_active) {
      option.state &= ~QStyle::State_Selected;
      option.selectedPosition = QStyleOptionTab::NotAdjacent;
    }
    option.text.clear();  // the caption is drawn below, wrapped
    painter.drawControl(QStyle::CE_TabBarTabShape, option);

    const bool selected = option.state & QStyle::State_Selected;
    painter.setPen(captionColor());
    QFont font = painter.font();
    font.setBold(false);
    painter.setFont(font);
    painter.drawText(captionRect(i), Qt::AlignCenter | Qt::TextWordWrap, tabText(i));

    if (selected && hasFocus()) {
      QStyleOptionFocusRect focus;
      focus.initFrom(this);
      focus.rect = captionRect(i).adjusted(-2, -1, 2, 1);
      painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
  }
}

}  // namespace tallies
