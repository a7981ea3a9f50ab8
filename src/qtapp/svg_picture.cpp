#include "qtapp/svg_picture.h"

#include <QPainter>

namespace tallies {

SvgPicture::SvgPicture(const QString& resource, PictureFit fit, QWidget* parent)
    : QWidget(parent), m_renderer(resource), m_fit(fit) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void SvgPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF target =
      m_fit == PictureFit::kStretch ? QRectF(rect()) : QRectF(QPointF(0, 0), naturalSize());
  m_renderer.render(&painter, target);
}

}  // namespace tallies
