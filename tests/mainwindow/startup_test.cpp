#include "parlorarun.h"

#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

namespace parlora::testing {
namespace {

TEST(StartUp, FirstRunCreatesSettingsAndStartsInPortuguese)
{
    TestFolder folder;
    {
        ParloraRun run(folder.path());
        EXPECT_EQ(folder.settingsBytes(), QByteArray("\x0b\xff", 2));
        EXPECT_EQ(run.session.interfaceLanguage.GetInterfaceLanguage(), QStringLiteral("Portugu\u00eas"));
        EXPECT_TRUE(run.session.settings.SimilarWordSearch);
        EXPECT_FALSE(run.session.settings.PhrasebookSearch);
        EXPECT_TRUE(run.action("menuPortoIta")->isChecked());
        EXPECT_FALSE(run.action("menuItaPorto")->isChecked());
        EXPECT_EQ(run.find<QLabel>("lblLingua1")->text(), QStringLiteral("(Portugu\u00eas)"));
        EXPECT_EQ(run.find<QLabel>("lblLingua2")->text(), QStringLiteral("(Italiano)"));
        // The language file's captions are on the window.
        EXPECT_EQ(run.find<QMenu>("menuFile")->title(), QStringLiteral("&pt caption 1"));
        // Ready: data loaded and the input field focused, with its hint.
        EXPECT_TRUE(run.window().ready());
        EXPECT_TRUE(run.field("txtParola")->hasFocus());
        EXPECT_EQ(run.statusText(), messageText(QStringLiteral("pt"), 14));
        EXPECT_EQ(run.window().windowTitle(), QStringLiteral("Parlora 3.1"));
        run.close();
        EXPECT_EQ(run.exitCode, 0);
    }
    // Closing without changes writes the state, not the byte 11 of creation.
    EXPECT_EQ(folder.settingsBytes(), QByteArray("\x0a\xff", 2));
}

struct SettingsCase {
    const char *name;
    QByteArray stored;
    bool direction;
    bool similar;
    bool phrasebook;
    const char16_t *language;
    quint8 written; // the first byte after a run without changes
};

class StoredSettings : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(StoredSettings, AreAppliedAtStartAndWrittenBackAtExit)
{
    const SettingsCase &c = GetParam();
    TestFolder folder;
    folder.writeSettings(c.stored);
    {
        ParloraRun run(folder.path());
        EXPECT_EQ(run.session.settings.Direction, c.direction);
        EXPECT_EQ(run.session.settings.SimilarWordSearch, c.similar);
        EXPECT_EQ(run.session.settings.PhrasebookSearch, c.phrasebook);
        EXPECT_EQ(run.session.interfaceLanguage.GetInterfaceLanguage(), QString::fromUtf16(c.language));
        EXPECT_EQ(run.action("menuItaPorto")->isChecked(), c.direction);
        EXPECT_EQ(run.find<QLabel>("lblLingua1")->text(),
                  c.direction ? QStringLiteral("(Italiano)") : QStringLiteral("(Portugu\u00eas)"));
        run.close();
    }
    // Only the first byte is rewritten, from the state; whatever follows it
    // stays.
    const QByteArray after = folder.settingsBytes();
    ASSERT_EQ(after.size(), qMax<qsizetype>(1, c.stored.size()));
    EXPECT_EQ(quint8(after.at(0)), c.written);
    EXPECT_EQ(after.mid(1), c.stored.mid(1));
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, StoredSettings,
    ::testing::Values(SettingsCase{"PhrasebookItalianForward", QByteArray("\x25\xff", 2), true, false, true, u"Italiano", 0x25},
                      SettingsCase{"ItalianWinsOverPortuguese", QByteArray("\x0e\xff", 2), false, true, false, u"Italiano",
                                   0x06},
                      SettingsCase{"EmptyFileIsEnglish", QByteArray(), false, false, false, u"English", 0x10},
                      SettingsCase{"LongerFileKeepsItsTail", QByteArray("\x09\xff\x01\x02\x03", 5), true, false, false,
                                   u"Portugu\u00eas", 0x09}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(StartUp, MissingMainDictionaryShowsMessage21AndEnds)
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
        // Ending this way is not a shutdown: nothing is written back.
        run.close();
    }
    EXPECT_EQ(folder.settingsBytes(), QByteArray("\x04\xff", 2));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("dic/portital.per"))));
}

TEST(StartUp, UnknownSavedLanguageFallsBackToEnglishNextTime)
{
    TestFolder folder;
    QStringList german;
    for (int i = 0; i < 80; ++i)
        german << QStringLiteral("de %1").arg(i);
    folder.writeLines(QStringLiteral("lang/Deutsch.lng"), german);
    {
        ParloraRun run(folder.path());
        // A language other than the three known ones leaves no language bit.
        ASSERT_TRUE(run.session.interfaceLanguage.SetInterfaceLanguage(QStringLiteral("Deutsch")));
        run.close();
    }
    EXPECT_EQ(quint8(folder.settingsBytes().at(0)) & 0x1c, 0);
    ParloraRun next(folder.path());
    EXPECT_EQ(next.session.interfaceLanguage.GetInterfaceLanguage(), QStringLiteral("English"));
}

TEST(StartUp, InitialControlStates)
{
    TestFolder folder;
    ParloraRun run(folder.path());
    EXPECT_FALSE(run.action("menuImporta")->isEnabled());
    EXPECT_FALSE(run.find<QMenu>("menuDizionario")->menuAction()->isVisible());
    for (const char *name : {"menuCancella", "menuAnnulla", "menuRipeti", "menuCancella2", "menuAnnulla2", "menuRipeti2"})
        EXPECT_FALSE(run.action(name)->isEnabled()) << name;
    EXPECT_FALSE(run.window().personalPanelOpen());
    EXPECT_FALSE(run.window().keypadOpen());
    // The panels lie outside the visible area while closed.
    const QRect visible = run.window().centralWidget()->rect();
    EXPECT_FALSE(visible.intersects(run.find<QGroupBox>("frm1")->geometry()));
    EXPECT_TRUE(visible.contains(run.find<QWidget>("cmdTast")->geometry()));

    // Ctrl+Q ends the program from anywhere in the window.
    QTest::keyClick(run.field("txtParola"), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(run.exitCode, 0);
}

} // namespace
} // namespace parlora::testing
