#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "record/history_keeper.h"
#include "window/window_bindings.h"

class QListWidget;
class QPlainTextEdit;
class QPrinter;

namespace tallies {

class MessageBox;
class frmMain;

// The History window: the entries of the record, newest first, the chosen one in full, and the
// buttons of the model's History window. Built from the model like the other windows; it shows
// the history the main window keeps and follows its changes.
class frmHistory : public QDialog {
  Q_OBJECT

 public:
  frmHistory(frmMain& main, HistoryKeeper& history, MessageBox& messages);

  // Shows the entries as the history holds them now, keeping the chosen one where it still is.
  void refresh();
  QWidget* control(std::string_view name) const;
  // The id of the chosen entry, or empty.
  std::string chosen() const;

  // Seams for tests: the answer to kClearHistoryQuestion, the file CSV is saved to (empty:
  // none), and the printer the sheet goes to (false: not printed).
  void setConfirm(std::function<bool(std::string_view)> confirm) { m_confirm = std::move(confirm); }
  void setSaveFileChooser(std::function<QString()> choose) { m_chooseFile = std::move(choose); }
  void setPrinterChooser(std::function<bool(QPrinter&)> choose) { m_choosePrinter = std::move(choose); }

  void act(Action action);

 private:
  void build();
  void showChosen();
  void tell(const std::string& notice);

  frmMain& m_main;
  HistoryKeeper& m_history;
  MessageBox& m_messages;
  std::map<std::string, QWidget*, std::less<>> m_controls;
  QListWidget* m_list = nullptr;
  QPlainTextEdit* m_entry = nullptr;
  std::function<bool(std::string_view)> m_confirm;
  std::function<QString()> m_chooseFile;
  std::function<bool(QPrinter&)> m_choosePrinter;
};

}  // namespace tallies
