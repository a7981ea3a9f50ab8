#pragma once

#include <memory>

#include "about/sys_info_platform.h"
#include "about/web_link_platform.h"

class QWidget;

namespace tallies {

// The platform operations of the running system, made for one action of the About box or the
// link label: the POSIX and desktop counterparts of the
// Windows calls, with Qt's message box and event pump.
class NativePlatform {
 public:
  // owner: the window the messages are centred on and the shell's owner window (may be null).
  explicit NativePlatform(QWidget* owner);
  ~NativePlatform();
  NativePlatform(const NativePlatform&) = delete;
  NativePlatform& operator=(const NativePlatform&) = delete;

  SysInfoPlatform SysInfo();
  WebLinkPlatform WebLink();

 private:
  std::unique_ptr<Registry> m_registry;
  std::unique_ptr<FileSystem> m_files;
  std::unique_ptr<ProgramStarter> m_starter;
  std::unique_ptr<ProgramFolder> m_folder;
  std::unique_ptr<ExecutableFinder> m_finder;
  std::unique_ptr<AddressOpener> m_opener;
  std::unique_ptr<EventPump> m_pump;
  std::unique_ptr<MessageBox> m_messages;
};

}  // namespace tallies
