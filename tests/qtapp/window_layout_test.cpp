// The main window as built from its layout tables: invariants of the layout
// (unique names, captions that fit, the keyboard order) and a few controls
// checked against the window design by hand.

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <set>

#include "layout/control_layout.h"
#include "qtapp/link_label.h"
#include "qtapp/svg_picture.h"
#include "qtapp/tab_row.h"
#include "qtapp/tab_set.h"
#include "window_fixture.h"

namespace tallies::testing {
namespace {

std::vector<const ControlRow*> AllRows() {
  std::vector<const ControlRow*> rows;
  for (const ControlRow& row : WindowControls()) rows.push_back(&row);
  for (auto pages : {HydraulicPages(), GeneralPages()}) {
    for (const PageLayout& page : pages) {
      for (const ControlRow& row : page.controls) rows.push_back(&row);
    }
  }
  return rows;
}

using WindowLayout = WindowTest;

TEST_F(WindowLayout, EveryObjectNameIsUniqueInTheWindow) {
  std::set<QString> names;
  for (QWidget* widget : window().controls()) {
    EXPECT_TRUE(names.insert(widget->objectName()).second) << widget->objectName().toStdString();
  }
  EXPECT_EQ(names.size(), AllRows().size());
}

TEST_F(WindowLayout, UsesTheInstalledNarrowFace) {
  auto* label = window().control<QLabel>("Label4");
  EXPECT_EQ(QFontInfo(label->font()).family(), QStringLiteral("Liberation Sans Narrow"));
}

// Every caption is fully visible in its rectangle: one line when the label is
// one line high, wrapped within its width when it is taller.
TEST_F(WindowLayout, EveryCaptionFitsItsRectangle) {
  int checked = 0;
  for (QWidget* widget : window().controls()) {
    const QFontMetrics metrics(widget->font());
    const QString name = widget->objectName();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      if (label->text().isEmpty()) continue;
      const QRect box = label->contentsRect();
      if (label->wordWrap()) {
        const QRect needed =
            metrics.boundingRect(QRect(0, 0, box.width(), 10000), Qt::TextWordWrap, label->text());
        EXPECT_LE(needed.width(), box.width()) << name.toStdString();
        EXPECT_LE(needed.height(), box.height()) << name.toStdString();
      } else {
        EXPECT_LE(metrics.horizontalAdvance(label->text()), box.width()) << name.toStdString();
        EXPECT_LE(metrics.height(), box.height()) << name.toStdString();
      }
      ++checked;
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
      const int margin = 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin);
      EXPECT_LE(metrics.horizontalAdvance(button->text()) + margin, button->width())
          << name.toStdString();
      EXPECT_LE(metrics.height(), button->height()) << name.toStdString();
      ++checked;
    } else if (auto* option = qobject_cast<QRadioButton*>(widget)) {
      const int indicator = option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                            option->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
      EXPECT_LE(indicator + metrics.horizontalAdvance(option->text()), option->width())
          << name.toStdString();
      ++checked;
    } else if (auto* set = qobject_cast<TabSet*>(widget)) {
      for (TabRow* row : set->rows()) {
        const QFontMetrics tabMetrics(row->font());
        for (int i = 0; i < row->count(); ++i) {
          const QRect box = row->captionRect(i);
          const QRect needed = tabMetrics.boundingRect(QRect(0, 0, box.width(), 10000),
                                                       Qt::TextWordWrap, row->tabText(i));
          EXPECT_LE(needed.width(), box.width()) << row->tabText(i).toStdString();
          EXPECT_LE(needed.height(), box.height()) << row->tabText(i).toStdString();
          ++checked;
        }
      }
    }
  }
  EXPECT_GT(checked, 150);
}

TEST_F(WindowLayout, WindowIsFixedAtItsFirstPlace) {
  EXPECT_EQ(window().geometry(), QRect(166, 129, 459, 404));
  EXPECT_EQ(window().minimumSize(), window().maximumSize());
  const Qt::WindowFlags flags = window().windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(window().windowTitle(), QStringLiteral("Tallies Home - Hydraulic Calculations"));
  // The gauge icon is drawn: most of its 32 by 32 pixels are opaque.
  const QImage icon = window().windowIcon().pixmap(QSize(32, 32)).toImage();
  ASSERT_EQ(icon.size(), QSize(32, 32));
  int opaque = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) opaque += qAlpha(icon.pixel(x, y)) > 200;
  }
  EXPECT_GT(opaque, 500);
  EXPECT_EQ(window().palette().color(QPalette::Window), QColor(224, 224, 224));
}

