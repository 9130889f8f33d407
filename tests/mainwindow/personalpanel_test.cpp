#include "parlorarun.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace parlora::testing {
namespace {

using Kind = RecordingPrompts::Kind;

class PersonalPanel : public ::testing::Test {
protected:
    void SetUp() override { run.trigger("menuDizionarioPersonale"); }

    void fill(const QString &word, const QString &translation)
    {
        run.field("txtParolaIta")->setText(word);
        run.field("txtParolaLin")->setText(translation);
    }

    struct Undo {
        bool undo;
        bool redo;
        bool operator==(const Undo &) const = default;
    };
    Undo undoState()
    {
        const bool undo = run.action("menuAnnulla")->isEnabled();
        const bool redo = run.action("menuRipeti")->isEnabled();
        EXPECT_EQ(run.action("menuAnnulla2")->isEnabled(), undo);
        EXPECT_EQ(run.action("menuRipeti2")->isEnabled(), redo);
        return {undo, redo};
    }

    TestFolder folder;
    ParloraRun run{folder.path()};
};

TEST_F(PersonalPanel, InsertChecksBothFieldsTranslationFirst)
{
    const QString fifty(50, QLatin1Char('a'));
    const QString fiftyOne(51, QLatin1Char('a'));
    const struct {
        const char *name;
        QString word;
        QString translation;
        int message;
        const char *focused;
    } cases[] = {
        {"BothEmpty", {}, {}, 6, "txtParolaLin"},
        {"WordEmpty", {}, QStringLiteral("gato"), 6, "txtParolaIta"},
        {"TranslationTooLong", fiftyOne, fiftyOne, 7, "txtParolaLin"},
        {"WordTooLong", fiftyOne, fifty, 7, "txtParolaIta"},
    };
    for (const auto &c : cases) {
        run.prompts.shown.clear();
        fill(c.word, c.translation);
        run.trigger("menuInserisci");
        ASSERT_EQ(run.prompts.shown.size(), 1) << c.name;
        EXPECT_EQ(run.prompts.shown[0].kind, Kind::Warning) << c.name;
        EXPECT_EQ(run.prompts.shown[0].title, messageText(QStringLiteral("pt"), 5)) << c.name;
        EXPECT_EQ(run.prompts.shown[0].text, messageText(QStringLiteral("pt"), c.message)) << c.name;
        EXPECT_TRUE(run.field(c.focused)->hasFocus()) << c.name;
        EXPECT_EQ(run.session.personalDictionary.EntryCount(), 0) << c.name;
    }

    // Exactly fifty characters, and blanks-only words, are accepted.
    run.prompts.shown.clear();
    fill(fifty, QStringLiteral(" "));
    run.trigger("menuInserisci");
    EXPECT_TRUE(run.prompts.shown.isEmpty());
    EXPECT_EQ(run.session.personalDictionary.EntryCount(), 1);
}

TEST_F(PersonalPanel, EnterInsertsAtTheSortedPlace)
{
    fill(QStringLiteral("zebra"), QStringLiteral("zebra"));
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

TEST_F(PersonalPanel, WordsTheFileCannotHoldAreRefusedWithAWarning)
{
    fill(QStringLiteral("freccia \u2192"), QStringLiteral("seta"));
    run.trigger("menuInserisci");
    ASSERT_EQ(run.prompts.shown.size(), 1);
    EXPECT_TRUE(run.prompts.shown[0].text.contains(QStringLiteral("\u2192")));
    EXPECT_EQ(run.session.personalDictionary.EntryCount(), 0);
    // What the user typed is still there to correct.
    EXPECT_EQ(run.field("txtParolaIta")->text(), QStringLiteral("freccia \u2192"));
}

TEST_F(PersonalPanel, DeleteUndoRedoKeepMenusInStep)
{
    EXPECT_EQ(undoState(), (Undo{false, false}));
    fill(QStringLiteral("uno"), QStringLiteral("um"));
    run.trigger("menuInserisci");
    fill(QStringLiteral("due"), QStringLiteral("dois"));
    run.trigger("menuInserisci");
    EXPECT_EQ(undoState(), (Undo{true, false}));

    // Delete with nothing selected changes nothing.
    run.focus("lstDicPer");
    EXPECT_TRUE(run.action("menuCancella")->isEnabled());
    run.pressKey("lstDicPer", Qt::Key_Delete);
    EXPECT_EQ(run.session.personalDictionary.EntryCount(), 2);

    run.list("lstDicPer")->setCurrentRow(0);
    run.pressKey("lstDicPer", Qt::Key_Delete);
    EXPECT_EQ(run.lines("lstDicPer"), QStringList{QStringLiteral("uno --> um")});
    EXPECT_TRUE(run.list("lstDicPer")->selectedItems().isEmpty());

    run.trigger("menuAnnulla2");
    EXPECT_EQ(run.lines("lstDicPer"), (QStringList{QStringLiteral("due --> dois"), QStringLiteral("uno --> um")}));
    EXPECT_EQ(undoState(), (Undo{true, true}));
    QTest::keyClick(run.list("lstDicPer"), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(run.list("lstDicPer"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(run.lines("lstDicPer").isEmpty());
    EXPECT_EQ(undoState(), (Undo{false, true}));

    // Ctrl+Y in a text field is the dictionary's redo, not the field's.
    run.focus("txtParolaIta");
    QTest::keyClick(run.field("txtParolaIta"), Qt::Key_Y, Qt::ControlModifier);
    run.trigger("menuRipeti");
    run.trigger("menuRipeti2");
    EXPECT_EQ(run.lines("lstDicPer"), QStringList{QStringLiteral("uno --> um")});
    EXPECT_EQ(undoState(), (Undo{true, false}));

    // Leaving the list disables delete and drops the selection.
    run.focus("lstDicPer");
    run.list("lstDicPer")->setCurrentRow(0);
    run.focus("txtParolaLin");
    EXPECT_FALSE(run.action("menuCancella")->isEnabled());
    EXPECT_FALSE(run.action("menuCancella2")->isEnabled());
    EXPECT_TRUE(run.list("lstDicPer")->selectedItems().isEmpty());
}

TEST(PersonalDictionaryPersistence, WordsAndSettingsSurviveARestart)
{
    TestFolder folder;
    {
        ParloraRun run(folder.path());
        run.trigger("menuDizionarioPersonale");
        run.field("txtParolaIta")->setText(QStringLiteral("perch\u00e9"));
        run.field("txtParolaLin")->setText(QStringLiteral("porqu\u00ea"));
        run.trigger("menuInserisci");
        run.trigger("menuItaPorto");
        run.trigger("menuEsci");
        EXPECT_EQ(run.exitCode, 0);
    }
    EXPECT_EQ(folder.personalDictionaryLines(), (QStringList{QStringLiteral("perch\u00e9"), QStringLiteral("porqu\u00ea")}));
    ParloraRun next(folder.path());
    EXPECT_TRUE(next.session.settings.Direction);
    EXPECT_TRUE(next.action("menuItaPorto")->isChecked());
    next.typeInto("txtParola", QStringLiteral("perch\u00e9"));
    next.pressKey("txtParola", Qt::Key_Return);
    EXPECT_EQ(next.lines("lstTraduzioni"), QStringList{QStringLiteral("perch\u00e9 --> porqu\u00ea")});
}

TEST(PersonalDictionaryPersistence, AFailedSaveIsReportedAndCanBeRetried)
{
    TestFolder folder;
    const QString personalFile = folder.filePath(QStringLiteral("dic/portital.per"));
    ParloraRun run(folder.path());
    run.trigger("menuDizionarioPersonale");
    run.field("txtParolaIta")->setText(QStringLiteral("mare"));
    run.field("txtParolaLin")->setText(QStringLiteral("mar"));
    run.trigger("menuInserisci");

    // A folder in the file's place makes the save fail; the user clears the
    // way and retries.
    ASSERT_TRUE(QFile::remove(personalFile));
    ASSERT_TRUE(QDir().mkdir(personalFile));
    run.prompts.retryAnswer = [&] { return QDir().rmdir(personalFile); };
    run.close();

    ASSERT_EQ(run.prompts.shown.size(), 1);
    EXPECT_EQ(run.prompts.shown[0].kind, Kind::Retry);
    EXPECT_TRUE(run.prompts.shown[0].text.contains(QStringLiteral("portital.per")));
    EXPECT_EQ(folder.personalDictionaryLines(), (QStringList{QStringLiteral("mare"), QStringLiteral("mar")}));
    EXPECT_EQ(run.exitCode, 0);
}

TEST(PersonalDictionaryPersistence, GivingUpOnAFailedSaveStillEnds)
{
    TestFolder folder;
    ParloraRun run(folder.path());
    const QString personalFile = folder.filePath(QStringLiteral("dic/portital.per"));
    ASSERT_TRUE(QFile::remove(personalFile));
    ASSERT_TRUE(QDir().mkdir(personalFile));
    run.close();
    ASSERT_EQ(run.prompts.shown.size(), 1);
    EXPECT_EQ(run.exitCode, 0);
}

} // namespace
} // namespace parlora::testing
