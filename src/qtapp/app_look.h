#pragma once

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QIcon>

#include "layout/control_layout.h"
#include "layout/text_contrast.h"

class QApplication;
class QPalette;
class QWidget;

namespace tallies {

// A designed colour as Qt's.
inline QColor ToQColor(Rgb colour) { return {colour.red, colour.green, colour.blue}; }

// The face every control but the link label uses: a narrow sans at 8 points,
// in which every caption of the window fits its rectangle.
QFont ControlFont();
// The link label's face: bold and underlined, at 8.25 points.
QFont LinkFont();

// The colour of a background kind in the given palette (button face, tooltip).
QColor BackgroundColor(Background background, const QPalette& palette);
// The colour of text on a background kind: the palette's own text colour for
// that background when it is readable there, else black or white. A designed
// background (the grey, the light yellow) keeps its colour on a dark desktop,
// so its text cannot simply be the desktop's.
QColor TextColorOn(Background background, const QPalette& palette);
// Gives a control its background kind and the text colour that goes with it.
void SetColours(QWidget* widget, Background background, const QPalette& palette);

// The pressure-gauge icon, drawn from its vector artwork at every usual size.
QIcon ApplicationIcon();
// The program's own pointing hand, hot spot at the fingertip (9, 3).
QCursor PointingHandCursor();

// One look on every desktop: the Fusion style, whose metrics the window's
// fixed layout was checked against, and the control font.
void ApplyApplicationLook(QApplication& app);

}  // namespace tallies
