#include "parlorarun.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPlainTextEdit>

namespace parlora::testing {
namespace {

class Editing : public WindowTest {
protected:
    void setClipboard(const QString &text) { QGuiApplication::clipboard()->setText(text); }
    // A right click as the desktop delivers it: the press, then the request
    // for a context menu at the same place.
    void rightClick(const char *control, const QPoint &position)
    {
        QWidget *viewport = run.find<QAbstractScrollArea>(control)->viewport();
        QTest::mousePress(viewport, Qt::RightButton, {}, position);
        QContextMenuEvent request(QContextMenuEvent::Mouse, position, viewport->mapToGlobal(position));
        QCoreApplication::sendEvent(viewport, &request);
        QTest::mouseRelease(viewport, Qt::RightButton, {}, position);
    }
    QPoint rowCentre(const char *listName, int row)
    {
        QAbstractItemView *list = run.list(listName);
        return list->visualRect(list->model()->index(row, 0)).center();
    }
    void closeMenu(const char *menu) { run.find<QMenu>(menu)->hide(); }
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
    run.selectRow("lstTraduzioni", 0);
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
        rightClick(c.control, QPoint(10, 10));
        auto *menu = run.find<QMenu>(c.menu);
        EXPECT_TRUE(menu->isVisible()) << c.control;
        EXPECT_TRUE(run.find<QWidget>(c.control)->hasFocus()) << c.control;
        menu->hide();
    }
    // The list that was right-clicked has the focus, so its delete items work.
    EXPECT_TRUE(run.action("menuCancella2")->isEnabled());
}

// The pop-up menus once acted on the row selected before the right click:
// Translate did nothing, Delete deleted nothing or another entry.
TEST_F(Editing, APopupMenuActsOnTheRowRightClicked)
{
    run.session.settings.SimilarWordSearch = true;
    run.translate(QStringLiteral("gatoo"));
    const int gato = run.rowOf("lstSimili", QStringLiteral("gato"));
    ASSERT_GE(gato, 0) << run.lines("lstSimili").join(u',').toStdString() << " / " << run.lines("lstTraduzioni").join(u',').toStdString();
    rightClick("lstSimili", rowCentre("lstSimili", gato));
    closeMenu("menuPopup2");
    run.trigger("menuTraduci");
    EXPECT_EQ(run.lines("lstTraduzioni"), QStringList{QStringLiteral("gato --> gatto")});

    run.trigger("menuDizionarioPersonale");
    run.insertPersonal(QStringLiteral("luna"), QStringLiteral("lua"));
    run.insertPersonal(QStringLiteral("mare"), QStringLiteral("mar"));
    run.insertPersonal(QStringLiteral("sole"), QStringLiteral("sol"));
    run.focus("lstDicPer");
    run.selectRow("lstDicPer", 0);
    rightClick("lstDicPer", rowCentre("lstDicPer", 1));
    closeMenu("menuDizionario2");
    run.trigger("menuCancella2");
    EXPECT_EQ(run.lines("lstDicPer"), (QStringList{QStringLiteral("luna --> lua"), QStringLiteral("sole --> sol")}));

    // Beside the rows nothing is chosen, so Delete deletes nothing.
    QAbstractItemView *list = run.list("lstDicPer");
    run.selectRow("lstDicPer", 0);
    rightClick("lstDicPer", QPoint(5, list->viewport()->height() - 3));
    closeMenu("menuDizionario2");
    run.trigger("menuCancella2");
    EXPECT_EQ(run.lines("lstDicPer").size(), 2);
}

// Ctrl+Z in a field of the panel once undid the last dictionary edit
// instead of the typing in that field.
TEST_F(Editing, UndoInATextFieldUndoesItsTypingAndInTheListTheDictionarysEdit)
{
    run.trigger("menuDizionarioPersonale");
    run.insertPersonal(QStringLiteral("mare"), QStringLiteral("mar"));
    run.typeInto("txtParolaIta", QStringLiteral("sole"));
    run.pressKey("txtParolaIta", Qt::Key_Z, Qt::ControlModifier);
    EXPECT_NE(run.field("txtParolaIta")->text(), QStringLiteral("sole")) << "the field's typing is undone";
    EXPECT_EQ(run.lines("lstDicPer"), QStringList{QStringLiteral("mare --> mar")}) << "the dictionary is not";

    run.focus("lstDicPer");
    run.pressKey("lstDicPer", Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(run.lines("lstDicPer").isEmpty());
    run.pressKey("lstDicPer", Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(run.lines("lstDicPer"), QStringList{QStringLiteral("mare --> mar")});
    // The menu shows the keys it answers to.
    EXPECT_EQ(run.action("menuAnnulla")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
}

// The result text once took Tab characters into the results and kept the
// keyboard trapped there.
TEST_F(Editing, TheResultTextIsReadOnlyAndTabLeavesIt)
{
    run.session.settings.PhrasebookSearch = true;
    run.trigger("menuItaPorto");
    run.translate(QStringLiteral("cane"));
    auto *text = run.find<QPlainTextEdit>("Text1");
    const QString before = text->toPlainText();
    ASSERT_FALSE(before.isEmpty());
    run.focus("Text1");
    QTest::keyClicks(text, QStringLiteral("xyz"));
    run.pressKey("Text1", Qt::Key_Tab);
    EXPECT_EQ(text->toPlainText(), before);
    EXPECT_FALSE(text->hasFocus());
}

} // namespace
} // namespace parlora::testing
