#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hydraulic/angle_gear_pump_buttons.h"
#include "hydraulic_test_support.h"

// The force at an angle over a table of angles, with texts worked out apart from
// the program: the radians (angle / 180) * 3.14159265358979 in Double, their
// sine to 4000 bits rounded once to a Double, then narrowed to Single, times the
// force, narrowed again and written with 7 significant digits. Every build
// must show these texts to the last digit, whatever its C library's sine.

namespace tallies::testing {
namespace {

struct AngleCase {
  std::string force, angle, shown;
};

// A total force of 1000 and of 1 (the latter shows the narrowed sine itself).
const std::vector<AngleCase>& AngleTable() {
  static const std::vector<AngleCase> cases{
      {"1000", "0", "0"},
      {"1", "0", "0"},
      {"1000", "15", "258.819"},
      {"1", "15", "0.258819"},
      {"1000", "30", "500"},
      {"1", "30", "0.5"},
      {"1000", "45", "707.1068"},
      {"1", "45", "0.7071068"},
      {"1000", "60", "866.0254"},
      {"1", "60", "0.8660254"},
      {"1000", "75", "965.9258"},
      {"1", "75", "0.9659258"},
      {"1000", "90", "1000"},
      {"1", "90", "1"},
      {"1000", "105", "965.9258"},
      {"1", "105", "0.9659258"},
      {"1000", "120", "866.0254"},
      {"1", "120", "0.8660254"},
      {"1000", "135", "707.1068"},
      {"1", "135", "0.7071068"},
      {"1000", "150", "500"},
      {"1", "150", "0.5"},
      {"1000", "165", "258.819"},
      {"1", "165", "0.258819"},
      {"1000", "180", "3.231089E-12"},
      {"1", "180", "3.231089E-15"},
      {"1000", "195", "-258.819"},
      {"1", "195", "-0.258819"},
      {"1000", "210", "-500"},
      {"1", "210", "-0.5"},
      {"1000", "225", "-707.1068"},
      {"1", "225", "-0.7071068"},
      {"1000", "240", "-866.0254"},
      {"1", "240", "-0.8660254"},
      {"1000", "255", "-965.9258"},
      {"1", "255", "-0.9659258"},
      {"1000", "270", "-1000"},
      {"1", "270", "-1"},
      {"1000", "285", "-965.9258"},
      {"1", "285", "-0.9659258"},
      {"1000", "300", "-866.0254"},
      {"1", "300", "-0.8660254"},
      {"1000", "315", "-707.1068"},
      {"1", "315", "-0.7071068"},
      {"1000", "330", "-500"},
      {"1", "330", "-0.5"},
      {"1000", "345", "-258.819"},
      {"1", "345", "-0.258819"},
      {"1000", "360", "-6.462178E-12"},
      {"1", "360", "-6.462178E-15"},
      {"1000", "1", "17.45241"},
      {"1", "1", "0.01745241"},
      {"1000", "89", "999.8477"},
      {"1", "89", "0.9998477"},
      {"1000", "91", "999.8477"},
      {"1", "91", "0.9998477"},
      {"1000", "179", "17.45241"},
      {"1", "179", "0.01745241"},
      {"1000", "181", "-17.45241"},
      {"1", "181", "-0.01745241"},
      {"1000", "359", "-17.45241"},
      {"1", "359", "-0.01745241"},
      {"1000", "-1", "-17.45241"},
      {"1", "-1", "-0.01745241"},
      {"1000", "-15", "-258.819"},
      {"1", "-15", "-0.258819"},
      {"1000", "-30", "-500"},
      {"1", "-30", "-0.5"},
      {"1000", "-45", "-707.1068"},
      {"1", "-45", "-0.7071068"},
      {"1000", "-60", "-866.0254"},
      {"1", "-60", "-0.8660254"},
      {"1000", "-89", "-999.8477"},
      {"1", "-89", "-0.9998477"},
      {"1000", "-90", "-1000"},
      {"1", "-90", "-1"},
      {"1000", "-91", "-999.8477"},
      {"1", "-91", "-0.9998477"},
      {"1000", "-120", "-866.0254"},
      {"1", "-120", "-0.8660254"},
      {"1000", "-179", "-17.45241"},
      {"1", "-179", "-0.01745241"},
      {"1000", "-180", "-3.231089E-12"},
      {"1", "-180", "-3.231089E-15"},
      {"1000", "-181", "17.45241"},
      {"1", "-181", "0.01745241"},
      {"1000", "-270", "1000"},
      {"1", "-270", "1"},
      {"1000", "-359", "17.45241"},
      {"1", "-359", "0.01745241"},
      {"1000", "-360", "6.462178E-12"},
      {"1", "-360", "6.462178E-15"},
      {"1000", "22.5", "382.6834"},
      {"1", "22.5", "0.3826834"},
      {"1000", "0.001", "0.01745329"},
      {"1", "0.001", "1.745329E-05"},
      {"1000", "1E-300", "0"},
      {"1", "1E-300", "0"},
      {"1000", "-1E-300", "0"},
      {"1", "-1E-300", "0"},
      {"1000", "720", "-1.292436E-11"},
      {"1", "720", "-1.292436E-14"},
      {"1000", "-720", "1.292436E-11"},
      {"1", "-720", "1.292436E-14"},
      {"1000", "1080", "-1.849836E-11"},
      {"1", "1080", "-1.849836E-14"},
      {"1000", "3600", "-6.639814E-11"},
      {"1", "3600", "-6.639814E-14"},
      {"1000", "36000", "-6.781923E-10"},
      {"1", "36000", "-6.781923E-13"},
      {"1000", "1E5", "-984.8077"},
      {"1", "1E5", "-0.9848077"},
      {"1000", "123456789", "-156.4345"},
      {"1", "123456789", "-0.1564345"},
      {"1000", "1E10", "-984.8078"},
      {"1", "1E10", "-0.9848078"},
      {"1000", "1E15", "-987.84"},
      {"1", "1E15", "-0.9878399"},
      {"1000", "1E20", "999.4722"},
      {"1", "1E20", "0.9994721"},
      {"1000", "1E22", "-361.4482"},
      {"1", "1E22", "-0.3614482"},
      {"1000", "-1E22", "361.4482"},
      {"1", "-1E22", "0.3614482"},
      {"1000", "1E100", "-434.7687"},
      {"1", "1E100", "-0.4347687"},
      {"1000", "1E200", "-270.0276"},
      {"1", "1E200", "-0.2700276"},
      {"1000", "1E300", "-757.3901"},
      {"1", "1E300", "-0.7573901"},
      {"1000", "-1E300", "757.3901"},
      {"1", "-1E300", "0.7573901"},
      {"1000", "1.7E308", "-129.3349"},
      {"1", "1.7E308", "-0.1293349"},
      {"2500", "60", "2165.063"},
  };
  return cases;
}

TEST(ForceAtAngleTable, ShowsTheSameDigitsOnEveryBuild) {
  for (const auto& c : AngleTable()) {
    SCOPED_TRACE(c.force + " lbs. at " + c.angle + " degrees");
    auto form = FormWith({{"txtTotalForce", c.force}, {"txtAngleAng", c.angle}});
    ASSERT_EQ(Click(&cmdForceAngle_Click, form), std::nullopt);
    ASSERT_EQ(form.writes().size(), 1u);
    EXPECT_EQ(form.writes()[0].control, "lblForceAng");
    EXPECT_EQ(form.writes()[0].kind, WriteKind::kCaption);
    EXPECT_EQ(form.writes()[0].text, c.shown);
  }
}

// The worked examples among the table's rows, kept apart so that a change to
// the table cannot lose them.
TEST(ForceAtAngleTable, HoldsTheWorkedExamples) {
  auto shown = [](const std::string& force, const std::string& angle) {
    for (const auto& c : AngleTable()) {
      if (c.force == force && c.angle == angle) return c.shown;
    }
    return std::string("(missing)");
  };
  EXPECT_EQ(shown("1000", "180"), "3.231089E-12");
  EXPECT_EQ(shown("1000", "30"), "500");
  EXPECT_EQ(shown("1000", "90"), "1000");
  EXPECT_EQ(shown("1000", "0"), "0");
  EXPECT_EQ(shown("1000", "45"), "707.1068");
  EXPECT_EQ(shown("2500", "60"), "2165.063");
  EXPECT_EQ(shown("1000", "120"), shown("1000", "60"));
  EXPECT_EQ(shown("1000", "-30"), "-500");
}

// An angle beyond the Double range is an overflow when it is read, so the sine
// never sees an infinity; the label keeps its text.
TEST(ForceAtAngleTable, AngleBeyondTheDoubleRangeIsAnOverflow) {
  for (const std::string angle : {"1E400", "-1E400"}) {
    SCOPED_TRACE(angle);
    auto form = FormWith({{"txtTotalForce", "1000"}, {"txtAngleAng", angle}});
    PutOldText(form, {"lblForceAng"});
    EXPECT_EQ(Click(&cmdForceAngle_Click, form), FaultKind::kOverflow);
    EXPECT_TRUE(form.writes().empty());
    EXPECT_EQ(form.Get("lblForceAng"), kOldText);
  }
}

}  // namespace
}  // namespace tallies::testing
