#include "parlorarun.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

namespace parlora::testing {
namespace {

class Panels : public WindowTest {
protected:
    bool shown(const char *panelName)
    {
        auto *panel = run.find<QWidget>(panelName);
        return panel->isVisible() && run.window().centralWidget()->rect().contains(panel->geometry());
    }
    QString picture(const char *button) { return run.find<QPushButton>(button)->property("picture").toString(); }
};

TEST_F(Panels, MenuToolbarAndButtonOpenAndCloseEachPanelAloneOrTogether)
{
    const struct {
        const char *panel, *menu, *tool, *button, *openPicture, *closedPicture;
        bool (MainWindow::*open)() const;
    } panels[] = {
        {"frm1", "menuDizionarioPersonale", "tbDizionario", "cmdDiz", "picLeft", "picRight",
         &MainWindow::personalPanelOpen},
        {"frakeyb", "menuTastiera", "tbTastierino", "cmdTast", "picUp", "picDown", &MainWindow::keypadOpen},
    };
    const QSize closed = run.window().size();
    QSize openSize[2];
    for (const auto &p : panels) {
        SCOPED_TRACE(p.panel);
        const std::function<void()> starters[] = {
            [&] { run.trigger(p.menu); },
            [&] { run.action(p.tool)->trigger(); },
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

    // The panels are independent: the dictionary widens, the keypad lengthens.
    const QSize wide = openSize[0], both = openSize[1], tall = run.window().size();
    EXPECT_GT(wide.width(), closed.width());
    EXPECT_EQ(wide.height(), closed.height());
    EXPECT_EQ(both, QSize(wide.width(), tall.height()));
    EXPECT_GT(tall.height(), closed.height());
    EXPECT_EQ(tall.width(), closed.width());
    EXPECT_TRUE(shown("frakeyb"));
    EXPECT_FALSE(shown("frm1"));
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

// The keypad's key with the given index.
QPushButton *key(ParloraRun &run, int index)
{
    for (QPushButton *button : run.window().findChildren<QPushButton *>(QStringLiteral("cmdTastoEsp")))
        if (button->property("index").toInt() == index)
            return button;
    ADD_FAILURE() << "no key " << index;
    return nullptr;
}

TEST_F(Panels, KeypadTypesIntoTheLastTextField)
{
    run.trigger("menuTastiera");
    EXPECT_EQ(run.window().findChildren<QPushButton *>(QStringLiteral("cmdTastoEsp")).size(), 18);

    // Right after start-up the input field is the last text field.
    run.typeInto("txtParola", QStringLiteral("c"));
    QTest::mouseClick(key(run, 3), Qt::LeftButton);
    EXPECT_EQ(run.field("txtParola")->text(), QStringLiteral("c\u00e3"));
    EXPECT_TRUE(run.field("txtParola")->hasFocus());

    // A selection is replaced, even after the focus moved on to a list.
    run.trigger("menuDizionarioPersonale");
    run.typeInto("txtParolaIta", QStringLiteral("ragazzo"));
    run.field("txtParolaIta")->setSelection(2, 3);
    run.focus("lstDicPer");
    QTest::mouseClick(key(run, 7), Qt::LeftButton);
    EXPECT_EQ(run.field("txtParolaIta")->text(), QStringLiteral("ra\u00e7zo"));
    EXPECT_TRUE(run.field("txtParolaIta")->hasFocus());
    EXPECT_EQ(run.field("txtParolaIta")->cursorPosition(), 3);

    // Before any text field had the focus, a key types into the translation
    // field of the personal dictionary.
    run.session.lastTextField = LastTextField::None;
    QTest::mouseClick(key(run, 3), Qt::LeftButton);
    EXPECT_EQ(run.field("txtParolaLin")->text(), QStringLiteral("\u00e3"));
}

} // namespace
} // namespace parlora::testing
