#include "qtapp/frm_history.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QFileDialog>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextDocument>

#include "config/app_config.h"
#include "controls/boundary_guard.h"
#include "layout/history_layout.h"
#include "layout/window_model.h"
#include "platform/message_box.h"
#include "qtapp/app_look.h"
#include "qtapp/frm_main.h"
#include "qtapp/qt_convert.h"
#include "record/entry_formats.h"
#include "record/history_texts.h"
#include "record/share_link.h"
#include "settings/replace_file.h"

namespace tallies {
namespace {

constexpr int kIdRole = Qt::UserRole;

QString EntryLine(const RecordEntry& entry) {
  const QString time =
      QDateTime::fromMSecsSinceEpoch(entry.time).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
  return time + QStringLiteral("  ") + ToQString(EntrySummary(entry));
}

}  // namespace

frmHistory::frmHistory(frmMain& main, HistoryKeeper& history, MessageBox& messages)
    : QDialog(&main), m_main(main), m_history(history), m_messages(messages) {
  m_confirm = [this](std::string_view question) {
    return QMessageBox::question(this, ToQString(kApplicationTitle), ToQString(question)) ==
           QMessageBox::Yes;
  };
  m_chooseFile = [this] {
    return QFileDialog::getSaveFileName(this, QStringLiteral("Export CSV"),
                                        QStringLiteral("tallies-history.csv"),
                                        QStringLiteral("CSV (*.csv)"));
  };
  m_choosePrinter = [this](QPrinter& printer) {
    QPrintDialog dialog(&printer, this);
    return dialog.exec() == QDialog::Accepted;
  };
  build();
  refresh();
}

void frmHistory::build() {
  setObjectName(ToQString(kHistoryWindowName));
  setWindowTitle(ToQString(kHistoryTitle));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setModal(false);
  setFont(ControlFont());
  setFixedSize(TwipsToPixels(kHistoryClientWidth), TwipsToPixels(kHistoryClientHeight));
  for (const ControlRow& row : HistoryControls()) {
    QWidget* widget = nullptr;
    const QString text = ToQString(row.text);
    switch (row.kind) {
      case ControlKind::kEntryList:
        widget = m_list = new QListWidget(this);
        break;
      case ControlKind::kTextView:
        widget = m_entry = new QPlainTextEdit(this);
        m_entry->setReadOnly(true);
        m_entry->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        break;
      case ControlKind::kButton: {
        auto* button = new QPushButton(text, this);
        button->setAutoDefault(false);
        const Action action = ActionOf(row.name).action;
        connect(button, &QPushButton::clicked, this, [this, action] {
          Guarded([this, action] { act(action); },
                  [this](const std::string& fault) { m_messages.Show(fault); });
        });
        widget = button;
        break;
      }
      default:
        widget = new QLabel(text, this);
        break;
    }
    widget->setObjectName(ToQString(row.name));
    widget->setGeometry(ToPixels(row));
    m_controls.emplace(std::string(row.name), widget);
  }
  // Captions name their list and text for screen readers, and their access keys reach them.
  for (const ControlRow& row : HistoryControls()) {
    if (const std::string_view caption = CaptionOf(row.name); !caption.empty()) {
      if (auto* label = qobject_cast<QLabel*>(control(caption))) label->setBuddy(control(row.name));
      control(row.name)->setAccessibleName(ToQString(ShownCaption(CaptionTextOf(row.name))));
    }
  }
  const std::vector<const ControlRow*> order = HistoryFocusOrder();
  for (std::size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(control(order[i - 1]->name), control(order[i]->name));
  }
  connect(m_list, &QListWidget::currentRowChanged, this, [this] { showChosen(); });
  // Enter on an entry recalls it.
  connect(m_list, &QListWidget::itemActivated, this, [this] { act(Action::kRecallEntry); });
}

QWidget* frmHistory::control(std::string_view name) const {
  const auto found = m_controls.find(name);
  return found == m_controls.end() ? nullptr : found->second;
}

std::string frmHistory::chosen() const {
  const QListWidgetItem* item = m_list->currentItem();
  return item ? item->data(kIdRole).toString().toStdString() : std::string();
}

void frmHistory::refresh() {
  const std::string wasChosen = chosen();
  const QSignalBlocker quiet(m_list);
  m_list->clear();
  const std::vector<RecordEntry>& entries = m_history.Entries();
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
    auto* item = new QListWidgetItem(EntryLine(*entry), m_list);
    item->setData(kIdRole, QString::fromStdString(entry->id));
    if (entry->id == wasChosen) m_list->setCurrentItem(item);
  }
  if (!m_list->currentItem() && m_list->count() > 0) m_list->setCurrentRow(0);
  showChosen();
}

void frmHistory::showChosen() {
  const RecordEntry* entry = m_history.Find(chosen());
  m_entry->setPlainText(ToQString(entry ? EntryPlainText(*entry) : std::string(kEmptyHistoryText)));
  for (const Action needsEntry : {Action::kRecallEntry, Action::kCopyEntry, Action::kCopyEntryTable,
                                  Action::kCopyEntryLink, Action::kDeleteEntry}) {
    for (const ControlRow& row : HistoryControls()) {
      if (ActionOf(row.name).action == needsEntry) control(row.name)->setEnabled(entry != nullptr);
    }
  }
}

void frmHistory::tell(const std::string& notice) {
  if (!notice.empty()) m_messages.Show(notice);
}

void frmHistory::act(Action action) {
  const RecordEntry* entry = m_history.Find(chosen());
  switch (action) {
    case Action::kRecallEntry:
      if (entry) m_main.recall(*entry);
      break;
    case Action::kCopyEntry:
      if (entry) QGuiApplication::clipboard()->setText(ToQString(EntryPlainText(*entry)));
      break;
    case Action::kCopyEntryTable:
      if (entry) {
        auto* data = new QMimeData;
        const QString table = ToQString(EntryMarkdown(*entry));
        data->setText(table);
        data->setData(QStringLiteral("text/markdown"), table.toUtf8());
        QGuiApplication::clipboard()->setMimeData(data);
      }
      break;
    case Action::kCopyEntryLink:
      if (entry) QGuiApplication::clipboard()->setText(ToQString(ShareLink(kWebAppUrl, *entry)));
      break;
    case Action::kDeleteEntry:
      if (entry) tell(m_history.Remove(entry->id));
      m_main.historyChanged();
      break;
    case Action::kClearHistory:
      if (m_confirm(kClearHistoryQuestion)) tell(m_history.Clear());
      m_main.historyChanged();
      break;
    case Action::kExportHistory: {
      const QString file = m_chooseFile();
      if (file.isEmpty()) break;
      if (!ReplaceFile(file.toStdString(), HistoryCsv(m_history.Entries()))) {
        m_messages.Show("The history could not be saved as \"" + file.toStdString() + "\".");
      }
      break;
    }
    case Action::kPrintHistory: {
      QPrinter printer;
      if (!m_choosePrinter(printer)) break;
      QTextDocument sheet;
      sheet.setHtml(ToQString(WorkedSheetHtml(m_history.Entries())));
      sheet.print(&printer);
      break;
    }
    case Action::kCloseHistory:
      close();
      break;
    default:
      break;
  }
}

}  // namespace tallies
