#pragma once

#include <QColor>
#include <QFont>

class QLabel;
class QPalette;
class QString;
class QWidget;

namespace parlora::controlstyle {

// The program's coloured controls. Each comes with a pair of colours, a
// background and a text colour, chosen together so that the text stays
// readable in light and in dark desktop themes.
enum class Tint {
    Input,        // the fields the user types into: light red
    Results,      // the translations and similar-word lists: light green
    Note,         // the result text and the personal list: tool-tip yellow
    LanguageName, // language names on the window background: blue
    ProductName,  // the about window's name and version: dark blue
    Link,         // the about and update windows' links
    Plain,        // a read-only field that reads as part of the window
};

struct ColourPair {
    QColor background;
    QColor foreground;
};

// The least contrast between text and its background that people with
// moderately low vision can read (WCAG level AA for body text).
inline constexpr double MinimumContrast = 4.5;

// The contrast ratio of two colours, from 1 (equal) to 21 (black on white).
double contrastRatio(const QColor &first, const QColor &second);

// The pair of a tint under a palette: the program's own colours under a
// light theme, dark tints of the same hues under a dark one. For the tints
// shown on the window background, the background is the palette's.
ColourPair colours(Tint tint, const QPalette &palette);

// Gives the control its tint, now and again whenever the desktop's palette
// changes.
void applyTint(QWidget *control, Tint tint);

// A label with its objectName for a caption that may come from a language
// file: always shown as plain text, never as markup that could load files.
QLabel *makeCaptionLabel(QWidget *parent, const char *name, const QString &text);

// The fonts follow the desktop's font and size; these keep the proportions
// the windows were designed with (bold fields, large keypad letters).
QFont fieldFont(const QFont &desktopFont);
QFont keyFont(const QFont &desktopFont);
QFont prominentFont(const QFont &desktopFont, bool bold = false, bool italic = false);

} // namespace parlora::controlstyle
