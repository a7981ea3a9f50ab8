#include "platform/qt/qt_program_starter.h"

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/program_command.h"

namespace tallies {

void QtProgramStarter::Start(std::string_view path, int /*windowStyle*/) {
  // The program is started directly from its path, with the arguments joined to it, each handed
  // over as one word; no shell sees the text, and blanks split nothing.
  const std::vector<std::string> parts = SplitCommand(path);
  const std::string& program = parts.front();
  QStringList arguments;
  for (auto argument = parts.begin() + 1; argument != parts.end(); ++argument) {
    arguments.append(QFile::decodeName(argument->c_str()));
  }
  if (program.empty() || !QProcess::startDetached(QFile::decodeName(program.c_str()), arguments)) {
    throw std::runtime_error("The program could not be started: " + program);
  }
}

}  // namespace tallies
