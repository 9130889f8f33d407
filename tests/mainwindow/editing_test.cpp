#include "parlorarun.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace parlora::testing {
namespace {

class Editing : public ::testing::Test {
protected:
    void setClipboard(const QString &text) { QGuiApplication::clipboard()->setText(text); }

    TestFolder folder;
    ParloraRun run{folder.path()};
};

TEST_F(Editing, CutAndPasteWorkOnTheWholeField)
{
    run.typeInto("txtParola", QStringLiteral("buon giorno"));
    run.field("txtParola")->setSelection(5, 6);
    run.trigger("menuTaglia");
    EXPECT_EQ(run.clipboard(), QStringLiteral("buon giorno"));
    EXPECT_TRUE(run.field("txtParola")->text().isEmpty());

    run.trigger("menuDizionarioPersonale");
    run.typeInto("txtParolaIta", QStringLiteral("vecchio"));
    run.field("txtParolaIta")->setSelection(0, 2);
    setClipboard(QStringLiteral("nuovo"));
    run.find<QAction>("tbPaste")->trigger();
    EXPECT_EQ(run.field("txtParolaIta")->text(), QStringLiteral("nuovo"));

    setClipboard(QString());
    run.trigger("menuIncolla");
    EXPECT_TRUE(run.field("txtParolaIta")->text().isEmpty());
}

TEST_F(Editing, CopyTakesTheSelectedLineOfAList)
{
    run.typeInto("txtParola", QStringLiteral("c\u00e3o"));
    run.pressKey("txtParola", Qt::Key_Return);
    run.focus("lstTraduzioni");
    setClipboard(QStringLiteral("before"));
    run.trigger("menuCopia1");
    // No line selected: an empty text.
    EXPECT_EQ(run.clipboard(), QString());

    run.list("lstTraduzioni")->setCurrentRow(0);
    run.find<QAction>("tbCopy")->trigger();
    EXPECT_EQ(run.clipboard(), QStringLiteral("c\u00e3o --> cane"));
}

TEST_F(Editing, CutAndPasteFollowTheTextFieldsFocus)
{
    const auto editingEnabled = [&] {
        const bool menus = run.action("menuTaglia")->isEnabled();
        EXPECT_EQ(run.action("menuIncolla")->isEnabled(), menus);
        EXPECT_EQ(run.find<QAction>("tbCut")->isEnabled(), menus);
        EXPECT_EQ(run.find<QAction>("tbPaste")->isEnabled(), menus);
        EXPECT_TRUE(run.action("menuCopia1")->isEnabled());
        return menus;
    };
    EXPECT_TRUE(editingEnabled());
    run.focus("Text1");
    EXPECT_FALSE(editingEnabled());
    EXPECT_EQ(run.statusText(), messageText(QStringLiteral("pt"), 16));

    run.trigger("menuDizionarioPersonale");
    run.focus("txtParolaIta");
    EXPECT_TRUE(editingEnabled());
    EXPECT_EQ(run.statusText(), messageText(QStringLiteral("pt"), 17));
    run.focus("lstDicPer");
    EXPECT_FALSE(editingEnabled());
    EXPECT_EQ(run.session.lastTextField, LastTextField::PersonalWord);
    EXPECT_EQ(run.statusText(), messageText(QStringLiteral("pt"), 19));
}

TEST_F(Editing, SimilarWordsHintFollowsTheOption)
{
    run.focus("lstSimili");
    EXPECT_EQ(run.statusText(), messageText(QStringLiteral("pt"), 13));
    run.focus("txtParola");
    run.session.settings.SimilarWordSearch = false;
    run.focus("lstSimili");
    EXPECT_EQ(run.statusText(), messageText(QStringLiteral("pt"), 20));
}

TEST_F(Editing, RightClicksOpenTheirPopupMenus)
{
    run.trigger("menuDizionarioPersonale");
    const struct {
        const char *control;
        const char *menu;
    } cases[] = {{"Text1", "menuPopup"}, {"lstTraduzioni", "menuPopup"}, {"lstSimili", "menuPopup2"},
                 {"lstDicPer", "menuDizionario2"}};
    for (const auto &c : cases) {
        auto *area = run.find<QAbstractScrollArea>(c.control);
        ASSERT_NE(area, nullptr) << c.control;
        QTest::mouseClick(area->viewport(), Qt::RightButton, {}, QPoint(10, 10));
        auto *menu = run.find<QMenu>(c.menu);
        EXPECT_TRUE(menu->isVisible()) << c.control;
        menu->hide();
    }
    // The list that was right-clicked has the focus, so its delete items work.
    EXPECT_TRUE(run.action("menuCancella2")->isEnabled());
}

} // namespace
} // namespace parlora::testing
