#pragma once

#include <QLabel>
#include <QString>

namespace tallies {

// A result: a label that only a calculator writes. It takes the keyboard focus at its place in
// the window's keyboard order, and from a click, and shows it with a dotted frame; its text can
// be selected with the mouse and the keyboard (Shift with the arrow keys, Ctrl+A), and Ctrl+C
// copies the selection, or the whole result when nothing is selected.
//
// A result wider than the label is drawn smaller, down to a legible least size, and only then
// shortened in the middle of its number (ShortenedForms). The result itself, its accessible
// name, its tooltip and what Ctrl+C copies stay the whole text.
class ResultLabel : public QLabel {
  Q_OBJECT

 public:
  // `decimalSeparator`: where a shortened number's fraction starts.
  ResultLabel(const QString& decimalSeparator, QWidget* parent);

  // The whole result, however it is drawn.
  const QString& result() const { return m_result; }
  void setResult(const QString& result);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // Chooses the size and form the result is drawn in.
  void fit();

  QString m_result;
  QString m_shown;  // what is drawn: the result, or a shortened form of it
  QString m_decimalSeparator;
  bool m_fitting = false;
};

}  // namespace tallies
