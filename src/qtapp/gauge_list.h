#pragma once

#include <QComboBox>

namespace tallies {

// A drop-down list with an editable text part. entryChosen() is emitted when
// the user chooses an entry, with the mouse in the drop-down part, with the
// arrow keys or the mouse wheel; typing into the text part (even a text equal
// to an entry, confirmed with Enter or by leaving the field) emits nothing.
// A list that takes no typed text shows one of its entries, `text` at start.
class GaugeList : public QComboBox {
  Q_OBJECT

 public:
  GaugeList(const QStringList& entries, const QString& text, bool takesTypedText, QWidget* parent);

 signals:
  void entryChosen();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // True while the text part finishes an edit: a choice reported then comes
  // from the typed text, not from the user choosing an entry.
  bool m_finishingEdit = false;
};

}  // namespace tallies
