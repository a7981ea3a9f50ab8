#include "qtapp/tab_set.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>

#include "qtapp/tab_row.h"

namespace tallies {
namespace {

// A row is tall enough for a caption on two lines.
int RowHeight(const QFontMetrics& metrics) { return 2 * metrics.lineSpacing() + 8; }

}  // namespace

TabSet::TabSet(const QStringList& captions, int tabsPerRow, const QRect& geometry, QWidget* parent)
    : QWidget(parent), m_tabsPerRow(tabsPerRow) {
  setGeometry(geometry);
  setAutoFillBackground(true);

  for (int i = 0; i < captions.size(); ++i) {
    auto* page = new QWidget(this);
    page->setVisible(i == 0);
    m_pages.push_back(page);
  }
  const int rowCount = (static_cast<int>(captions.size()) + tabsPerRow - 1) / tabsPerRow;
  for (int r = 0; r < rowCount; ++r) {
    auto* row = new TabRow(this);
    for (int i = r * tabsPerRow; i < std::min<int>((r + 1) * tabsPerRow, captions.size()); ++i) {
      row->addTab(captions[i]);
    }
    const int first = r * tabsPerRow;
    // A click on any tab, also on the one its row already marks as current,
    // the arrow keys within a row and assistive technology's "press" on any
    // tab choose that tab.
    auto choose = [this, first](int index) {
      if (index >= 0) setCurrentIndex(first + index);
    };
    connect(row, &QTabBar::tabBarClicked, this, choose);
    connect(row, &QTabBar::currentChanged, this, choose);
    connect(row, &TabRow::tabChosen, this, choose);
    m_rows.push_back(row);
  }
  m_rows.front()->setActive(true);
  layoutRows();
}

QString TabSet::tabCaption(int index) const {
  return m_rows.at(static_cast<std::size_t>(rowOf(index)))->tabText(index % m_tabsPerRow);
}

TabRow* TabSet::activeRow() const { return m_rows.at(static_cast<std::size_t>(rowOf(m_current))); }

int TabSet::stripHeight() const {
  return static_cast<int>(m_rows.size()) * RowHeight(fontMetrics());
}

void TabSet::setCurrentIndex(int index) {
  if (index < 0 || index >= count() || index == m_current) return;
  const int previous = m_current;
  // The keyboard focus stays on the tab strip when the current tab moves to
  // another row.
  const bool stripHadFocus =
      std::any_of(m_rows.begin(), m_rows.end(), [](TabRow* row) { return row->hasFocus(); });
  m_pages[static_cast<std::size_t>(m_current)]->setVisible(false);
  m_current = index;
  if (m_pageBuilder) m_pageBuilder(index);
  m_pages[static_cast<std::size_t>(index)]->setVisible(true);
  for (std::size_t r = 0; r < m_rows.size(); ++r) {
    const bool active = static_cast<int>(r) == rowOf(index);
    if (active) {
      QSignalBlocker block(m_rows[r]);
      m_rows[r]->setCurrentIndex(index % m_tabsPerRow);
    }
    m_rows[r]->setActive(active);
  }
  layoutRows();
  if (stripHadFocus) activeRow()->setFocus(Qt::TabFocusReason);
  reportSelection(previous);
  reportSelection(index);
  emit currentChanged(index);
}

// Tells assistive technology that a tab was selected or lost its selection.
void TabSet::reportSelection(int index) {
  if (!QAccessible::isActive()) return;
  QAccessible::State changed;
  changed.selected = true;
  QAccessibleStateChangeEvent event(m_rows.at(static_cast<std::size_t>(rowOf(index))), changed);
  event.setChild(index % m_tabsPerRow);
  QAccessible::updateAccessibility(&event);
}

// Ctrl+Tab and Ctrl+Shift+Tab step through every tab of the set, across its
// rows and round from the last to the first, wherever in the tab set the
// focus is (a nested tab set answers first for its own controls). The focus
// moves to the tab strip, as the page it was on is hidden.
void TabSet::keyPressEvent(QKeyEvent* event) {
  const bool control = event->modifiers() & Qt::ControlModifier;
  const bool backwards = event->key() == Qt::Key_Backtab ||
                         (event->key() == Qt::Key_Tab && (event->modifiers() & Qt::ShiftModifier));
  if (!control || (event->key() != Qt::Key_Tab && event->key() != Qt::Key_Backtab)) {
    QWidget::keyPressEvent(event);
    return;
  }
  const int step = backwards ? count() - 1 : 1;
  setCurrentIndex((m_current + step) % count());
  activeRow()->setFocus(Qt::TabFocusReason);
  event->accept();
}

void TabSet::layoutRows() {
  const int tabWidth = width() / m_tabsPerRow;
  const int rowHeight = RowHeight(fontMetrics());
  // As on a classic multi-row tab strip, the row that holds the current tab
  // stands next to the page; the other rows keep their order above it.
  const int activeRow = rowOf(m_current);
  int line = 0;
  for (std::size_t r = 0; r < m_rows.size(); ++r) {
    const int lineOfRow =
        static_cast<int>(r) == activeRow ? static_cast<int>(m_rows.size()) - 1 : line++;
    m_rows[r]->setTabSize(QSize(tabWidth, rowHeight));
    m_rows[r]->setGeometry(0, lineOfRow * rowHeight, tabWidth * m_rows[r]->count(), rowHeight);
  }
  for (auto* page : m_pages) page->setGeometry(rect());
  for (auto* row : m_rows) row->raise();
}

void TabSet::showEvent(QShowEvent* event) {
  if (m_pageBuilder) m_pageBuilder(m_current);
  QWidget::showEvent(event);
}

void TabSet::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layoutRows();
}

void TabSet::paintEvent(QPaintEvent*) {
  // A raised edge around the page area under the tab strip; the page itself
  // keeps the tab set's background colour.
  QPainter painter(this);
  const QRect panel = rect().adjusted(0, stripHeight() - 1, -1, -1);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawLine(panel.topLeft(), panel.bottomLeft());
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawLine(panel.bottomLeft(), panel.bottomRight());
  painter.drawLine(panel.topRight(), panel.bottomRight());
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawLine(panel.topLeft(), panel.topRight());
}

}  // namespace tallies
