#include "parlorarun.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

#include <optional>

namespace parlora::testing {
namespace {

using FirstStart = WindowTest;

TEST_F(FirstStart, IsReadyWithTheInputFocusedAndThePanelsClosed)
{
    EXPECT_TRUE(run.window().ready());
    EXPECT_TRUE(run.field("txtParola")->hasFocus());
    EXPECT_EQ(run.statusText(), messageText(QStringLiteral("pt"), 14));
    EXPECT_EQ(run.find<QMenu>("menuFile")->title(), QStringLiteral("&pt caption 1"));
    EXPECT_FALSE(run.action("menuImporta")->isEnabled());
    EXPECT_FALSE(run.find<QMenu>("menuDizionario")->menuAction()->isVisible());
    for (const char *name :
         {"menuCancella", "menuAnnulla", "menuRipeti", "menuCancella2", "menuAnnulla2", "menuRipeti2"})
        EXPECT_FALSE(run.action(name)->isEnabled()) << name;
    EXPECT_FALSE(run.find<QWidget>("frm1")->isVisible());
    EXPECT_FALSE(run.find<QWidget>("frakeyb")->isVisible());
    EXPECT_TRUE(run.find<QWidget>("cmdTast")->isVisible());
    EXPECT_FALSE(run.find<QWidget>("barAtividade")->isVisible()) << "no work in progress";
    EXPECT_EQ(run.window().windowTitle(), QStringLiteral("Parlora 3.1"));

    // Ctrl+Q ends the program from anywhere in the window.
    run.pressKey("txtParola", Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(run.exitCode, 0);
}

struct SettingsCase {
    const char *name;
    std::optional<QByteArray> stored; // none: no settings file
    bool direction;
    bool similar;
    bool phrasebook;
    const char16_t *language;
    QByteArray written; // after a run without changes
};

void PrintTo(const SettingsCase &c, std::ostream *out)
{
    *out << c.name;
}

class StoredSettings : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(StoredSettings, AreAppliedAtStartAndWrittenBackAtExit)
{
    const SettingsCase &c = GetParam();
    TestFolder folder;
    if (c.stored)
        folder.writeSettings(*c.stored);
    {
        ParloraRun run(folder.path());
        // A missing file is created at once, with the byte of creation.
        if (!c.stored) {
            EXPECT_EQ(folder.settingsBytes(), QByteArray("\x0b\xff", 2));
        }
        EXPECT_EQ(run.session.settings.Direction, c.direction);
        EXPECT_EQ(run.session.settings.SimilarWordSearch, c.similar);
        EXPECT_EQ(run.session.settings.PhrasebookSearch, c.phrasebook);
        EXPECT_EQ(run.session.interfaceLanguage.GetInterfaceLanguage(), QString::fromUtf16(c.language));
        EXPECT_EQ(run.action("menuItaPorto")->isChecked(), c.direction);
        EXPECT_EQ(run.action("menuPortoIta")->isChecked(), !c.direction);
        EXPECT_EQ(run.find<QLabel>("lblLingua1")->text(),
                  c.direction ? QStringLiteral("(Italiano)") : QStringLiteral("(Portugu\u00eas)"));
        run.close();
    }
    // Only the first byte is rewritten, from the state; whatever follows it stays.
    EXPECT_EQ(folder.settingsBytes(), c.written);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, StoredSettings,
    ::testing::Values(
        SettingsCase{"NoFileIsPortugueseWithSimilarWords", std::nullopt, false, true, false, u"Portugu\u00eas",
                     QByteArray("\x0a\xff", 2)},
        SettingsCase{"PhrasebookItalianForward", QByteArray("\x25\xff", 2), true, false, true, u"Italiano",
                     QByteArray("\x25\xff", 2)},
        SettingsCase{"ItalianWinsOverPortuguese", QByteArray("\x0e\xff", 2), false, true, false, u"Italiano",
                     QByteArray("\x06\xff", 2)},
        SettingsCase{"EmptyFileIsEnglish", QByteArray(), false, false, false, u"English", QByteArray("\x10")},
        SettingsCase{"LongerFileKeepsItsTail", QByteArray("\x09\xff\x01\x02\x03", 5), true, false, false,
                     u"Portugu\u00eas", QByteArray("\x09\xff\x01\x02\x03", 5)}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(StartUp, MissingMainDictionaryShowsMessage21AndEndsWithoutWriting)
{
    TestFolder folder;
    folder.writeSettings(QByteArray("\x04\xff", 2));
    ASSERT_TRUE(QFile::remove(folder.filePath(QStringLiteral("dic/portital.diz"))));
    {
        ParloraRun run(folder.path());
        ASSERT_EQ(run.prompts.shown.size(), 1);
        EXPECT_EQ(run.prompts.shown[0].text, messageText(QStringLiteral("it"), 21));
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_FALSE(run.window().ready());
        run.close();
    }
    EXPECT_EQ(folder.settingsBytes(), QByteArray("\x04\xff", 2));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("dic/portital.per"))));
}

TEST(StartUp, UnreadableMainDictionaryIsNamedWithItsReasonAndEndsTheProgram)
{
    TestFolder folder;
    QFile main(folder.filePath(QStringLiteral("dic/portital.diz")));
    ASSERT_TRUE(main.open(QIODevice::WriteOnly) && main.resize(MaxDataFileBytes + 1));
    main.close();
    ParloraRun run(folder.path());
    ASSERT_EQ(run.prompts.shown.size(), 1);
    EXPECT_TRUE(run.prompts.shown[0].text.startsWith(messageText(QStringLiteral("pt"), 27) + ' ' + main.fileName()))
        << run.prompts.shown[0].text.toStdString();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("dic/portital.per"))));
}

