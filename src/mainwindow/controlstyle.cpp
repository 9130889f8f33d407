#include "mainwindow/controlstyle.h"

#include "platform/twips.h"

#include <QLabel>
#include <QWidget>

#include <algorithm>

namespace parlora::controlstyle {

namespace {
constexpr qreal WindowFontPoints = 8.25;
constexpr qreal FieldFontPoints = 9.75;
} // namespace

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry, bool blue)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    // Captions come from language files: never markup that could load files.
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    if (blue) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, LanguageBlue);
        label->setPalette(palette);
    }
    return label;
}

QLabel *makeHeadingLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
                         int leftmostX)
{
    QRect reach = geometry;
    reach.setLeft(std::min(leftmostX, geometry.left()));
    QLabel *label = makeLabel(parent, name, text, reach);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    return label;
}

QFont windowFont(const QFont &desktopFont)
{
    // The layout was measured with a narrow sans-serif face; a wider one
    // would cut captions at the edges of their places.
    QFont font = desktopFont;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("Arial"), desktopFont.family()});
    font.setPointSizeF(WindowFontPoints);
    return font;
}

QFont fieldFont(const QFont &base)
{
    QFont font = base;
    font.setBold(true);
    font.setPointSizeF(FieldFontPoints);
    return font;
}

} // namespace parlora::controlstyle
