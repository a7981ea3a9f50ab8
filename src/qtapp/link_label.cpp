#include "qtapp/link_label.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tallies {
namespace {

// The link label as assistive technology sees it: a link named by its caption, which the
// press action (and the link's own jump action) opens.
class LinkAccessible : public QAccessibleWidget {
 public:
  explicit LinkAccessible(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return static_cast<LinkLabel*>(widget())->text();
    return QAccessibleWidget::text(kind);
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (action == pressAction()) emit static_cast<LinkLabel*>(widget())->clicked();
  }
};

QAccessibleInterface* AccessibleLinkLabel(const QString& className, QObject* object) {
  if (className != QLatin1String(LinkLabel::staticMetaObject.className())) return nullptr;
  auto* link = qobject_cast<LinkLabel*>(object);
  return link ? new LinkAccessible(link) : nullptr;
}

}  // namespace

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setFocusPolicy(Qt::TabFocus);
  static const bool installed = [] {
    QAccessible::installFactory(&AccessibleLinkLabel);
    return true;
  }();
  (void)installed;
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
  m_pressed = event->button() == Qt::LeftButton;
  QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = m_pressed && event->button() == Qt::LeftButton &&
                     rect().contains(event->position().toPoint());
  m_pressed = false;
  QLabel::mouseReleaseEvent(event);
  if (click) emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool opens = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
  if (!opens || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
    QLabel::keyPressEvent(event);
    return;
  }
  event->accept();
  // A held key repeats its press; the link opens once.
  if (!event->isAutoRepeat()) emit clicked();
}

void LinkLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  // A dotted frame in the caption's own colour, drawn whatever the style: some
  // styles draw their focus frame only after a key has moved the focus.
  QPainter painter(this);
  const QRect caption =
      fontMetrics().boundingRect(contentsRect(), static_cast<int>(alignment()), text());
  QPen pen(palette().color(foregroundRole()));
  pen.setStyle(Qt::DotLine);
  painter.setPen(pen);
  painter.drawRect(caption.adjusted(0, 0, 0, -1).intersected(rect().adjusted(0, 0, -1, -1)));
}

}  // namespace tallies
