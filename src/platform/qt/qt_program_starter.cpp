#include "platform/qt/qt_program_starter.h"

#include <QFile>
#include <QProcess>
#include <stdexcept>
#include <string>

namespace tallies {

void QtProgramStarter::Start(std::string_view path, int /*windowStyle*/) {
  const std::string program(path);
  // The program is started directly from its path with no arguments; no shell sees the text.
  if (program.empty() ||
      !QProcess::startDetached(QFile::decodeName(program.c_str()), QStringList())) {
    throw std::runtime_error("The program could not be started: " + program);
  }
}

}  // namespace tallies
