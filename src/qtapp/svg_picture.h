#pragma once

#include <QSvgRenderer>
#include <QWidget>

#include "layout/window_model.h"

namespace tallies {

// A picture box showing a vector illustration: drawn at its own size from the
// top-left corner, or stretched to fill the box. Painted from the vector data
// at the screen's pixel density, so it stays crisp at any scale.
class SvgPicture : public QWidget {
  Q_OBJECT

 public:
  SvgPicture(const QString& resource, PictureFit fit, QWidget* parent);

  // The illustration's own size, in logical pixels.
  QSize naturalSize() const { return m_renderer.defaultSize(); }
  bool isValid() const { return m_renderer.isValid(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSvgRenderer m_renderer;
  PictureFit m_fit;
};

}  // namespace tallies
