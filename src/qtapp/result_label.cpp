#include "qtapp/result_label.h"

#include <QAccessibleWidget>
#include <QClipboard>
#include <QEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>

#include "layout/result_presentation.h"

namespace tallies {
namespace {

// A result as assistive technology sees it: named by its caption, its value the whole result
// however it is drawn.
class ResultAccessible : public QAccessibleWidget {
 public:
  explicit ResultAccessible(ResultLabel* label)
      : QAccessibleWidget(label, QAccessible::StaticText) {}

  QString text(QAccessible::Text kind) const override {
    const auto* label = static_cast<const ResultLabel*>(widget());
    const ResultAccessibility told =
        AccessibilityOfResult(label->objectName().toStdString(), label->result().toStdString());
    if (kind == QAccessible::Name) return QString::fromStdString(told.name);
    if (kind == QAccessible::Value) return QString::fromStdString(told.value);
    return QAccessibleWidget::text(kind);
  }
};

QAccessibleInterface* AccessibleResultLabel(const QString& className, QObject* object) {
  if (className != QLatin1String(ResultLabel::staticMetaObject.className())) return nullptr;
  auto* label = qobject_cast<ResultLabel*>(object);
  return label ? new ResultAccessible(label) : nullptr;
}

}  // namespace

ResultLabel::ResultLabel(const QString& decimalSeparator, QWidget* parent)
    : QLabel(parent), m_decimalSeparator(decimalSeparator) {
  setTextFormat(Qt::PlainText);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  // Reached by the Tab key at the result's place in the keyboard order, and by a click.
  setFocusPolicy(Qt::StrongFocus);
  static const bool installed = [] {
    QAccessible::installFactory(&AccessibleResultLabel);
    return true;
  }();
  (void)installed;
}

void ResultLabel::setResult(const QString& result) {
  m_result = result;
  setToolTip(result);
  fit();
}

void ResultLabel::fit() {
  if (m_fitting) return;
  m_fitting = true;
  // A text written through QLabel's own call is the result as well.
  if (text() != m_shown) m_result = text();
  // The window's face at its own size, as set on the label's parent.
  QFont font = parentWidget() ? parentWidget()->font() : QLabel::font();
  const FittedResult fitted = FitResult(
      m_result.toStdString(), m_decimalSeparator.toStdString(), contentsRect().width(),
      [&font](std::string_view text, double points) {
        QFont face = font;
        face.setPointSizeF(points);
        return QFontMetricsF(face).horizontalAdvance(QString::fromUtf8(text.data(), text.size()));
      },
      font.pointSizeF());
  font.setPointSizeF(fitted.points);
  const QString shown = QString::fromStdString(fitted.shown);
  setFont(font);
  QLabel::setText(shown);
  m_shown = shown;
  m_fitting = false;
}

void ResultLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  fit();
}

void ResultLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::ParentChange) fit();
}

void ResultLabel::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    const std::string copied(
        CopiedText(m_result.toStdString(), text().toStdString(), selectedText().toStdString()));
    if (!copied.empty()) QGuiApplication::clipboard()->setText(QString::fromStdString(copied));
    event->accept();
    return;
  }
  QLabel::keyPressEvent(event);
}

void ResultLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  // A dotted frame just inside the label, in the text's own colour.
  QPainter painter(this);
  QPen pen(palette().color(foregroundRole()));
  pen.setStyle(Qt::DotLine);
  painter.setPen(pen);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace tallies
