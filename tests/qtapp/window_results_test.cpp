// Results everyone can read, hear and check: reached by the keyboard, never cut, announced after
// a Calc, each Calc button and list naming its formula, and the link exposed as a link.

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>

#include "layout/window_model.h"
#include "qtapp/result_label.h"
#include "window/formulas.h"
#include "window_fixture.h"

namespace tallies::testing {
namespace {

using WindowResults = WindowTest;

TEST_F(WindowResults, TheTabKeyReachesEveryResultAtItsPlace) {
  show();
  const auto order = MainWindowFocusOrder();
  int reached = 0;
  for (std::size_t i = 1; i < order.size(); ++i) {
    if (order[i]->kind != ControlKind::kResult) continue;
    reveal(order[i]->name);
    QWidget* before = window().control(order[i - 1]->name);
    ASSERT_TRUE(before->isVisible()) << order[i - 1]->name;
    before->setFocus(Qt::TabFocusReason);
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), window().control(order[i]->name))
        << order[i]->name << ": Tab went to "
        << QApplication::focusWidget()->objectName().toStdString();
    ++reached;
  }
  EXPECT_EQ(reached, 17);
}

// The longest text each kind of result can receive: a Single with sign and exponent, a Double
// with sign, 15 digits and a three-digit exponent, and a gauge's stored thickness.
TEST_F(WindowResults, TheLongestResultsKeepSignWholeDigitsAndExponent) {
  show();
  const std::map<std::string_view, QString> longest{
      {"lblHP", "-3.402823E+38"},
      {"lblArea", "-3.402823E+38"},
      {"lblForce", "-3.402823E+38"},
      {"lblCylSpeed", "-3.402823E+38"},
      {"lblVelocity", "-3.402823E+38"},
      {"lblTorqueTor", "-3.402823E+38"},
      {"lblForceAng", "-3.402823E+38"},
      {"lblGPMpump", "-3.402823E+38"},
      {"lblCIR", "-3.402823E+38"},
      {"lblCelsius1", "-1.79769313486232E+308"},
      {"lblFahrenheit1", "-1.79769313486232E+308"},
      {"lblKelvin1", "-1.79769313486232E+308"},
      {"lblFahrenheit2", "-1.79769313486232E+308"},
      {"lblKelvin2", "-1.79769313486232E+308"},
      {"lblCelsius2", "-1.79769313486232E+308"},
      {"lblSteelGauge", "0.2391"},
      {"lblWireGauge", "0.5801"},
  };
  for (const auto& [name, text] : longest) {
    reveal(name);
    auto* label = window().control<ResultLabel>(name);
    ASSERT_NE(label, nullptr) << name;
    window().SetCaption(name, text.toStdString());
    const QString shown = label->text();
    const QString whole = text.left(text.indexOf('.'));
    const QString exponent = text.contains('E') ? text.mid(text.indexOf('E')) : QString();
    EXPECT_TRUE(shown.startsWith(whole)) << name << ": " << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(exponent)) << name << ": " << shown.toStdString();
    EXPECT_LE(QFontMetricsF(label->font()).horizontalAdvance(shown), label->contentsRect().width())
        << name << ": " << shown.toStdString();
    EXPECT_GE(label->font().pointSizeF(), 6.5) << name;
    // The result itself is whole wherever it is read.
    EXPECT_EQ(text, QString::fromStdString(window().Text(name))) << name;
    EXPECT_EQ(label->toolTip(), text) << name;
    EXPECT_EQ(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Value), text);
    label->setFocus(Qt::TabFocusReason);
    QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text) << name;
  }
  // A short result is drawn whole at the window's size.
  window().SetCaption("lblHP", "8.751458");
  EXPECT_EQ(window().control<ResultLabel>("lblHP")->text(), QStringLiteral("8.751458"));
  EXPECT_EQ(window().control<ResultLabel>("lblHP")->font().pointSizeF(),
            window().font().pointSizeF());
}

// The 1 °F case the window once cut short silently: drawn smaller, it keeps more digits, and
// marks those it cannot show.
TEST_F(WindowResults, OneFahrenheitMarksWhatItCannotShow) {
  show();
  reveal("Command28");
  type("txtFahrenheit1", "1");
  click("Command28");
  auto* label = window().control<ResultLabel>("lblCelsius1");
  const QString full = QStringLiteral("-17.2222222222222");
  EXPECT_EQ(label->result(), full);
  const QString shown = label->text();
  EXPECT_TRUE(shown == full || (shown.endsWith(QChar(0x2026)) && full.startsWith(shown.chopped(1))))
      << shown.toStdString();
  EXPECT_GT(shown.size(), QStringLiteral("-17.2222222222").size()) << shown.toStdString();
}

// Enter on a focused Calc: the button's description, which a screen reader speaks when the
// focused object's description changes, names the new result before the formula. Qt sends one
// change event per description written, and the window writes it once per Calc.
TEST_F(WindowResults, EnterOnCalcPutsTheNewResultsInTheButtonsDescription) {
  show();
  type("txtGPM", "10");
  type("txtPSI", "1500");
  QPushButton* calc = window().control<QPushButton>("cmdHP");
  calc->setFocus(Qt::TabFocusReason);
  QTest::keyClick(calc, Qt::Key_Return);
  QAccessibleInterface* button = QAccessible::queryAccessibleInterface(calc);
  EXPECT_EQ(button->text(QAccessible::Description),
            QStringLiteral(
                "Horsepower Required 8.751458 hp. Horsepower = gallons per minute × PSI ÷ 1714"));
  type("txtGPM", "20");
  QTest::keyClick(calc, Qt::Key_Return);
  EXPECT_TRUE(
      button->text(QAccessible::Description).startsWith("Horsepower Required 17.50292 hp. "));
  // A fault is reported by its own message; the description stays as it was.
  reveal("cmdSpeed");
  QPushButton* speed = window().control<QPushButton>("cmdSpeed");
  const QString before = speed->accessibleDescription();
  click("cmdSpeed");  // 0 ÷ 0
  EXPECT_EQ(messages().messages().size(), 1u);
  EXPECT_EQ(speed->accessibleDescription(), before);
}

TEST_F(WindowResults, EveryCalcButtonAndListNamesItsFormula) {
  int named = 0;
  for (QWidget* widget : window().controls()) {
    if (!qobject_cast<QPushButton*>(widget) && !qobject_cast<QComboBox*>(widget)) continue;
    const std::string name = widget->objectName().toStdString();
    const QString formula = QString::fromStdString(FormulaOf(name));
    if (name == "cmdAbout" || name == "cboUnits" || name == "cmdHistory") continue;  // no formula
    EXPECT_FALSE(formula.isEmpty()) << name;
    EXPECT_EQ(widget->toolTip(), formula) << name;
    EXPECT_EQ(widget->accessibleDescription(), formula) << name;
    ++named;
  }
  EXPECT_EQ(named, 42);
}

TEST_F(WindowResults, TheLinkIsALink) {
  QAccessibleInterface* link = QAccessible::queryAccessibleInterface(window().control("Label3"));
  ASSERT_NE(link, nullptr);
  EXPECT_EQ(link->role(), QAccessible::Link);
  EXPECT_EQ(link->text(QAccessible::Name), QStringLiteral("Go to Tallies Home"));
}

}  // namespace
}  // namespace tallies::testing
