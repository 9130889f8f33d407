#include "parlorarun.h"

#include "dialogs/aboutwindow.h"
#include "dialogs/optionswindow.h"

#include <QAccessible>
#include <QApplication>
#include <QPalette>
#include <QStyle>

#include <cmath>

namespace parlora::testing {
namespace {

// What a screen reader is told about a widget.
QString accessible(QWidget *widget, QAccessible::Text text)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(text) : QString();
}

bool isControl(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    if (!face)
        return false;
    switch (face->role()) {
    case QAccessible::EditableText:
    case QAccessible::List:
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::ComboBox:
    case QAccessible::ProgressBar:
    case QAccessible::StaticText:
    case QAccessible::Graphic:
    case QAccessible::ButtonMenu:
        return true;
    default:
        return false;
    }
}

// The visible controls of a window that a screen reader would announce as
// nothing.
QStringList unnamedControls(QWidget *window)
{
    QStringList unnamed;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->isVisible() && isControl(widget) && accessible(widget, QAccessible::Name).trimmed().isEmpty())
            unnamed << QStringLiteral("%1 %2").arg(QLatin1String(widget->metaObject()->className()), widget->objectName());
    }
    return unnamed;
}

using Accessibility = WindowTest;

TEST_F(Accessibility, EveryControlOfEveryWindowHasAName)
{
    run.trigger("menuDizionarioPersonale");
    run.trigger("menuTastiera");
    run.trigger("menuConfigurazione");
    run.trigger("menuInfo");
    for (QWidget *window : {static_cast<QWidget *>(&run.window()),
                            static_cast<QWidget *>(&run.windows->optionsWindow()),
                            static_cast<QWidget *>(run.windows->aboutWindow())}) {
        SCOPED_TRACE(window->objectName().toStdString());
        EXPECT_EQ(unnamedControls(window), QStringList());
    }
    // Fields are named after their headings and the language beside them;
    // their tooltips describe them. Both come from the language file.
    EXPECT_EQ(accessible(run.find<QWidget>("txtParola"), QAccessible::Name), QStringLiteral("pt caption 31 (Portugu\u00eas)"));
    EXPECT_EQ(accessible(run.find<QWidget>("txtParola"), QAccessible::Description), QStringLiteral("pt caption 39"));
    EXPECT_EQ(accessible(run.find<QWidget>("txtParolaLin"), QAccessible::Name), QStringLiteral("pt caption 34 (Portugu\u00eas)"));
    EXPECT_EQ(accessible(run.find<QWidget>("lstSimili"), QAccessible::Name), messageText(QStringLiteral("pt"), 49));
}

TEST_F(Accessibility, NamesFollowALanguageSwitch)
{
    run.session.interfaceLanguage.SetInterfaceLanguage(QStringLiteral("English"));
    EXPECT_EQ(accessible(run.find<QWidget>("Text1"), QAccessible::Name), messageText(QStringLiteral("en"), 50));
    EXPECT_EQ(accessible(run.find<QWidget>("cmdDiz"), QAccessible::Name), QStringLiteral("en caption 53"));
    EXPECT_EQ(run.action("tbRecycling")->text(), QStringLiteral("en caption 55")) << "what its button is called";
    EXPECT_EQ(run.action("menuInverti")->text(), messageText(QStringLiteral("en"), 47));
}

// Luminance and contrast as the accessibility guidelines define them,
// worked out here rather than trusted to the program.
double luminance(const QColor &colour)
{
    const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette darkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(49, 54, 59));
    dark.setColor(QPalette::WindowText, QColor(239, 240, 241));
    dark.setColor(QPalette::Base, QColor(35, 38, 41));
    dark.setColor(QPalette::Text, QColor(239, 240, 241));
    dark.setColor(QPalette::Button, QColor(49, 54, 59));
    dark.setColor(QPalette::ButtonText, QColor(239, 240, 241));
    // Many dark themes keep the light yellow notes of the default palette.
    dark.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    dark.setColor(QPalette::ToolTipText, QColor(0, 0, 0));
    dark.setColor(QPalette::Link, QColor(41, 128, 185));
    return dark;
}

// White text on the light green lists once measured 1.15:1 under a dark
// theme. Every coloured control must stay readable, and keep its hue.
TEST_F(Accessibility, ColouredControlsStayReadableUnderLightAndDarkPalettes)
{
    run.trigger("menuDizionarioPersonale");
    const QPalette original = QApplication::palette();
    const struct {
        const char *name;
        QPalette palette;
        bool dark;
    } themes[] = {{"light", QApplication::style()->standardPalette(), false}, {"dark", darkPalette(), true}};
    const struct {
        const char *control;
        QPalette::ColorRole background, text;
        char hue; // the channel that stands out: r, g, b, or 0 for none
    } controls[] = {
        {"txtParola", QPalette::Base, QPalette::Text, 'r'},      {"txtParolaIta", QPalette::Base, QPalette::Text, 'r'},
        {"txtParolaLin", QPalette::Base, QPalette::Text, 'r'},   {"lstTraduzioni", QPalette::Base, QPalette::Text, 'g'},
        {"lstSimili", QPalette::Base, QPalette::Text, 'g'},      {"Text1", QPalette::Base, QPalette::Text, 0},
        {"lstDicPer", QPalette::Base, QPalette::Text, 0},        {"lblLingua1", QPalette::Window, QPalette::WindowText, 'b'},
        {"lblLingua2", QPalette::Window, QPalette::WindowText, 'b'}, {"lblLingua4", QPalette::Window, QPalette::WindowText, 'b'},
    };
    for (const auto &theme : themes) {
        SCOPED_TRACE(theme.name);
        QApplication::setPalette(theme.palette);
        QCoreApplication::processEvents();
        for (const auto &c : controls) {
            SCOPED_TRACE(c.control);
            const QPalette shown = run.find<QWidget>(c.control)->palette();
            const QColor background = shown.color(c.background), text = shown.color(c.text);
            EXPECT_GE(contrast(background, text), 4.5);
            const QColor coloured = c.background == QPalette::Base ? background : text;
            const int standsOut = c.hue == 'r' ? coloured.red() - coloured.green()
                                : c.hue == 'g' ? coloured.green() - coloured.red()
                                : c.hue == 'b' ? coloured.blue() - coloured.red()
                                               : 255;
            EXPECT_GT(standsOut, 20) << "the control keeps its colour";
            EXPECT_TRUE(c.background != QPalette::Base || !theme.dark || luminance(background) < 0.18)
                << "a light box in a dark theme";
        }
    }
    QApplication::setPalette(original);
}

} // namespace
} // namespace parlora::testing
