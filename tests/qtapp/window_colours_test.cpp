// Every text of the main window stays readable (WCAG contrast of at least
// 4.5:1 against what it is drawn on) on a light, a dark and a clashing desktop
// palette, and the designed backgrounds keep their colours on each.

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "qtapp/gauge_list.h"
#include "qtapp/tab_row.h"
#include "qtapp/tab_set.h"
#include "readability.h"
#include "window_fixture.h"

namespace tallies::testing {
namespace {

// The desktop's palette is set before the window is built, as a desktop theme
// gives it to the program at start.
class WindowColours : public ::testing::TestWithParam<NamedPalette> {
 protected:
  void SetUp() override {
    m_saved = QApplication::palette();
    QApplication::setPalette(GetParam().palette());
    m_window = std::make_unique<frmMain>(m_messages, QLocale::c());
  }
  void TearDown() override {
    m_window.reset();
    QApplication::setPalette(m_saved);
  }

  frmMain& window() { return *m_window; }

  // Checks one text colour on its background; counts the checks.
  void expectReadable(const QColor& text, const QColor& background, const QWidget* widget,
                      const char* what) {
    ++m_checked;
    EXPECT_GE(Wcag(text, background), kReadable)
        << GetParam().name << ": " << widget->objectName().toStdString() << " " << what << " "
        << text.name().toStdString() << " on " << background.name().toStdString();
  }

  // The palette-given colours of every text a control shows.
  void expectControlReadable(QWidget* widget) {
    const QPalette& p = widget->palette();
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
      expectReadable(p.color(QPalette::Text), p.color(QPalette::Base), widget, "list text");
      expectReadable(p.color(QPalette::ButtonText), p.color(QPalette::Button), widget, "list face");
      const QPalette view = list->view()->palette();
      expectReadable(view.color(QPalette::Text), view.color(QPalette::Base), widget, "drop-down");
      expectReadable(view.color(QPalette::HighlightedText), view.color(QPalette::Highlight), widget,
                     "drop-down choice");
    } else if (qobject_cast<QLineEdit*>(widget)) {
      expectReadable(p.color(QPalette::Text), p.color(QPalette::Base), widget, "field text");
      expectReadable(p.color(QPalette::HighlightedText), p.color(QPalette::Highlight), widget,
                     "field selection");
    } else if (qobject_cast<QPushButton*>(widget)) {
      expectReadable(p.color(QPalette::ButtonText), p.color(QPalette::Button), widget, "button");
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
      expectReadable(p.color(label->foregroundRole()), ShownBackground(label), widget, "caption");
      if (label->textInteractionFlags() & Qt::TextSelectableByMouse) {
        expectReadable(p.color(QPalette::HighlightedText), p.color(QPalette::Highlight), widget,
                       "selection");
      }
    } else if (qobject_cast<QRadioButton*>(widget)) {
      expectReadable(p.color(widget->foregroundRole()), ShownBackground(widget), widget, "option");
    } else if (auto* set = qobject_cast<TabSet*>(widget)) {
      for (TabRow* row : set->rows()) {
        // The style fills the tabs; judge the caption against what it drew.
        const QImage drawn = row->grab().toImage();
        for (int i = 0; i < row->count(); ++i) {
          const QColor fill = MostFrequentColour(drawn, row->tabRect(i));
          expectReadable(row->captionColor(), fill, row, "tab caption");
          expectReadable(StrongestColour(drawn, row->captionRect(i), fill), fill, row,
                         "drawn tab caption");
        }
      }
    }
  }

  int m_checked = 0;

