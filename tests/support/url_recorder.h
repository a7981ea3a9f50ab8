#pragma once

#include <QObject>
#include <QUrl>
#include <vector>

namespace tallies::testing {

// Stands in for the desktop's web browser: registered as the handler of a URL scheme, it records
// the addresses it is asked to open.
class UrlRecorder : public QObject {
  Q_OBJECT

 public:
  const std::vector<QUrl>& urls() const { return m_urls; }

 public slots:
  void Open(const QUrl& url) { m_urls.push_back(url); }

 private:
  std::vector<QUrl> m_urls;
};

}  // namespace tallies::testing
