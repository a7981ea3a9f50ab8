// The units choice in the real window: the list, the switch, the metric calculators and the
// choice kept between runs.

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QTemporaryDir>
#include <fstream>

#include "qtapp/gauge_list.h"
#include "settings/file_settings_store.h"
#include "window/calculator_catalogue.h"
#include "window/formulas.h"
#include "window_fixture.h"

namespace tallies::testing {
namespace {

class WindowUnits : public WindowTest {
 protected:
  GaugeList* units() { return window().control<GaugeList>("cboUnits"); }
  // Chooses an entry of the units list as the user does.
  void choose(const QString& entry) {
    const int index = units()->findText(entry);
    ASSERT_GE(index, 0) << entry.toStdString();
    units()->setCurrentIndex(index);
    emit units()->activated(index);
  }
};

TEST_F(WindowUnits, TheListIsNamedReachableAndClearOfTheDesign) {
  show();
  ASSERT_NE(units(), nullptr);
  EXPECT_EQ(units()->currentText(), QStringLiteral("US"));
  EXPECT_FALSE(units()->isEditable());
  EXPECT_EQ(units()->accessibleName(), QStringLiteral("Units"));
  EXPECT_EQ(window().control<QLabel>("lblUnits")->buddy(), units());
  const auto& order = window().focusOrder();
  EXPECT_NE(std::find(order.begin(), order.end(), units()), order.end());
  for (QWidget* other : window().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (other == units() || other->objectName() == QStringLiteral("lblUnits") ||
        other->objectName().isEmpty() || !other->isVisible()) {
      continue;
    }
    EXPECT_FALSE(other->geometry().intersects(units()->geometry()))
        << other->objectName().toStdString();
  }
  // Alt+U puts the focus on the list.
  QTest::keyClick(&window(), Qt::Key_U, Qt::AltModifier);
  EXPECT_EQ(QApplication::focusWidget(), units());
}

TEST_F(WindowUnits, SwitchingConvertsATypedFieldAndBack) {
  show();
  type("txtGPM", "10");
  choose("Metric");
  EXPECT_EQ(window().units(), UnitSystem::kMetric);
  EXPECT_EQ(text("txtGPM"), QStringLiteral("37.85412"));
  EXPECT_EQ(window().control<QLabel>("Label4")->text(), QStringLiteral("Litres per Minute"));
  EXPECT_EQ(window().control("cmdHP")->toolTip().toStdString(),
            FormulaOf("cmdHP", UnitSystem::kMetric));
  choose("US");
  EXPECT_EQ(text("txtGPM"), QStringLiteral("10"));
  EXPECT_EQ(window().control<QLabel>("Label4")->text(), QStringLiteral("Gallons Per Minute"));
  EXPECT_EQ(window().control("cmdHP")->toolTip().toStdString(), FormulaOf("cmdHP"));
}

TEST_F(WindowUnits, TypedUnitsInTheUsWindow) {
  show();
  type("txtGPM", "10");
  type("txtPSI", "210 bar");
  click("cmdHP");
  EXPECT_EQ(text("lblHP"), QStringLiteral("17.77008"));
  EXPECT_TRUE(messages().messages().empty());
  // A unit of another quantity: the message, and nothing changes.
  type("txtPSI", "5 mm");
  click("cmdHP");
  EXPECT_EQ(messages().messages().size(), 1u);
  EXPECT_EQ(text("lblHP"), QStringLiteral("17.77008"));
  EXPECT_EQ(text("txtPSI"), QStringLiteral("5 mm"));
  EXPECT_EQ(text("txtGPM"), QStringLiteral("10"));
}

TEST_F(WindowUnits, TheAnnouncementNamesTheUnits) {
  show();
  type("txtGPM", "10");
  type("txtPSI", "1500");
  click("cmdHP");
  EXPECT_TRUE(window().control("cmdHP")->accessibleDescription().startsWith(
      QStringLiteral("Horsepower Required 8.751458 hp. ")));
}

// The catalogue's metric worked examples, typed into the real window with Metric chosen.
class MetricWindowCalculators : public WindowUnits,
                                public ::testing::WithParamInterface<const Calculator*> {};

TEST_P(MetricWindowCalculators, ShowWorkedExamples) {
  const Calculator& calculator = *GetParam();
  show();
  choose("Metric");
  for (const Example& example : calculator.examples) {
    messages().clear();
    reveal(calculator.control);
    for (const auto& [field, value] : example.given) {
      if (field != calculator.control) type(field, QString::fromUtf8(value.data(), value.size()));
    }
    if (calculator.kind == CalculatorKind::kLookup) {
      auto* list = window().control<GaugeList>(calculator.control);
      const int entry = list->findText(QString::fromUtf8(example.given.front().second.data(),
                                                         example.given.front().second.size()));
      ASSERT_GE(entry, 0);
      list->setCurrentIndex(entry);
      emit list->activated(entry);
    } else {
      click(calculator.control);
    }
    for (const auto& [control, value] : example.shown) {
      EXPECT_EQ(text(control).toStdString(), value) << calculator.control << " " << control;
    }
    EXPECT_EQ(messages().messages().empty(), !example.fault) << calculator.control;
  }
}

std::vector<const Calculator*> MetricCalculators() {
  std::vector<const Calculator*> metric;
  for (const Calculator& calculator : CalculatorCatalogue(UnitSystem::kMetric)) {
    if (calculator.units == UnitSystem::kMetric && &calculator != CalculatorOf(calculator.control))
      metric.push_back(&calculator);
  }
  return metric;
}

INSTANTIATE_TEST_SUITE_P(Metric, MetricWindowCalculators, ::testing::ValuesIn(MetricCalculators()),
                         [](const auto& info) { return std::string(info.param->control); });

// The choice is kept: a second window with the same settings folder starts in it; a settings
// file of nonsense starts in US units, digit for digit as without one.
TEST_F(WindowUnits, TheChoiceSurvivesARestart) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  FileSettingsStore store(folder.path().toStdString());
  window().useSettings(store);
  EXPECT_EQ(window().units(), UnitSystem::kUS);
  choose("Metric");

  RecordingMessageBox messages;
  FileSettingsStore again(folder.path().toStdString());
  frmMain second(messages, QLocale::c());
  second.useSettings(again);
  EXPECT_EQ(second.units(), UnitSystem::kMetric);
  EXPECT_EQ(second.control<QComboBox>("cboUnits")->currentText(), QStringLiteral("Metric"));
  EXPECT_EQ(second.control<QLabel>("Label4")->text(), QStringLiteral("Litres per Minute"));

  std::ofstream(again.File(), std::ios::binary | std::ios::trunc) << "\x01units\xff=?\n";
  frmMain third(messages, QLocale::c());
  third.useSettings(again);
  EXPECT_EQ(third.units(), UnitSystem::kUS);
  EXPECT_EQ(third.control<QComboBox>("cboUnits")->currentText(), QStringLiteral("US"));
  EXPECT_EQ(third.control<QLabel>("Label4")->text(), QStringLiteral("Gallons Per Minute"));
}

}  // namespace
}  // namespace tallies::testing
