#include "qtapp/native_platform.h"

#include <QWidget>

#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_program_folder.h"
#include "platform/posix/posix_registry.h"
#include "platform/posix/xdg_executable_finder.h"
#include "platform/qt/qt_address_opener.h"
#include "platform/qt/qt_event_pump.h"
#include "platform/qt/qt_modal_message_box.h"
#include "platform/qt/qt_program_starter.h"
#include "qtapp/readable_palette.h"

namespace tallies {

NativePlatform::NativePlatform(QWidget* owner)
    : m_registry(std::make_unique<PosixRegistry>()),
      m_files(std::make_unique<PosixFileSystem>()),
      m_starter(std::make_unique<QtProgramStarter>()),
      m_folder(std::make_unique<PosixProgramFolder>()),
      m_finder(std::make_unique<XdgExecutableFinder>()),
      m_opener(std::make_unique<QtAddressOpener>()),
      m_pump(std::make_unique<QtEventPump>()),
      m_messages(std::make_unique<QtModalMessageBox>(owner, &ReadablePalette)) {}

NativePlatform::~NativePlatform() = default;

SysInfoPlatform NativePlatform::SysInfo() {
  return {*m_registry, *m_files, *m_starter, *m_messages};
}

WebLinkPlatform NativePlatform::WebLink() {
  return {*m_folder, *m_files, *m_finder, *m_pump, *m_opener, *m_messages};
}

}  // namespace tallies
