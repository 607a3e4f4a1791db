#pragma once

#include <QRect>

class QFont;
class QString;
class QWidget;

// Placing windows on the screen and sizing them for its resolution.
namespace tessel {

// The form's rectangle pulled back onto the screen: a left or top edge before the screen's moves to
// it, then a right or bottom edge beyond the screen moves back inside (for a form larger than the
// screen that puts the left or top edge before the screen again, so the right or bottom edge shows).
QRect KeepRectOnScreen(const QRect &form, const QRect &screen);
// The form's rectangle centred on the screen, halves truncated toward zero.
QRect CenterRectOnScreen(const QRect &form, const QRect &screen);

// The same for a window, on the screen it is on (the primary screen when it has none yet).
void KeepFormOnScreen(QWidget *form);
// Nothing happens for a null form.
void CenterFormOnScreen(QWidget *form);

// The primary screen's logical resolution against the 96 dots per inch that design sizes assume;
// 1.0 when it is not known.
double ScaleFactor();

// Switches the font to the family, 2 points larger, when the family is installed and the font is not
// of that family already (compared without regard to case). The larger size keeps the text about as
// wide as before, since these families are narrow for their point size.
void UseFontFamilyIfInstalled(QFont &font, const QString &family);
// The same for Calibri, the help text's font where it is installed.
void UseCalibri(QFont &font);

} // namespace tessel
