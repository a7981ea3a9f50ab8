#include "about/qt/frm_about.h"

#include <QColor>
#include <QFile>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QRect>

#include "about/about_texts.h"
#include "about/qt/native_platform.h"
#include "about/start_sys_info.h"
#include "config/app_config.h"

namespace tallies {

namespace {

// Twips per logical pixel.
constexpr int kTwipsPerPixel = 15;

// The client area, in twips.
constexpr int kClientWidthTwips = 5730;
constexpr int kClientHeightTwips = 3555;

// The application icon and the size it is shown at, in pixels.
constexpr const char* kIconResource = ":/icons/tallies.svg";
constexpr int kIconSize = 32;

// The window's font, shared with the main window.
constexpr const char* kFontFamily = "Liberation Sans Narrow";
constexpr int kFontPointSize = 8;

// The etched separator: a grey line and, one pixel lower, a white one two pixels high.
const QColor kSeparatorShadow(128, 128, 128);
const QColor kSeparatorLight(255, 255, 255);

int Pixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

QRect TwipsRect(int left, int top, int width, int height) {
  return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& place,
                  bool wrapped) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(place);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(wrapped);
  return label;
}

// A horizontal line from x1 to x2 at y (twips), thickness in pixels.
void MakeLine(QWidget* parent, const char* name, int x1, int x2, int y, int thickness,
              const QColor& color) {
  auto* line = new QWidget(parent);
  line->setObjectName(QString::fromLatin1(name));
  line->setGeometry(Pixels(x1), Pixels(y), Pixels(x2) - Pixels(x1), thickness);
  QPalette palette = line->palette();
  palette.setColor(QPalette::Window, color);
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
  setFixedSize(Pixels(kClientWidthTwips), Pixels(kClientHeightTwips));
  setFont(QFont(QString::fromLatin1(kFontFamily), kFontPointSize));
  setWindowTitle(Text(kAboutInitialCaption));

  auto* picIcon = new QLabel(this);
  picIcon->setObjectName(QStringLiteral("picIcon"));
  // The picture box sizes itself to its picture.
  picIcon->setGeometry(Pixels(240), Pixels(240), kIconSize, kIconSize);
  picIcon->setPixmap(AppIcon());

  m_lblTitle =
      MakeLabel(this, "lblTitle", Text(kAboutInitialTitle), TwipsRect(1080, 240, 3885, 480), false);
  m_lblVersion = MakeLabel(this, "lblVersion", Text(kAboutInitialVersion),
                           TwipsRect(1050, 780, 3885, 225), false);
  MakeLabel(this, "lblDescription", Text(AboutDescriptionText()), TwipsRect(1080, 1080, 3885, 1170),
            true);
  MakeLine(this, "Line1(1)", 90, 5654, 2445, 1, kSeparatorShadow);
  MakeLine(this, "Line1(0)", 105, 5654, 2460, 2, kSeparatorLight);
  MakeLabel(this, "lblDisclaimer", Text(AboutDisclaimerText()), TwipsRect(240, 2625, 3870, 825),
            true);

  m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
  m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
  m_cmdOK->setGeometry(TwipsRect(4245, 2625, 1260, 345));
  // Enter presses OK; Esc closes the box as OK does (the dialog's own cancel key).
  m_cmdOK->setDefault(true);
  m_cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
  m_cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
  m_cmdSysInfo->setGeometry(TwipsRect(4260, 3075, 1245, 345));
  setTabOrder(m_cmdOK, m_cmdSysInfo);
  m_cmdOK->setFocus();

  connect(m_cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
  connect(m_cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

  // Loading replaces the window definition's texts before the box is first drawn.
  Form_Load();
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