// A few controls read off the window design, pixel = twips / 15.
TEST_F(WindowLayout, ControlsStandWhereTheDesignPutsThem) {
  struct Expected {
    const char* name;
    QRect rect;
    const char* text;
  };
  const Expected cases[] = {
      {"Image1", {-16, 0, 480, 48}, nullptr},
      {"Label3", {152, 56, 145, 17}, "Go to Tallies Home"},
      {"optHyd", {8, 56, 121, 17}, "Hydraulic Tallies"},
      {"optGen", {8, 72, 121, 17}, "General Tallies"},
      {"cmdAbout", {408, 56, 41, 17}, "About"},
      {"SSTabHyd", {8, 104, 443, 292}, nullptr},
      {"SSTabGen", {8, 104, 443, 292}, nullptr},
      {"SSTab1", {64, 80, 313, 201}, nullptr},
      {"lblHPREQ", {16, 170, 193, 17}, "Horsepower Required to Drive a Pump"},
      {"txtGPM", {16, 202, 49, 19}, ""},
      {"cmdHP", {224, 202, 57, 17}, "Calc"},
      {"Label15", {24, 104, 281, 17}, "Cylinder Area  -  Force  -  Speed"},
      {"Label28",
       {32, 112, 153, 57},
       "Effective force of a cylinder working at an angle to direction of the load travel"},
      {"Picture1", {144, 96, 105, 121}, nullptr},
      {"Combo2", {232, 168, 89, 21}, "Select Gauge"},
      {"Label83", {168, 72, 137, 17}, "kg per cubicmeter (kg/cu m)"},
      {"txt11", {336, 96, 57, 19}, ""},
      {"lblCelsius2", {352, 240, 65, 17}, ""},
  };
  for (const Expected& c : cases) {
    QWidget* widget = window().control(c.name);
    ASSERT_NE(widget, nullptr) << c.name;
    EXPECT_EQ(widget->geometry(), c.rect) << c.name;
    if (c.text) {
      QString shown = text(c.name);
      if (auto* button = qobject_cast<QAbstractButton*>(widget)) shown = button->text();
      EXPECT_EQ(shown, QString::fromUtf8(c.text)) << c.name;
    }
  }
}

TEST_F(WindowLayout, TabCaptionsAndRows) {
  struct Expected {
    const char* set;
    QStringList captions;
    int rows;
  };
  const Expected cases[] = {
      {"SSTabHyd",
       {"Pump Horsepower", "Cylinder Area, Force, Speed", "Torque and Horsepower",
        "Oil Velocity in Hose/Pipe", "Torque and Displacement", "Angle/Force Relation",
        "Pump GPM - C.I.R. Disp."},
       2},
      {"SSTabGen",
       {"Length Conversions", "Volume Conversion", "Mass Conversion ", "Area", "Temperature ",
        "Misc Thickness"},
       2},
      {"SSTab1", {"Weight", "Weight Per Length", "Per Volume (Density)"}, 1},
  };
  for (const Expected& c : cases) {
    TabSet* set = window().tabSet(c.set);
    ASSERT_NE(set, nullptr);
    ASSERT_EQ(set->count(), c.captions.size()) << c.set;
    for (int i = 0; i < set->count(); ++i) EXPECT_EQ(set->tabCaption(i), c.captions[i]);
    ASSERT_EQ(static_cast<int>(set->rows().size()), c.rows) << c.set;
    // Five tabs per row in the outer sets, three in the nested one.
    EXPECT_EQ(set->rows().front()->count(), c.rows == 1 ? 3 : 5) << c.set;
    // Every control of a page stands below the tab strip.
    for (int i = 0; i < set->count(); ++i) {
      for (QWidget* child : set->page(i)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_GE(child->y(), set->stripHeight()) << child->objectName().toStdString();
      }
    }
  }
}

TEST_F(WindowLayout, ColoursOfTheKinds) {
  auto background = [&](const char* name) {
    QWidget* w = window().control(name);
    EXPECT_TRUE(w->autoFillBackground()) << name;
    return w->palette().color(w->backgroundRole());
  };
  for (const char* result : {"lblHP", "lblArea", "lblGPMpump", "lblCelsius1", "lblWireGauge"}) {
    EXPECT_EQ(background(result), QColor(255, 255, 192)) << result;
  }
  for (const char* grey : {"Label4", "Label7", "Label10", "optHyd", "optGen", "Label3"}) {
    EXPECT_EQ(background(grey), QColor(224, 224, 224)) << grey;
  }
  EXPECT_EQ(background("lblHPREQ"), window().palette().color(QPalette::ToolTipBase));
  EXPECT_EQ(background("Label8"), window().palette().color(QPalette::Button));
}