 private:
  QPalette m_saved;
  RecordingMessageBox m_messages;
  std::unique_ptr<frmMain> m_window;
};

TEST_P(WindowColours, EveryControlsTextIsReadableOnItsBackground) {
  window().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
  for (QWidget* widget : window().controls()) expectControlReadable(widget);
  // 76 fields at two checks, 41 buttons, 120 labels, 17 results' selection,
  // 2 options, 2 lists at four and 16 tabs at two; the units list at four and its caption;
  // the History button.
  EXPECT_EQ(m_checked, 76 * 2 + 41 + 120 + 17 + 2 + 2 * 4 + 16 * 2 + 4 + 1 + 1);
}

// What is drawn, not only what the palette says: every caption, result,
// field and button with a text, drawn and read back pixel by pixel.
TEST_P(WindowColours, DrawnTextsStandOutFromTheirBackgrounds) {
  window().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
  int drawn = 0;
  for (QWidget* widget : window().controls()) {
    QRect textArea;
    if (auto* field = qobject_cast<QLineEdit*>(widget)) {
      field->setText(QStringLiteral("8.751458"));
      textArea = field->rect().adjusted(3, 3, -3, -3);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
      if (label->text().isEmpty()) label->setText(QStringLiteral("8.751458"));
      textArea = label->contentsRect();
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
      QStyleOptionButton option;
      option.initFrom(button);
      textArea = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    } else if (auto* option = qobject_cast<QRadioButton*>(widget)) {
      QStyleOptionButton style;
      style.initFrom(option);
      textArea = option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
    } else {
      continue;
    }
    const QImage image = widget->grab().toImage();
    const QColor background = MostFrequentColour(image, textArea);
    expectReadable(StrongestColour(image, textArea, background), background, widget, "drawn");
    ++drawn;
  }
  // fields, buttons, labels, options, the units list's caption and the History button
  EXPECT_EQ(drawn, 76 + 41 + 120 + 2 + 1 + 1);
}

TEST_P(WindowColours, DesignedBackgroundsKeepTheirColours) {
  const QColor grey(224, 224, 224);
  const QColor yellow(255, 255, 192);
  const QPalette desktop = QApplication::palette();
  auto background = [&](const char* name) {
    QWidget* w = window().control(name);
    EXPECT_TRUE(w->autoFillBackground()) << name;
    return w->palette().color(w->backgroundRole());
  };
  EXPECT_EQ(window().palette().color(QPalette::Window), grey);
  for (const char* name : {"lblHP", "lblCIR", "lblCelsius2", "lblSteelGauge"}) {
    EXPECT_EQ(background(name), yellow) << name;
  }
  for (const char* name :
       {"Label4", "Label10", "optHyd", "optGen", "Label3", "SSTabHyd", "SSTabGen"}) {
    EXPECT_EQ(background(name), grey) << name;
  }
  EXPECT_EQ(background("lblHPREQ"), desktop.color(QPalette::ToolTipBase));
  for (const char* name : {"Label8", "Label40", "SSTab1"}) {
    EXPECT_EQ(background(name), desktop.color(QPalette::Button)) << name;
  }
  // The link keeps its black caption.
  EXPECT_EQ(window().control("Label3")->palette().color(QPalette::WindowText), QColor(Qt::black));
}

INSTANTIATE_TEST_SUITE_P(Desktops, WindowColours, ::testing::ValuesIn(kDesktopPalettes),
                         [](const auto& info) { return std::string(info.param.name); });

// A desktop that turns dark while the program runs.
TEST(WindowColoursSwitch, StayReadableWhenTheDesktopTurnsDark) {
  const QPalette saved = QApplication::palette();
  QApplication::setPalette(LightDesktopPalette());
  RecordingMessageBox messages;
  frmMain window(messages, QLocale::c());
  QApplication::setPalette(DarkDesktopPalette());
  int checked = 0;
  for (QWidget* widget : window.controls()) {
    auto* label = qobject_cast<QLabel*>(widget);
    if (!label) continue;
    const QColor text = label->palette().color(label->foregroundRole());
    EXPECT_GE(Wcag(text, ShownBackground(label)), kReadable) << label->objectName().toStdString();
    ++checked;
  }
  EXPECT_EQ(checked, 121);  // the design's 120 labels and the units list's caption
  // The button-face captions take the dark desktop's button colour.
  EXPECT_EQ(window.control("Label8")->palette().color(QPalette::Window),
            DarkDesktopPalette().color(QPalette::Button));
  QApplication::setPalette(saved);
}

}  // namespace
}  // namespace tallies::testing
