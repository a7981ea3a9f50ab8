// A build tool, run on the build machine: renders the program's SVG icon to a
// square PNG of the given size, for the fixed icon sizes that desktops look up
// in the hicolor theme.
//
//   tallies_render_icon <icon.svg> <icon.png> <size in pixels>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s <icon.svg> <icon.png> <size>\n", argv[0]);
    return 2;
  }
  const QString input = QString::fromLocal8Bit(argv[1]);
  const QString output = QString::fromLocal8Bit(argv[2]);
  bool sizeOk = false;
  const int size = QByteArray(argv[3]).toInt(&sizeOk);
  constexpr int kLargestIcon = 1024;  // no desktop looks for a larger fixed size
  if (!sizeOk || size < 1 || size > kLargestIcon) {
    std::fprintf(stderr, "%s: the size must be a whole number from 1 to %d\n", argv[0],
                 kLargestIcon);
    return 2;
  }

  // Rendering goes to an image in memory: no display is needed.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  QSvgRenderer renderer(input);
  if (!renderer.isValid()) {
    std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
    return 1;
  }
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(0, 0, size, size));
  }
  if (!image.save(output, "PNG")) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
    return 1;
  }
  return 0;
}