TEST_F(WindowLayout, LinkLabelLooksLikeALink) {
  auto* link = window().control<LinkLabel>("Label3");
  ASSERT_NE(link, nullptr);
  EXPECT_TRUE(link->font().bold());
  EXPECT_TRUE(link->font().underline());
  EXPECT_DOUBLE_EQ(link->font().pointSizeF(), 8.25);
  EXPECT_EQ(link->cursor().shape(), Qt::BitmapCursor);
  EXPECT_EQ(link->cursor().hotSpot(), QPoint(9, 3));
  EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(Qt::black));
}

TEST_F(WindowLayout, ArtworkDrawsAtItsOwnSize) {
  struct Expected {
    const char* name;
    QSize natural;
  };
  for (const Expected& c : {Expected{"Picture1", {104, 120}}, Expected{"Picture2", {164, 125}},
                            Expected{"Image1", {1500, 150}}}) {
    auto* picture = window().control<SvgPicture>(c.name);
    ASSERT_NE(picture, nullptr) << c.name;
    EXPECT_TRUE(picture->isValid()) << c.name;
    EXPECT_EQ(picture->naturalSize(), c.natural) << c.name;
  }
  // The illustration is drawn: some pixels of the picture box are dark.
  const QImage drawn = window().control("Picture1")->grab().toImage();
  int dark = 0;
  for (int y = 0; y < drawn.height(); ++y) {
    for (int x = 0; x < drawn.width(); ++x) dark += qGray(drawn.pixel(x, y)) < 64;
  }
  EXPECT_GT(dark, 200);
}

TEST_F(WindowLayout, FieldsAreNamedByTheirCaptions) {
  struct Expected {
    const char* control;
    const char* caption;
  };
  const Expected buddies[] = {
      {"txtGPM", "Gallons Per Minute"},
      {"txtPSI", "PSI"},
      {"txtDIA", "Diameter of Cylinder"},
      {"txtArea2", "Area"},
      {"txtW", "W"},
      {"txtRPMpump", "RPM"},
      {"txtKelvin1", "Kelvin (K)"},
      {"txt11", "liter"},
      {"txtgal1", "gallon U.S. (gal)"},
      {"Combo1", "Sheet Metal Thickness"},
      {"txtkgcum2", "kg per cubicmeter (kg/cu m)"},
  };
  for (const Expected& b : buddies) {
    QWidget* widget = window().control(b.control);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    ASSERT_NE(accessible, nullptr) << b.control;
    // The caption labels the control for assistive technology...
    QStringList labels;
    for (const auto& [other, relation] : accessible->relations(QAccessible::Label)) {
      labels << other->text(QAccessible::Name);
    }
    EXPECT_EQ(labels, QStringList{QString::fromUtf8(b.caption)}) << b.control;
    // ...and names a text field ("Gallons Per Minute, edit"); a list is named
    // by its current text on this platform, its caption coming with the relation.
    if (qobject_cast<QLineEdit*>(widget)) {
      EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf8(b.caption)) << b.control;
      EXPECT_EQ(accessible->role(), QAccessible::EditableText);
    }
  }
  // A result is named by its caption; its value is the whole result.
  const Expected resultNames[] = {
      {"lblHP", "Horsepower Required"},     {"lblCylSpeed", "Cyl. Speed (ft./sec.)"},
      {"lblKelvin1", "Kelvin (K)"},         {"lblFahrenheit2", "Fahrenheit (F)"},
      {"lblGPMpump", "Gallons per Minute"}, {"lblWireGauge", "Wire Gauge Thickness"},
  };
  for (const Expected& d : resultNames) {
    QAccessibleInterface* result =
        QAccessible::queryAccessibleInterface(window().control(d.control));
    EXPECT_EQ(result->text(QAccessible::Name), QString::fromUtf8(d.caption)) << d.control;
  }
  // Every field and list has its caption.
  for (QWidget* widget : window().controls()) {
    if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget)) {
      EXPECT_FALSE(
          QAccessible::queryAccessibleInterface(widget)->relations(QAccessible::Label).isEmpty())
          << widget->objectName().toStdString();
    }
  }
}

}  // namespace
}  // namespace tallies::testing
