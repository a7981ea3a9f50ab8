#pragma once

#include "about/sys_info_platform.h"
#include "about/web_link_platform.h"
#include "platform/win32/win32_address_opener.h"
#include "platform/win32/win32_event_pump.h"
#include "platform/win32/win32_executable_finder.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_message_box.h"
#include "platform/win32/win32_program_folder.h"
#include "platform/win32/win32_program_starter.h"
#include "platform/win32/win32_registry.h"

namespace tallies {

// The Windows platform operations, made for one action of the About box or the link label.
// `owner` (an HWND) owns the messages and the shell's open request.
class Win32Platform {
 public:
  explicit Win32Platform(void* owner) : m_opener(owner), m_messages(owner) {}

  SysInfoPlatform SysInfo() { return {m_registry, m_files, m_starter, m_messages}; }
  WebLinkPlatform WebLink() { return {m_folder, m_files, m_finder, m_pump, m_opener, m_messages}; }

 private:
  Win32Registry m_registry;
  Win32FileSystem m_files;
  Win32ProgramStarter m_starter;
  Win32ProgramFolder m_folder;
  Win32ExecutableFinder m_finder;
  Win32AddressOpener m_opener;
  Win32EventPump m_pump;
  Win32MessageBox m_messages;
};

}  // namespace tallies
