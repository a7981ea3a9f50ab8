// The metric captions in the real window: each fits the rectangle of the caption label that
// shows it, in the label's own font (Liberation Sans Narrow, 8 pt), measured as the window
// layout test measures the designed captions.

#include "layout/metric_captions.h"

#include <QFontMetrics>
#include <QLabel>

#include "layout/window_model.h"
#include "window_fixture.h"

namespace tallies::testing {
namespace {

using MetricCaptionFit = WindowTest;

TEST_F(MetricCaptionFit, EveryMetricCaptionFitsItsCaptionRectangle) {
  int checked = 0;
  for (const MetricCaption& caption : MetricCaptions()) {
    const std::string_view name = CaptionOf(caption.control);
    auto* label = window().control<QLabel>(name);
    ASSERT_NE(label, nullptr) << caption.control;
    const QFontMetrics metrics(label->font());
    const QString text = QString::fromUtf8(caption.text.data(), caption.text.size());
    const QRect box = label->contentsRect();
    int width = 0;
    if (label->wordWrap()) {
      const QRect needed =
          metrics.boundingRect(QRect(0, 0, box.width(), 10000), Qt::TextWordWrap, text);
      EXPECT_LE(needed.height(), box.height()) << caption.control;
      width = needed.width();
    } else {
      width = metrics.horizontalAdvance(text);
      EXPECT_LE(metrics.height(), box.height()) << caption.control;
    }
    EXPECT_LE(width, box.width()) << caption.control << " \"" << caption.text << "\"";
    // Kept in the test report (--gtest_output=xml): how much room each caption leaves.
    RecordProperty(std::string(caption.control),
                   std::to_string(width) + " of " + std::to_string(box.width()) + " px");
    ++checked;
  }
  EXPECT_EQ(checked, static_cast<int>(MetricCaptions().size()));
}

}  // namespace
}  // namespace tallies::testing
