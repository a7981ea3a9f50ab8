// The metric captions as data: each belongs to a field, list or result that has a caption
// label, each control has one, controls sharing a label share its text, and every other
// control keeps its designed caption in metric units.

#include "layout/metric_captions.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "layout/window_model.h"

namespace tallies {
namespace {

TEST(MetricCaptions, EachNamesACaptionedControlOnce) {
  std::set<std::string_view> controls;
  std::map<std::string_view, std::string_view> byLabel;
  for (const MetricCaption& caption : MetricCaptions()) {
    SCOPED_TRACE(std::string(caption.control));
    EXPECT_TRUE(controls.insert(caption.control).second) << "twice";
    EXPECT_FALSE(caption.text.empty());
    const std::string_view label = CaptionOf(caption.control);
    ASSERT_FALSE(label.empty());
    const auto [at, added] = byLabel.emplace(label, caption.text);
    if (!added) {
      EXPECT_EQ(at->second, caption.text) << label << " shows one text";
    }
    EXPECT_EQ(CaptionTextOf(caption.control, UnitSystem::kMetric), caption.text);
    EXPECT_EQ(CaptionTextOf(caption.control, UnitSystem::kUS), CaptionTextOf(caption.control));
  }
  // The 29 hydraulic fields and results, the two gauge lists and their labels.
  EXPECT_EQ(controls.size(), 29u + 4u);
  EXPECT_EQ(CaptionTextOf("txtin1", UnitSystem::kMetric), CaptionTextOf("txtin1"));
  EXPECT_EQ(CaptionTextOf("cmdHP", UnitSystem::kMetric), "");
}

}  // namespace
}  // namespace tallies
