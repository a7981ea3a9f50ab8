#include "qtapp/gauge_list.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace tallies {

GaugeList::GaugeList(const QStringList& entries, const QString& text, bool takesTypedText,
                     QWidget* parent)
    : QComboBox(parent) {
  setMaxVisibleItems(12);
  if (!takesTypedText) {
    addItems(entries);
    setCurrentIndex(static_cast<int>(entries.indexOf(text)));
  } else {
    // A text part of its own makes the list editable without building the
    // drop-down part now: Qt builds that when the list first opens.
    setLineEdit(new QLineEdit(this));
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);  // typed text is never completed into an entry
    addItems(entries);
    setCurrentIndex(-1);
    setEditText(text);
  }
  connect(this, &QComboBox::activated, this, [this](int index) {
    if (index >= 0 && !m_finishingEdit) emit entryChosen();
  });
}

// The list is the focus proxy of its text part and hands key and focus events
// to it; an edit is finished, and any entry equal to the typed text reported as
// activated, synchronously inside these calls.
void GaugeList::keyPressEvent(QKeyEvent* event) {
  m_finishingEdit = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  QComboBox::keyPressEvent(event);
  m_finishingEdit = false;
}

void GaugeList::focusOutEvent(QFocusEvent* event) {
  m_finishingEdit = event->reason() != Qt::PopupFocusReason;
  QComboBox::focusOutEvent(event);
  m_finishingEdit = false;
}

}  // namespace tallies
