#include "platform/posix/xdg_executable_finder.h"

#include <sys/stat.h>

#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <utility>

namespace tallies {

namespace {

// How long xdg-mime may take to start and to answer, in milliseconds. It answers at once on a
// working desktop; a hung one must not freeze the window for long.
constexpr int kXdgMimeTimeoutMs = 5000;

// The desktop entry id of the default handler for mimeType, or empty when there is none.
QString DefaultHandler(const QString& xdgMime, const QString& mimeType) {
  QProcess process;
  process.setProcessChannelMode(QProcess::SeparateChannels);
  process.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), mimeType},
                QIODevice::ReadOnly);
  if (!process.waitForStarted(kXdgMimeTimeoutMs)) {
    return {};
  }
  process.closeWriteChannel();
  if (!process.waitForFinished(kXdgMimeTimeoutMs)) {
    process.kill();
    process.waitForFinished(kXdgMimeTimeoutMs);
    return {};
  }
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
    return {};
  }
  const QString output = QString::fromLocal8Bit(process.readAllStandardOutput());
  return output.section(QLatin1Char('\n'), 0, 0).trimmed();
}

}  // namespace

XdgExecutableFinder::XdgExecutableFinder(std::string xdgMimeProgram)
    : m_xdgMimeProgram(std::move(xdgMimeProgram)) {}

std::int32_t XdgExecutableFinder::FindExecutable(std::string_view fileName,
                                                 std::string_view directory,
                                                 std::span<char> result) {
  if (!result.empty()) {
    result.front() = '\0';
  }
  std::string path(directory);
  if (path.empty() || path.back() != '/') {
    path += '/';
  }
  path += fileName;
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
    return kShellFileNotFound;
  }

  const QMimeType mimeType = QMimeDatabase().mimeTypeForFile(QFile::decodeName(path.c_str()),
                                                             QMimeDatabase::MatchExtension);
  if (!mimeType.isValid() || mimeType.isDefault()) {
    return kShellNoAssociation;
  }
  const QString handler =
      DefaultHandler(QFile::decodeName(m_xdgMimeProgram.c_str()), mimeType.name());
  if (handler.isEmpty()) {
    return kShellNoAssociation;
  }

  QString handlerPath = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, handler);
  if (handlerPath.isEmpty()) {
    handlerPath = handler;
  }
  if (!result.empty()) {
    const QByteArray bytes = QFile::encodeName(handlerPath);
    const std::size_t length = std::min(result.size() - 1, static_cast<std::size_t>(bytes.size()));
    std::copy_n(bytes.constData(), length, result.begin());
    result[length] = '\0';
  }
  return kShellSuccess;
}

}  // namespace tallies
