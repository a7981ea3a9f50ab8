#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

namespace tallies {

class TabRow;

// A tab set with its tabs in several rows (a fixed number per row), as Qt's
// own tab widget has only one. Each tab owns a page that covers the whole tab
// set, tab strip included, so controls are placed relative to the tab set's
// top-left corner; the rows of tabs stay above the pages. Each row is a
// QTabBar, whose tabs assistive technology sees as page tabs of one set:
// exactly one of them selected, each one pressable.
class TabSet : public QWidget {
  Q_OBJECT

 public:
  // The pages show the tab set's background: its palette's window colour.
  TabSet(const QStringList& captions, int tabsPerRow, const QRect& geometry, QWidget* parent);

  int count() const { return static_cast<int>(m_pages.size()); }
  int currentIndex() const { return m_current; }
  void setCurrentIndex(int index);

  // Called with a tab's index before its page is first shown, so that the
  // page's controls can be built only when they are needed.
  void setPageBuilder(std::function<void(int)> builder) { m_pageBuilder = std::move(builder); }

  QWidget* page(int index) const { return m_pages.at(static_cast<std::size_t>(index)); }
  QString tabCaption(int index) const;

  // The rows of tabs, top row first; the row that holds the current tab.
  const std::vector<TabRow*>& rows() const { return m_rows; }
  TabRow* activeRow() const;

  // Height of the tab strip: the pages' own controls stand below it.
  int stripHeight() const;

  // The row and the place in it of a tab.
  int rowOf(int index) const { return index / m_tabsPerRow; }

 signals:
  void currentChanged(int index);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void layoutRows();
  void reportSelection(int index);

  int m_tabsPerRow;
  int m_current = 0;
  std::vector<TabRow*> m_rows;
  std::vector<QWidget*> m_pages;
  std::function<void(int)> m_pageBuilder;
};

}  // namespace tallies
