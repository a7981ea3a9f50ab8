#include "qtapp/app_look.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QStyleFactory>
#include <QSvgRenderer>
#include <QWidget>

#include "layout/result_presentation.h"
#include "layout/window_model.h"
#include "qtapp/readable_palette.h"

namespace tallies {
namespace {

QPixmap RenderSvg(QSvgRenderer& renderer, QSize size, qreal devicePixelRatio) {
  QPixmap pixmap(size * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return pixmap;
}

}  // namespace

QFont ControlFont() {
  QFont font(QString::fromUtf8(kControlFontFamily.data(), kControlFontFamily.size()));
  font.setPointSizeF(kControlPoints);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

QFont LinkFont() {
  QFont font = ControlFont();
  font.setPointSizeF(kLinkPoints);
  font.setBold(true);
  font.setUnderline(true);
  return font;
}

QColor BackgroundColor(Background background, const QPalette& palette) {
  if (const std::optional<Rgb> designed = DesignedColour(background)) return ToQColor(*designed);
  return palette.color(background == Background::kToolTip ? QPalette::ToolTipBase
                                                          : QPalette::Button);
}

QColor TextColorOn(Background background, const QPalette& palette) {
  QPalette::ColorRole text = QPalette::WindowText;
  if (background == Background::kDefault) text = QPalette::ButtonText;
  if (background == Background::kToolTip) text = QPalette::ToolTipText;
  return ReadableTextColour(BackgroundColor(background, palette), palette.color(text));
}

void SetColours(QWidget* widget, Background background, const QPalette& palette) {
  QPalette own = widget->palette();
  own.setColor(widget->backgroundRole(), BackgroundColor(background, palette));
  own.setColor(widget->foregroundRole(), TextColorOn(background, palette));
  widget->setPalette(own);
  widget->setAutoFillBackground(true);
}

QIcon ApplicationIcon() {
  // The icon is drawn once per run: once the application carries it, every
  // window shares that one.
  const QIcon shared = QGuiApplication::windowIcon();
  if (!shared.isNull()) return shared;
  // Qt's SVG icon engine draws each size only when the desktop asks for it.
  const QString resource = QStringLiteral(":/icons/tallies.svg");
  QIcon icon(resource);
  if (!icon.pixmap(QSize(32, 32)).isNull()) return icon;
  // Without the engine, draw the sizes a desktop uses now.
  QSvgRenderer renderer(resource);
  QIcon drawn;
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    drawn.addPixmap(RenderSvg(renderer, QSize(size, size), 1.0));
  }
  return drawn;
}

QCursor PointingHandCursor() {
  const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
  QSvgRenderer renderer(QStringLiteral(":/cursors/hand.svg"));
  return QCursor(RenderSvg(renderer, QSize(32, 32), ratio), 9, 3);
}

void ApplyApplicationLook(QApplication& app) {
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(fusion);
  app.setFont(ControlFont());
  app.setWindowIcon(ApplicationIcon());
}

}  // namespace tallies
