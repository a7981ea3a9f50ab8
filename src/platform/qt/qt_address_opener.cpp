#include "platform/qt/qt_address_opener.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

#include "platform/executable_finder.h"

namespace tallies {

std::int32_t QtAddressOpener::Open(std::string_view operation, std::string_view file,
                                   std::string_view /*parameters*/, std::string_view /*directory*/,
                                   int /*showCommand*/) {
  const QString verb =
      QString::fromUtf8(operation.data(), static_cast<qsizetype>(operation.size()));
  if (verb.compare(QStringLiteral("open"), Qt::CaseInsensitive) != 0) {
    // As the shell answers for an operation that nothing is registered for.
    return kShellNoAssociation;
  }
  const QUrl url =
      QUrl::fromUserInput(QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size())));
  if (!url.isValid() || url.isEmpty()) {
    return kShellFileNotFound;
  }
  return QDesktopServices::openUrl(url) ? kShellSuccess : kShellNoAssociation;
}

}  // namespace tallies