// The user's files are on disk as they change, so that the program may end
// in any way (a lost display, a crash) without losing them.
TEST(UserFiles, ChangesReachTheDiskWithoutQuitting)
{
    TestFolder folder;
    ParloraRun run(folder.path());
    run.trigger("menuItaPorto");
    EXPECT_EQ(quint8(folder.settingsBytes().at(0)) & 1, 1) << "an option is written when it changes";

    run.trigger("menuDizionarioPersonale");
    run.insertPersonal(QStringLiteral("mare"), QStringLiteral("mar"));
    QTRY_COMPARE(folder.personalDictionaryLines(), (QStringList{QStringLiteral("mare"), QStringLiteral("mar")}));
    run.selectRow("lstDicPer", 0);
    run.pressKey("lstDicPer", Qt::Key_Delete);
    QTRY_COMPARE(folder.personalDictionaryLines(), QStringList());
    run.trigger("menuAnnulla");
    QTRY_COMPARE(folder.personalDictionaryLines(), (QStringList{QStringLiteral("mare"), QStringLiteral("mar")}));
}

// Installed where the user cannot write (a package, a read-only medium),
// the program once threw every word away at exit.
TEST(UserFiles, AnUnwritableProgramFolderKeepsThemInTheUserFolders)
{
    TestFolder folder;
    QTemporaryDir home;
    const DataLocations locations = chooseDataLocations(
        folder.path(), true, QStringLiteral("portital.per"),
        {home.filePath(QStringLiteral("config/parlora")), home.filePath(QStringLiteral("data/parlora"))},
        [](const QString &) { return false; });
    {
        ParloraRun run(folder.path(), locations);
        EXPECT_TRUE(run.prompts.shown.isEmpty()) << run.prompts.shown.value(0).text.toStdString();
        run.trigger("menuDizionarioPersonale");
        run.insertPersonal(QStringLiteral("mare"), QStringLiteral("mar"));
        run.close();
    }
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("dic/portital.per"))));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("parlora.ini"))));
    EXPECT_TRUE(QFile::exists(home.filePath(QStringLiteral("config/parlora/parlora.ini"))));
    ParloraRun next(folder.path(), locations);
    EXPECT_EQ(next.session.personalDictionary.RenderEntries(), QStringList{QStringLiteral("mare --> mar")});
}

TEST(UserFiles, APersonalDictionaryWithLinuxLineEndsShowsItsPairsAndSurvives)
{
    TestFolder folder;
    QFile file(folder.filePath(QStringLiteral("dic/portital.per")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("sole\nsol\nluna\nlua\nmare\nmar\n") == 27);
    file.close();
    {
        ParloraRun run(folder.path());
        run.trigger("menuDizionarioPersonale");
        EXPECT_EQ(run.lines("lstDicPer").size(), 3);
        run.close();
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("sole\nsol\nluna\nlua\nmare\nmar\n")) << "unchanged, so left as it was";
}

// The settings byte names only the three shipped languages; a language of
// the user's own comes back by the name kept beside it, and when its file
// has gone the program starts in English, as the byte says.
TEST(StartUp, ALanguageOfTheUsersOwnComesBackAfterARestart)
{
    TestFolder folder;
    QStringList german;
    for (int i = 0; i < 80; ++i)
        german << QStringLiteral("de %1").arg(i);
    folder.writeLines(QStringLiteral("lang/Deutsch.lng"), german);
    {
        ParloraRun run(folder.path());
        ASSERT_TRUE(run.session.interfaceLanguage.SetInterfaceLanguage(QStringLiteral("Deutsch")));
        run.close();
    }
    EXPECT_EQ(quint8(folder.settingsBytes().at(0)) & 0x1c, 0) << "the byte keeps its meaning";
    {
        ParloraRun next(folder.path());
        EXPECT_EQ(next.session.interfaceLanguage.GetInterfaceLanguage(), QStringLiteral("Deutsch"));
        EXPECT_EQ(next.find<QMenu>("menuFile")->title(), QStringLiteral("&de 0"));
        next.close();
    }
    ASSERT_TRUE(QFile::remove(folder.filePath(QStringLiteral("lang/Deutsch.lng"))));
    ParloraRun last(folder.path());
    EXPECT_EQ(last.session.interfaceLanguage.GetInterfaceLanguage(), QStringLiteral("English"));
}

// A byte written by a program that knew only the byte (an older Parlora)
// names a shipped language: that one wins over the name kept beside it.
TEST(StartUp, ALanguageNamedByTheSettingsByteWinsOverTheRememberedName)
{
    TestFolder folder;
    folder.writeLines(QStringLiteral("lang/Deutsch.lng"), QStringList(80, QStringLiteral("de")));
    QFile remembered(folder.filePath(QStringLiteral("language.txt")));
    ASSERT_TRUE(remembered.open(QIODevice::WriteOnly) && remembered.write("Deutsch\n") == 8);
    remembered.close();
    folder.writeSettings(QByteArray("\x04\xff", 2));
    ParloraRun run(folder.path());
    EXPECT_EQ(run.session.interfaceLanguage.GetInterfaceLanguage(), QStringLiteral("Italiano"));
}

} // namespace
} // namespace parlora::testing
