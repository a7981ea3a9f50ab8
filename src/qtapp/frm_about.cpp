#include "qtapp/frm_about.h"

#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QFile>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QRect>

#include "about/about_texts.h"
#include "about/start_sys_info.h"
#include "layout/about_layout.h"
#include "qtapp/app_look.h"
#include "qtapp/native_platform.h"
#include "qtapp/qt_convert.h"
#include "qtapp/readable_palette.h"
#include "window/window_bindings.h"

namespace tallies {

namespace {

// A horizontal line of the separator.
void MakeLine(QWidget* parent, const AboutLine& design) {
  auto* line = new QWidget(parent);
  line->setObjectName(ToQString(design.name));
  line->setGeometry(TwipsToPixels(design.x1), TwipsToPixels(design.y),
                    TwipsToPixels(design.x2) - TwipsToPixels(design.x1), design.thickness);
  QPalette palette = line->palette();
  palette.setColor(QPalette::Window, QColor(design.red, design.green, design.blue));
  line->setPalette(palette);
  line->setAutoFillBackground(true);
}

// The picture at its own size, drawn from its vector artwork.
QPixmap PictureOf(const ControlRow& row) {
  const QString resource = QStringLiteral(":/") + ToQString(DesignOf(row.picture).file);
  if (!QFile::exists(resource)) return {};
  return QIcon(resource).pixmap(kAboutIconPixels, kAboutIconPixels);
}

}  // namespace

frmAbout::frmAbout() { BuildControls(); }

frmAbout::frmAbout(const SysInfoPlatform& platform) : m_platform(platform) { BuildControls(); }

void frmAbout::BuildControls() {
  setObjectName(ToQString(kAboutBoxName));
  // A dialog frame with a title and close box only: no minimise or maximise box. The box has no
  // owner and is a normal top-level dialog, so it stays open when the main window closes, and the
  // program ends only when it is closed too.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_QuitOnClose);
  setModal(false);
  setFixedSize(TwipsToPixels(kAboutClientWidth), TwipsToPixels(kAboutClientHeight));
  setFont(ControlFont());
  setWindowTitle(ToQString(kAboutInitialCaption));
  applyColours();

  for (const ControlRow& row : AboutControls()) {
    QWidget* widget = nullptr;
    if (row.kind == ControlKind::kButton) {
      auto* button = new QPushButton(ToQString(InitialText(row)), this);
      const Action action = ActionOf(row.name).action;
      // Enter presses OK; Esc closes the box as OK does (the dialog's own cancel key).
      button->setDefault(action == Action::kCloseBox);
      connect(button, &QPushButton::clicked, this, [this, action] { Act(action); });
      widget = button;
    } else if (row.kind == ControlKind::kPicture) {
      auto* picture = new QLabel(this);
      picture->setPixmap(PictureOf(row));
      widget = picture;
    } else {
      auto* label = new QLabel(ToQString(InitialText(row)), this);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      label->setWordWrap(WrapsText(row));
      widget = label;
    }
    widget->setObjectName(ToQString(row.name));
    widget->setGeometry(ToPixels(row));
    // The picture box sizes itself to its picture.
    if (row.kind == ControlKind::kPicture) widget->resize(kAboutIconPixels, kAboutIconPixels);
  }
  for (const AboutLine& line : AboutLines()) MakeLine(this, line);

  QWidget* previous = nullptr;
  for (const ControlRow* row : AboutFocusOrder()) {
    QWidget* widget = findChild<QWidget*>(ToQString(row->name));
    if (previous) {
      setTabOrder(previous, widget);
    } else {
      widget->setFocus();
    }
    previous = widget;
  }

  // Loading replaces the window definition's texts before the box is first drawn.
  Form_Load();
}

// The box takes the desktop's colours, each text colour readable on its
// background even where the desktop theme's own pair is not.
void frmAbout::applyColours() { setPalette(ReadablePalette(QApplication::palette())); }

void frmAbout::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ApplicationPaletteChange) applyColours();
  QDialog::changeEvent(event);
}

void frmAbout::Form_Load() {
  setWindowTitle(ToQString(AboutLoadedCaption()));
  for (const ControlText& text : AboutLoadedTexts()) {
    if (auto* label = findChild<QLabel*>(ToQString(text.control)))
      label->setText(ToQString(text.text));
  }
}

void frmAbout::Act(Action action) {
  if (action == Action::kCloseBox) close();
  if (action == Action::kStartSysInfo) cmdSysInfo_Click();
}

void frmAbout::cmdSysInfo_Click() {
  // Nothing may escape into the event loop; the launcher reports its own failures.
  try {
    if (m_platform) {
      StartSysInfo(*m_platform);
    } else {
      NativePlatform platform(this);
      StartSysInfo(platform.SysInfo());
    }
  } catch (...) {
  }
}

}  // namespace tallies
