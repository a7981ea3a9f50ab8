#pragma once

#include <QDialog>
#include <optional>

#include "about/sys_info_platform.h"
#include "window/window_bindings.h"

namespace tallies {

// The About box: title, version, description and notice, an OK button that closes it and a
// button that starts the system-information tool. Modeless and without owner, so the main window
// stays usable and may even be closed while the box is open; closing the box discards it.
class frmAbout : public QDialog {
  Q_OBJECT

 public:
  // The box starting the running system's information tool.
  frmAbout();
  // The box working through the given platform (which must outlive it), for tests.
  explicit frmAbout(const SysInfoPlatform& platform);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void BuildControls();
  void applyColours();
  void Form_Load();
  // What a button of the box does: close it, or start the system-information tool.
  void Act(Action action);
  void cmdSysInfo_Click();

  std::optional<SysInfoPlatform> m_platform;
};

}  // namespace tallies
