#include "parlorarun.h"

#include <QMenu>

namespace parlora::testing {
namespace {

class Editing : public WindowTest {
protected:
    void setClipboard(const QString &text) { QGuiApplication::clipboard()->setText(text); }
};

TEST_F(Editing, CutAndPasteTakeTheWholeFieldCopyTheSelectedLineOfAList)
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
    run.action("tbPaste")->trigger();
    EXPECT_EQ(run.field("txtParolaIta")->text(), QStringLiteral("nuovo"));
    setClipboard(QString());
    run.trigger("menuIncolla");
    EXPECT_TRUE(run.field("txtParolaIta")->text().isEmpty());

    run.translate(QStringLiteral("c\u00e3o"));
    run.focus("lstTraduzioni");
    setClipboard(QStringLiteral("before"));
    run.trigger("menuCopia1");
    EXPECT_EQ(run.clipboard(), QString()) << "no line selected: an empty text";
    run.list("lstTraduzioni")->setCurrentRow(0);
    run.action("tbCopy")->trigger();
    EXPECT_EQ(run.clipboard(), QStringLiteral("c\u00e3o --> cane"));
}

TEST_F(Editing, FocusSetsTheHintAndWhetherCutAndPasteWork)
{
    run.trigger("menuDizionarioPersonale");
    const struct {
        const char *control;
        int hint;
        bool editing;
    } cases[] = {
        {"txtParola", 14, true},  {"Text1", 16, false},         {"txtParolaLin", 18, true},
        {"txtParolaIta", 17, true}, {"lstDicPer", 19, false}, {"lstTraduzioni", 15, false},
        {"lstSimili", 13, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.control);
        run.focus(c.control);
        EXPECT_EQ(run.statusText(), messageText(QStringLiteral("pt"), c.hint));
        for (const char *name : {"menuTaglia", "menuIncolla", "tbCut", "tbPaste"})
            EXPECT_EQ(run.action(name)->isEnabled(), c.editing) << name;
        EXPECT_TRUE(run.action("menuCopia1")->isEnabled());
    }
    // Focus on a list leaves the last text field as it was.
    EXPECT_EQ(run.session.lastTextField, LastTextField::PersonalWord);

    // The similar-words hint follows the option.
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
        QTest::mouseClick(run.find<QAbstractScrollArea>(c.control)->viewport(), Qt::RightButton, {}, QPoint(10, 10));
        auto *menu = run.find<QMenu>(c.menu);
        EXPECT_TRUE(menu->isVisible()) << c.control;
        menu->hide();
    }
    // The list that was right-clicked has the focus, so its delete items work.
    EXPECT_TRUE(run.action("menuCancella2")->isEnabled());
}

} // namespace
} // namespace parlora::testing
