#include "parlorarun.h"

#include <QDir>
#include <QScrollBar>

namespace parlora::testing {
namespace {

using Kind = RecordingPrompts::Kind;
const QString Pt = QStringLiteral("pt");

class PersonalPanel : public WindowTest {
protected:
    void SetUp() override { run.trigger("menuDizionarioPersonale"); }

    // Whether undo and redo are enabled, in the menu bar and the pop-up alike.
    using Undo = std::pair<bool, bool>;
    Undo undoState()
    {
        const bool undo = run.action("menuAnnulla")->isEnabled();
        const bool redo = run.action("menuRipeti")->isEnabled();
        EXPECT_EQ(run.action("menuAnnulla2")->isEnabled(), undo);
        EXPECT_EQ(run.action("menuRipeti2")->isEnabled(), redo);
        return {undo, redo};
    }
};

TEST_F(PersonalPanel, InsertRefusesMissingLongOrUnstorableWordsTranslationFirst)
{
    const QString fifty(50, QLatin1Char('a'));
    const QString fiftyOne(51, QLatin1Char('a'));
    const struct {
        const char *name;
        QString word;
        QString translation;
        QString warning; // what the warning says
        const char *focused;
    } cases[] = {
        {"BothEmpty", {}, {}, messageText(Pt, 6), "txtParolaLin"},
        {"WordEmpty", {}, QStringLiteral("gato"), messageText(Pt, 6), "txtParolaIta"},
        {"TranslationTooLong", fiftyOne, fiftyOne, messageText(Pt, 7), "txtParolaLin"},
        {"WordTooLong", fiftyOne, fifty, messageText(Pt, 7), "txtParolaIta"},
        {"CharacterTheFileCannotHold", QStringLiteral("freccia \u2192"), QStringLiteral("seta"),
         messageText(Pt, 35) + QStringLiteral(" \u2192"), "txtParolaIta"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        run.prompts.shown.clear();
        run.insertPersonal(c.word, c.translation);
        ASSERT_EQ(run.prompts.shown.size(), 1);
        EXPECT_EQ(run.prompts.shown[0].kind, Kind::Warning);
        EXPECT_EQ(run.prompts.shown[0].title, messageText(Pt, 5));
        EXPECT_TRUE(run.prompts.shown[0].text.contains(c.warning)) << run.prompts.shown[0].text.toStdString();
        EXPECT_TRUE(run.field(c.focused)->hasFocus());
        EXPECT_EQ(run.session.personalDictionary.EntryCount(), 0);
        // What the user typed is still there to correct.
        EXPECT_EQ(run.field("txtParolaIta")->text(), c.word);
    }

    // Exactly fifty characters, and blanks-only words, are accepted.
    run.prompts.shown.clear();
    run.insertPersonal(fifty, QStringLiteral(" "));
    EXPECT_TRUE(run.prompts.shown.isEmpty());
    EXPECT_EQ(run.session.personalDictionary.EntryCount(), 1);
}

TEST_F(PersonalPanel, EnterInsertsAtTheSortedPlace)
{
    run.field("txtParolaIta")->setText(QStringLiteral("zebra"));
    run.field("txtParolaLin")->setText(QStringLiteral("zebra"));
    run.click("Picture1");
    run.typeInto("txtParolaIta", QStringLiteral("albero"));
    run.typeInto("txtParolaLin", QStringLiteral("\u00e1rvore"));
    run.field("txtParolaLin")->setCursorPosition(2);
    run.pressKey("txtParolaLin", Qt::Key_Return);
    EXPECT_EQ(run.lines("lstDicPer"),
              (QStringList{QStringLiteral("albero --> \u00e1rvore"), QStringLiteral("zebra --> zebra")}));
    EXPECT_TRUE(run.field("txtParolaIta")->text().isEmpty());
    EXPECT_TRUE(run.field("txtParolaLin")->text().isEmpty());
    EXPECT_TRUE(run.field("txtParolaIta")->hasFocus());

    // Enter in an empty field warns and leaves no line break behind.
    run.pressKey("txtParolaLin", Qt::Key_Return);
    EXPECT_EQ(run.prompts.shown.size(), 1);
    EXPECT_TRUE(run.field("txtParolaLin")->text().isEmpty());
}

TEST_F(PersonalPanel, DeleteUndoRedoKeepMenusInStep)
{
    EXPECT_EQ(undoState(), (Undo{false, false}));
    run.insertPersonal(QStringLiteral("uno"), QStringLiteral("um"));
    run.insertPersonal(QStringLiteral("due"), QStringLiteral("dois"));
    EXPECT_EQ(undoState(), (Undo{true, false}));

    // Delete with nothing selected changes nothing.
    run.focus("lstDicPer");
    EXPECT_TRUE(run.action("menuCancella")->isEnabled());
    run.pressKey("lstDicPer", Qt::Key_Delete);
    EXPECT_EQ(run.session.personalDictionary.EntryCount(), 2);

    run.selectRow("lstDicPer", 0);
    run.pressKey("lstDicPer", Qt::Key_Delete);
    EXPECT_EQ(run.lines("lstDicPer"), QStringList{QStringLiteral("uno --> um")});
    EXPECT_TRUE(run.selectedLines("lstDicPer").isEmpty());

    run.trigger("menuAnnulla2");
    EXPECT_EQ(run.lines("lstDicPer"), (QStringList{QStringLiteral("due --> dois"), QStringLiteral("uno --> um")}));
    EXPECT_EQ(undoState(), (Undo{true, true}));
    run.pressKey("lstDicPer", Qt::Key_Z, Qt::ControlModifier);
    run.pressKey("lstDicPer", Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(run.lines("lstDicPer").isEmpty());
    EXPECT_EQ(undoState(), (Undo{false, true}));

    run.trigger("menuRipeti");
    run.trigger("menuRipeti2");
    run.trigger("menuRipeti");
    EXPECT_EQ(run.lines("lstDicPer"), QStringList{QStringLiteral("uno --> um")});
    EXPECT_EQ(undoState(), (Undo{true, false}));

    // Leaving the list disables delete and drops the selection.
    run.focus("lstDicPer");
    run.selectRow("lstDicPer", 0);
    run.focus("txtParolaLin");
    EXPECT_FALSE(run.action("menuCancella")->isEnabled());
    EXPECT_FALSE(run.action("menuCancella2")->isEnabled());
    EXPECT_TRUE(run.selectedLines("lstDicPer").isEmpty());
}

// The list once showed every edit by clearing and refilling itself, which
// threw the user back to its top (and took a moment per edit on long lists).
TEST_F(PersonalPanel, AnEditLeavesALongListWhereTheUserScrolledIt)
{
    for (int i = 0; i < 400; ++i) {
        QString word = QStringLiteral("parola%1").arg(i, 3, 10, QLatin1Char('0'));
        QString translation = QStringLiteral("palavra%1").arg(i);
        run.session.personalDictionary.InsertEntry(word, translation);
    }
    // Opened again, the panel shows the store as it is now.
    run.trigger("menuDizionarioPersonale");
    run.trigger("menuDizionarioPersonale");
    QCoreApplication::processEvents();
    QScrollBar *bar = run.list("lstDicPer")->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum() / 2);
    const int where = bar->value();

    run.insertPersonal(QStringLiteral("zebra"), QStringLiteral("zebra"));
    EXPECT_EQ(run.lines("lstDicPer").last(), QStringLiteral("zebra --> zebra"));
    EXPECT_EQ(bar->value(), where);
    run.trigger("menuAnnulla");
    EXPECT_EQ(run.lines("lstDicPer").size(), 400);
    EXPECT_EQ(bar->value(), where);
}

TEST(PersonalDictionaryPersistence, WordsAndSettingsSurviveARestart)
{
    TestFolder folder;
    {
        ParloraRun run(folder.path());
        run.trigger("menuDizionarioPersonale");
        run.insertPersonal(QStringLiteral("perch\u00e9"), QStringLiteral("porqu\u00ea"));
        run.trigger("menuItaPorto");
        run.trigger("menuEsci");
        EXPECT_EQ(run.exitCode, 0);
    }
    EXPECT_EQ(folder.personalDictionaryLines(),
              (QStringList{QStringLiteral("perch\u00e9"), QStringLiteral("porqu\u00ea")}));
    ParloraRun next(folder.path());
    EXPECT_TRUE(next.session.settings.Direction);
    EXPECT_TRUE(next.action("menuItaPorto")->isChecked());
    next.translate(QStringLiteral("perch\u00e9"));
    EXPECT_EQ(next.lines("lstTraduzioni"), QStringList{QStringLiteral("perch\u00e9 --> porqu\u00ea")});
}

TEST(PersonalDictionaryPersistence, AFailedSaveIsReportedAndCanBeRetriedOrGivenUp)
{
    for (const bool retry : {true, false}) {
        SCOPED_TRACE(retry ? "retried" : "given up");
        TestFolder folder;
        const QString personalFile = folder.filePath(QStringLiteral("dic/portital.per"));
        ParloraRun run(folder.path());
        run.trigger("menuDizionarioPersonale");
        run.insertPersonal(QStringLiteral("mare"), QStringLiteral("mar"));

        // A folder in the file's place makes the save fail; the user may
        // clear the way and retry.
        ASSERT_TRUE(QFile::remove(personalFile) && QDir().mkdir(personalFile));
        run.prompts.retryAnswer = [&] { return retry && QDir().rmdir(personalFile); };
        run.close();

        ASSERT_EQ(run.prompts.shown.size(), 1);
        EXPECT_EQ(run.prompts.shown[0].kind, Kind::Retry);
        EXPECT_TRUE(run.prompts.shown[0].text.contains(QStringLiteral("portital.per")));
        EXPECT_EQ(folder.personalDictionaryLines(),
                  retry ? QStringList({QStringLiteral("mare"), QStringLiteral("mar")}) : QStringList());
        EXPECT_EQ(run.exitCode, 0);
    }
}

} // namespace
} // namespace parlora::testing
