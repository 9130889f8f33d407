#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace parlora::controlstyle {

// The window's colours and fonts, shared by its panels.
inline const QColor LightRed(255, 192, 192);
inline const QColor LightGreen(192, 255, 192);
inline const QColor LanguageBlue(0, 0, 255);

// A rectangle given in twips, in device-independent pixels.
QRect twipsRect(int left, int top, int width, int height);
// The colour behind a text field's or a list's text.
void setBackground(QWidget *widget, const QColor &colour);
// A label with its objectName; language names are shown in blue.
QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry, bool blue = false);
// A heading that ends where its place ends but may reach left as far as
// leftmostX, so that a longer caption from a language file (for example
// "Palavra" where "Parola" stood) is not cut off before the language label.
QLabel *makeHeadingLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
                         int leftmostX);
// The window's base font: a sans-serif face with Arial's metrics where there
// is one, else the desktop's own.
QFont windowFont(const QFont &desktopFont);
// The bold font of the fields the user types into.
QFont fieldFont(const QFont &base);

} // namespace parlora::controlstyle
