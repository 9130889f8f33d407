#include "artwork/controlstyle.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPalette>
#include <QWidget>

#include <cmath>

namespace parlora::controlstyle {

namespace {

// The sizes the windows were designed with, relative to their 8.25-point
// base font.
constexpr qreal FieldFontScale = 9.75 / 8.25;
constexpr qreal KeyFontScale = 13.5 / 8.25;
constexpr qreal ProminentFontScale = 9.75 / 8.25;

struct TintColours {
    QColor light; // under a light theme
    QColor dark;  // the same hue under a dark theme
};

// Backgrounds for the tints with a background of their own, text colours
// for the others.
TintColours tintColours(Tint tint)
{
    switch (tint) {
    case Tint::Input: return {QColor(255, 192, 192), QColor(92, 40, 40)};
    case Tint::Results: return {QColor(192, 255, 192), QColor(30, 76, 30)};
    case Tint::Note: return {QColor(255, 255, 225), QColor(74, 68, 30)};
    case Tint::LanguageName: return {QColor(0, 0, 255), QColor(138, 180, 255)};
    case Tint::ProductName: return {QColor(0, 0, 192), QColor(157, 184, 255)};
    case Tint::Link: return {QColor(0, 0, 255), QColor(138, 180, 255)};
    case Tint::Plain: break;
    }
    return {};
}

bool hasOwnBackground(Tint tint)
{
    return tint == Tint::Input || tint == Tint::Results || tint == Tint::Note || tint == Tint::Plain;
}

double relativeLuminance(const QColor &colour)
{
    const auto channel = [](qreal value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

bool isDark(const QColor &background)
{
    return relativeLuminance(background) < 0.18;
}

// The first of the candidates that reads on the background, else black or
// white, whichever reads better.
QColor readableOn(const QColor &background, std::initializer_list<QColor> candidates)
{
    for (const QColor &candidate : candidates) {
        if (contrastRatio(candidate, background) >= MinimumContrast)
            return candidate;
    }
    const QColor black(Qt::black), white(Qt::white);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}


// A desktop font may be given in points or in pixels.
QFont scaledFont(const QFont &desktopFont, qreal factor, bool bold)
{
    QFont font = desktopFont;
    font.setBold(bold);
    if (desktopFont.pointSizeF() > 0)
        font.setPointSizeF(desktopFont.pointSizeF() * factor);
    else
        font.setPixelSize(qRound(desktopFont.pixelSize() * factor));
    return font;
}

void setPair(QWidget *control, Tint tint)
{
    // The desktop's palette for this kind of control, which the program
    // never changes itself.
    const ColourPair pair = colours(tint, QApplication::palette(control));
    QPalette palette = control->palette();
    if (hasOwnBackground(tint)) {
        palette.setColor(QPalette::Base, pair.background);
        palette.setColor(QPalette::Text, pair.foreground);
    } else {
        palette.setColor(QPalette::WindowText, pair.foreground);
        palette.setColor(QPalette::Text, pair.foreground);
    }
    control->setPalette(palette);
}

// Where a control keeps its tint.
constexpr const char *TintProperty = "parloraTint";

// Keeps a control's tint in step with the desktop: a switch between a light
// and a dark theme arrives as a new application palette, announced to the
// control's window (not to a control whose palette the program has set).
class TintFollower : public QObject {
public:
    explicit TintFollower(QWidget *control) : QObject(control), m_control(control)
    {
        control->window()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ApplicationPaletteChange)
            setPair(m_control, Tint(m_control->property(TintProperty).toInt()));
        return false;
    }

private:
    QWidget *m_control;
};

} // namespace

double contrastRatio(const QColor &first, const QColor &second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

ColourPair colours(Tint tint, const QPalette &palette)
{
    const TintColours tintColour = tintColours(tint);
    if (tint == Tint::Plain) {
        const QColor window = palette.color(QPalette::Window);
        return {window, readableOn(window, {palette.color(QPalette::WindowText)})};
    }
    if (hasOwnBackground(tint)) {
        const QColor base = palette.color(QPalette::Base);
        const bool dark = isDark(base);
        QColor background = dark ? tintColour.dark : tintColour.light;
        // The tool-tip colours are the desktop's own note colours; they are
        // taken when the theme's pair reads well and suits its darkness.
        if (tint == Tint::Note) {
            const QColor themed = palette.color(QPalette::ToolTipBase);
            const QColor themedText = palette.color(QPalette::ToolTipText);
            if (isDark(themed) == dark && contrastRatio(themed, themedText) >= MinimumContrast)
                return {themed, themedText};
        }
        return {background, readableOn(background, {palette.color(QPalette::Text)})};
    }
    const QColor window = palette.color(QPalette::Window);
    const QColor wanted = isDark(window) ? tintColour.dark : tintColour.light;
    const QColor themedLink = palette.color(QPalette::Link);
    if (tint == Tint::Link)
        return {window, readableOn(window, {themedLink, wanted, palette.color(QPalette::WindowText)})};
    return {window, readableOn(window, {wanted, palette.color(QPalette::WindowText)})};
}

void applyTint(QWidget *control, Tint tint)
{
    const bool followed = control->property(TintProperty).isValid();
    control->setProperty(TintProperty, int(tint));
    setPair(control, tint);
    if (!followed)
        new TintFollower(control);
}

QLabel *makeCaptionLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QFont fieldFont(const QFont &desktopFont)
{
    return scaledFont(desktopFont, FieldFontScale, true);
}

QFont keyFont(const QFont &desktopFont)
{
    return scaledFont(desktopFont, KeyFontScale, true);
}

QFont prominentFont(const QFont &desktopFont, bool bold, bool italic)
{
    QFont font = scaledFont(desktopFont, ProminentFontScale, bold);
    font.setItalic(italic);
    return font;
}

} // namespace parlora::controlstyle
