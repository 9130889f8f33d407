#include "parlorarun.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace parlora::testing {
namespace {

class Panels : public WindowTest {
protected:
    bool shown(const char *panelName)
    {
        auto *panel = run.find<QWidget>(panelName);
        return panel->isVisible() && run.window().rect().contains(QRect(panel->mapTo(&run.window(), QPoint()), panel->size()));
    }
    QString picture(const char *button) { return run.find<QPushButton>(button)->property("picture").toString(); }
};

TEST_F(Panels, MenuToolbarButtonAndShortcutOpenAndCloseEachPanelAloneOrTogether)
{
    const struct {
        const char *panel, *menu, *tool, *button, *openPicture, *closedPicture;
        Qt::Key shortcut;
        bool (MainWindow::*open)() const;
    } panels[] = {
        {"frm1", "menuDizionarioPersonale", "tbDizionario", "cmdDiz", "picLeft", "picRight", Qt::Key_P,
         &MainWindow::personalPanelOpen},
        {"frakeyb", "menuTastiera", "tbTastierino", "cmdTast", "picUp", "picDown", Qt::Key_T, &MainWindow::keypadOpen},
    };
    const QSize closed = run.window().size();
    QSize openSize[2];
    for (const auto &p : panels) {
        SCOPED_TRACE(p.panel);
        const std::function<void()> starters[] = {
            [&] { run.trigger(p.menu); },
            [&] { run.action(p.tool)->trigger(); },
            [&] { run.pressKey("txtParola", p.shortcut, Qt::ControlModifier); },
            [&] { run.click(p.button); },
            [&] { run.click(p.button); },
        };
        bool open = false;
        for (const auto &start : starters) {
            start();
            open = !open;
            EXPECT_EQ((run.window().*p.open)(), open);
            EXPECT_EQ(shown(p.panel), open);
            EXPECT_EQ(run.action(p.menu)->isChecked(), open);
            EXPECT_EQ(run.action(p.tool)->isChecked(), open);
            EXPECT_EQ(picture(p.button), QString::fromLatin1(open ? p.openPicture : p.closedPicture));
        }
        // Each ends open; its button handed the focus back to the input field.
        openSize[&p - panels] = run.window().size();
        EXPECT_TRUE(run.field("txtParola")->hasFocus());
    }
    // The dictionary's menu exists only while its panel is open.
    EXPECT_TRUE(run.find<QMenu>("menuDizionario")->menuAction()->isVisible());
    run.trigger("menuDizionarioPersonale");
    EXPECT_FALSE(run.find<QMenu>("menuDizionario")->menuAction()->isVisible());

    // The panels are independent: the dictionary widens, the keypad lengthens,
    // and closing one gives its room back.
    const QSize wide = openSize[0], both = openSize[1], tall = run.window().size();
    EXPECT_GT(wide.width(), closed.width());
    EXPECT_EQ(wide.height(), closed.height());
    EXPECT_EQ(both, QSize(wide.width(), tall.height()));
    EXPECT_GT(tall.height(), closed.height());
    EXPECT_EQ(tall.width(), closed.width());
    EXPECT_TRUE(shown("frakeyb"));
    EXPECT_FALSE(shown("frm1"));
}

// On a small screen the window once ran off its right and bottom edges.
TEST_F(Panels, OpeningThePanelsNeverPushesTheWindowOffTheScreen)
{
    const QRect screen = run.window().screen()->availableGeometry();
    run.window().move(screen.right() - run.window().frameGeometry().width() + 1,
                      screen.bottom() - run.window().frameGeometry().height() + 1);
    run.trigger("menuDizionarioPersonale");
    run.trigger("menuTastiera");
    EXPECT_TRUE(screen.contains(run.window().frameGeometry()))
        << "window " << run.window().frameGeometry().x() << "," << run.window().frameGeometry().y() << " "
        << run.window().frameGeometry().width() << "x" << run.window().frameGeometry().height();
    EXPECT_TRUE(shown("frm1") && shown("frakeyb"));
}

// Every control keeps a place of its own at any size the window can take:
// nothing shrinks to nothing, nothing lies outside the window, no caption is
// narrower than its text.
TEST_F(Panels, AResizeKeepsEveryControlVisible)
{
    run.trigger("menuDizionarioPersonale");
    run.trigger("menuTastiera");
    const QSize screen = run.window().screen()->availableGeometry().size();
    const QList<QSize> sizes{QSize(1, 1), run.window().size(), screen};
    const char *controls[] = {"lblParola1", "lblLingua1", "cmdTraduz", "lblParola2", "lblLingua2", "txtParola",
                              "lstTraduzioni", "lstSimili", "Text1", "cmdTast", "cmdDiz", "lblParola3",
                              "lblLingua3", "txtParolaIta", "lblParola4", "lblLingua4", "txtParolaLin", "Picture1",
                              "lstDicPer", "lblStatus"};
    for (const QSize &size : sizes) {
        SCOPED_TRACE(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString());
        run.window().resize(size);
        QCoreApplication::processEvents();
        const QRect window = run.window().rect();
        for (const char *name : controls) {
            auto *control = run.find<QWidget>(name);
            const QRect place(control->mapTo(&run.window(), QPoint()), control->size());
            EXPECT_TRUE(control->isVisible()) << name;
            EXPECT_TRUE(window.contains(place)) << name;
            EXPECT_GE(control->height(), control->minimumSizeHint().height()) << name;
            if (auto *label = qobject_cast<QLabel *>(control); label && !label->wordWrap()) {
                EXPECT_GE(label->width(), label->sizeHint().width()) << name << " cuts its caption";
            }
        }
    }
    // The lists and the result text take the room a larger window gives.
    run.window().resize(run.window().minimumSize());
    QCoreApplication::processEvents();
    const QSize smallText = run.find<QWidget>("Text1")->size();
    run.window().resize(screen);
    QCoreApplication::processEvents();
    EXPECT_GT(run.find<QWidget>("Text1")->width(), smallText.width());
    EXPECT_GT(run.find<QWidget>("Text1")->height(), smallText.height());
}

TEST_F(Panels, ClearFieldsEmptiesThePanelFieldsOnlyWhileOpen)
{
    run.field("txtParolaIta")->setText(QStringLiteral("kept"));
    run.field("txtParolaLin")->setText(QStringLiteral("too"));
    run.translate(QStringLiteral("cane"));
    run.trigger("menuPulisci");
    EXPECT_TRUE(run.field("txtParola")->text().isEmpty());
    EXPECT_TRUE(run.lines("lstTraduzioni").isEmpty());
    EXPECT_TRUE(run.find<QPlainTextEdit>("Text1")->toPlainText().isEmpty());
    EXPECT_EQ(run.field("txtParolaIta")->text(), QStringLiteral("kept"));
    EXPECT_EQ(run.field("txtParolaLin")->text(), QStringLiteral("too"));

    run.trigger("menuDizionarioPersonale");
    run.trigger("menuPulisci");
    EXPECT_TRUE(run.field("txtParolaIta")->text().isEmpty());
    EXPECT_TRUE(run.field("txtParolaLin")->text().isEmpty());
    EXPECT_TRUE(run.window().personalPanelOpen());
}

// The keypad's keys, left to right and top to bottom.
QList<QPushButton *> keys(ParloraRun &run)
{
    QList<QPushButton *> found = run.window().findChildren<QPushButton *>(QStringLiteral("cmdTastoEsp"));
    std::sort(found.begin(), found.end(), [](const QPushButton *a, const QPushButton *b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    return found;
}

TEST_F(Panels, EachKeypadKeyTypesItsOwnLetter)
{
    run.trigger("menuTastiera");
    run.focus("txtParola");
    for (QPushButton *key : keys(run))
        QTest::mouseClick(key, Qt::LeftButton);
    EXPECT_EQ(run.field("txtParola")->text(), QStringLiteral("àáâãèéêçñìíùúûòóõô"));
    EXPECT_TRUE(run.field("txtParola")->hasFocus());
}

TEST_F(Panels, KeypadTypesIntoTheLastTextField)
{
    run.trigger("menuTastiera");
    const QList<QPushButton *> keypad = keys(run);
    ASSERT_EQ(keypad.size(), 18);

    // A selection is replaced, even after the focus moved on to a list.
    run.trigger("menuDizionarioPersonale");
    run.typeInto("txtParolaIta", QStringLiteral("ragazzo"));
    run.field("txtParolaIta")->setSelection(2, 3);
    run.focus("lstDicPer");
    QTest::mouseClick(keypad[7], Qt::LeftButton);
    EXPECT_EQ(run.field("txtParolaIta")->text(), QStringLiteral("ra\u00e7zo"));
    EXPECT_TRUE(run.field("txtParolaIta")->hasFocus());
    EXPECT_EQ(run.field("txtParolaIta")->cursorPosition(), 3);

    // Before any text field had the focus, a key types into the translation
    // field of the personal dictionary.
    run.session.lastTextField = LastTextField::None;
    QTest::mouseClick(keypad[3], Qt::LeftButton);
    EXPECT_EQ(run.field("txtParolaLin")->text(), QStringLiteral("\u00e3"));
}

} // namespace
} // namespace parlora::testing
