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
#include <stdexcept>

#include "about/about_texts.h"
#include "qtapp/native_platform.h"
#include "about/start_sys_info.h"
#include "config/app_config.h"
#include "layout/about_layout.h"
#include "qtapp/readable_palette.h"

namespace tallies {

namespace {

// The application icon, shown at its own size.
constexpr const char* kIconResource = ":/icons/tallies.svg";
constexpr int kIconSize = kAboutIconPixels;

// The window's font, shared with the main window.
constexpr const char* kFontFamily = "Liberation Sans Narrow";
constexpr int kFontPointSize = 8;

int Pixels(int twips) { return TwipsToPixels(twips); }

QRect TwipsRect(const ControlRow& row) {
  const PixelRect place = TwipsToPixels(row.left, row.top, row.width, row.height);
  return {place.left, place.top, place.width, place.height};
}

const ControlRow& Row(std::string_view name) {
  for (const ControlRow& row : AboutControls()) {
    if (row.name == name) return row;
  }
  throw std::logic_error("no such control in the About box");
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* MakeLabel(QWidget* parent, std::string_view name, const QString& text, bool wrapped) {
  const ControlRow& row = Row(name);
  auto* label = new QLabel(text.isEmpty() ? Text(row.text) : text, parent);
  label->setObjectName(Text(row.name));
  label->setGeometry(TwipsRect(row));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(wrapped);
  return label;
}

// A horizontal line of the separator.
void MakeLine(QWidget* parent, const AboutLine& design) {
  auto* line = new QWidget(parent);
  line->setObjectName(Text(design.name));
  line->setGeometry(Pixels(design.x1), Pixels(design.y), Pixels(design.x2) - Pixels(design.x1),
                    design.thickness);
  QPalette palette = line->palette();
  palette.setColor(QPalette::Window, QColor(design.red, design.green, design.blue));
  line->setPalette(palette);
  line->setAutoFillBackground(true);
}

QPixmap AppIcon() {
  if (!QFile::exists(QString::fromLatin1(kIconResource))) {
    return {};
  }
  return QIcon(QString::fromLatin1(kIconResource)).pixmap(kIconSize, kIconSize);
}

}  // namespace

frmAbout::frmAbout() { BuildControls(); }

frmAbout::frmAbout(const SysInfoPlatform& platform) : m_platform(platform) { BuildControls(); }

void frmAbout::BuildControls() {
  setObjectName(QStringLiteral("frmAbout"));
  // A dialog frame with a title and close box only: no minimise or maximise box. The box has no
  // owner and is a normal top-level dialog, so it stays open when the main window closes, and the
  // program ends only when it is closed too.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_QuitOnClose);
  setModal(false);
  setFixedSize(Pixels(kAboutClientWidth), Pixels(kAboutClientHeight));
  setFont(QFont(QString::fromLatin1(kFontFamily), kFontPointSize));
  setWindowTitle(Text(kAboutInitialCaption));
  applyColours();

  auto* picIcon = new QLabel(this);
  picIcon->setObjectName(QStringLiteral("picIcon"));
  // The picture box sizes itself to its picture.
  const ControlRow& iconRow = Row("picIcon");
  picIcon->setGeometry(Pixels(iconRow.left), Pixels(iconRow.top), kIconSize, kIconSize);
  picIcon->setPixmap(AppIcon());

  m_lblTitle = MakeLabel(this, "lblTitle", Text(kAboutInitialTitle), false);
  m_lblVersion = MakeLabel(this, "lblVersion", Text(kAboutInitialVersion), false);
  MakeLabel(this, "lblDescription", Text(AboutDescriptionText()), true);
  for (const AboutLine& line : AboutLines()) MakeLine(this, line);
  MakeLabel(this, "lblDisclaimer", Text(AboutDisclaimerText()), true);

  const ControlRow& okRow = Row("cmdOK");
  m_cmdOK = new QPushButton(Text(okRow.text), this);
  m_cmdOK->setObjectName(Text(okRow.name));
  m_cmdOK->setGeometry(TwipsRect(okRow));
  // Enter presses OK; Esc closes the box as OK does (the dialog's own cancel key).
  m_cmdOK->setDefault(true);
  const ControlRow& sysInfoRow = Row("cmdSysInfo");
  m_cmdSysInfo = new QPushButton(Text(sysInfoRow.text), this);
  m_cmdSysInfo->setObjectName(Text(sysInfoRow.name));
  m_cmdSysInfo->setGeometry(TwipsRect(sysInfoRow));
  setTabOrder(m_cmdOK, m_cmdSysInfo);
  m_cmdOK->setFocus();

  connect(m_cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
  connect(m_cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

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
  setWindowTitle(Text(AboutCaption()));
  m_lblVersion->setText(Text(AboutVersionText()));
  m_lblTitle->setText(Text(std::string_view(kApplicationTitle)));
}

void frmAbout::cmdOK_Click() { close(); }

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
