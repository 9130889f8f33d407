#include "parlorarun.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace parlora::testing {
namespace {

class Panels : public ::testing::Test {
protected:
    bool shown(const char *panelName)
    {
        const QRect visible = run.window().centralWidget()->rect();
        auto *panel = run.find<QWidget>(panelName);
        return panel->isVisible() && visible.contains(panel->geometry());
    }

    TestFolder folder;
    ParloraRun run{folder.path()};
};

TEST_F(Panels, PersonalPanelStartersAgreeWithEachOther)
{
    const std::function<void()> starters[] = {
        [this] { run.trigger("menuDizionarioPersonale"); },
        [this] { run.find<QAction>("tbDizionario")->trigger(); },
        [this] { run.click("cmdDiz"); },
    };
    bool open = false;
    for (const auto &start : starters) {
        start();
        open = !open;
        EXPECT_EQ(run.window().personalPanelOpen(), open);
        EXPECT_EQ(shown("frm1"), open);
        EXPECT_EQ(run.action("menuDizionarioPersonale")->isChecked(), open);
        EXPECT_EQ(run.find<QAction>("tbDizionario")->isChecked(), open);
        EXPECT_EQ(run.find<QMenu>("menuDizionario")->menuAction()->isVisible(), open);
        EXPECT_EQ(run.find<QPushButton>("cmdDiz")->property("picture").toString(),
                  open ? QStringLiteral("picLeft") : QStringLiteral("picRight"));
    }
    // cmdDiz hands the focus back to the input field.
    EXPECT_TRUE(run.field("txtParola")->hasFocus());
}

TEST_F(Panels, KeypadStartersAgreeAndSizesCombine)
{
    const QSize closed = run.window().size();
    const std::function<void()> starters[] = {
        [this] { run.trigger("menuTastiera"); },
        [this] { run.find<QAction>("tbTastierino")->trigger(); },
        [this] { run.click("cmdTast"); },
    };
    bool open = false;
    for (const auto &start : starters) {
        start();
        open = !open;
        EXPECT_EQ(run.window().keypadOpen(), open);
        EXPECT_EQ(shown("frakeyb"), open);
        EXPECT_EQ(run.action("menuTastiera")->isChecked(), open);
        EXPECT_EQ(run.find<QAction>("tbTastierino")->isChecked(), open);
        EXPECT_EQ(run.find<QPushButton>("cmdTast")->property("picture").toString(),
                  open ? QStringLiteral("picUp") : QStringLiteral("picDown"));
    }
    // cmdTast right after start-up leaves the focus in the input field.
    EXPECT_TRUE(run.field("txtParola")->hasFocus());

    // The two panels are independent: four window sizes.
    run.trigger("menuTastiera");
    EXPECT_EQ(run.window().size(), closed);
    run.trigger("menuDizionarioPersonale");
    const QSize wide = run.window().size();
    run.trigger("menuTastiera");
    const QSize both = run.window().size();
    run.trigger("menuDizionarioPersonale");
    const QSize tall = run.window().size();
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
    run.typeInto("txtParola", QStringLiteral("cane"));
    run.pressKey("txtParola", Qt::Key_Return);
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

TEST_F(Panels, KeypadTypesIntoTheLastTextField)
{
    run.trigger("menuTastiera");
    const QList<QPushButton *> keys = run.window().findChildren<QPushButton *>(QStringLiteral("cmdTastoEsp"));
    ASSERT_EQ(keys.size(), 18);
    const auto key = [&](int index) {
        for (QPushButton *button : keys)
            if (button->property("index").toInt() == index)
                return button;
        return static_cast<QPushButton *>(nullptr);
    };
    EXPECT_EQ(key(3)->text(), QStringLiteral("\u00e3"));
    EXPECT_EQ(key(17)->text(), QStringLiteral("\u00f4"));

    // Right after start-up the input field is the last text field.
    run.typeInto("txtParola", QStringLiteral("c"));
    QTest::mouseClick(key(3), Qt::LeftButton);
    EXPECT_EQ(run.field("txtParola")->text(), QStringLiteral("c\u00e3"));
    EXPECT_TRUE(run.field("txtParola")->hasFocus());

    // A selection is replaced, even after the focus moved on to a list.
    run.trigger("menuDizionarioPersonale");
    run.typeInto("txtParolaIta", QStringLiteral("ragazzo"));
    run.field("txtParolaIta")->setSelection(2, 3);
    run.focus("lstDicPer");
    QTest::mouseClick(key(7), Qt::LeftButton);
    EXPECT_EQ(run.field("txtParolaIta")->text(), QStringLiteral("ra\u00e7zo"));
    EXPECT_TRUE(run.field("txtParolaIta")->hasFocus());
    EXPECT_EQ(run.field("txtParolaIta")->cursorPosition(), 3);
}

TEST(Keypad, BeforeAnyTextFieldTypesIntoTheTranslationField)
{
    TestFolder folder;
    ParloraRun run(folder.path());
    run.session.lastTextField = LastTextField::None;
    run.trigger("menuTastiera");
    const QList<QPushButton *> keys = run.window().findChildren<QPushButton *>(QStringLiteral("cmdTastoEsp"));
    QTest::mouseClick(keys.first(), Qt::LeftButton);
    EXPECT_EQ(run.field("txtParolaLin")->text(), QString(QChar(keys.first()->text().at(0))));
}

} // namespace
} // namespace parlora::testing
