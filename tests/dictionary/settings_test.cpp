#include "dictionary/settings.h"
#include "testfiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace parlora;
using parlora::testfiles::readBytes;
using parlora::testfiles::writeBytes;

namespace {

const QString Italian = QStringLiteral("Italiano");
const QString Portuguese = QStringLiteral("Português");
const QString English = QStringLiteral("English");

class SettingsFile : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(SettingsFileName); }
    QTemporaryDir dir;
};

TEST_F(SettingsFile, ReadsTheOptionsOfTheFirstByte)
{
    const struct {
        const char *name;
        QByteArray bytes;
        bool direction, similar, phrasebook;
        QString language;
    } rows[] = {
        {"EmptyFileReadsAsZero", "", false, false, false, English},
        {"PhrasesItalianForward", "\x25", true, false, true, Italian},
        {"ItalianWinsOverPortuguese", "\x0C", false, false, false, Italian},
        {"UnusedBitsIgnored", "\xD0", false, false, false, English},
        {"LaterBytesIgnored", QByteArray("\x0A\xFF\x25\x00", 4), false, true, false, Portuguese},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        writeBytes(path(), row.bytes);
        const StartupSettings state = readSettingsFile(dir.path());
        EXPECT_EQ(state.settings.Direction, row.direction);
        EXPECT_EQ(state.settings.SimilarWordSearch, row.similar);
        EXPECT_EQ(state.settings.PhrasebookSearch, row.phrasebook);
        EXPECT_EQ(state.interfaceLanguage, row.language);
        EXPECT_EQ(readBytes(path()), row.bytes) << "reading never changes the file";
    }
}

TEST_F(SettingsFile, FirstRunCreatesTheFileAndStartsInPortuguese)
{
    const StartupSettings preview = readSettingsFile(dir.path(), false);
    EXPECT_FALSE(QFile::exists(path())) << "asked not to create it";
    EXPECT_EQ(preview.interfaceLanguage, Portuguese);

    const StartupSettings state = readSettingsFile(dir.path());
    EXPECT_TRUE(state.fileCreated);
    EXPECT_EQ(readBytes(path()), QByteArray("\x0B\xFF"));
    // The created byte says 11, but the first run keeps direction 2 -> 1 and
    // phrases off.
    EXPECT_FALSE(state.settings.Direction);
    EXPECT_TRUE(state.settings.SimilarWordSearch);
    EXPECT_FALSE(state.settings.PhrasebookSearch);
    EXPECT_EQ(state.interfaceLanguage, Portuguese);

    ASSERT_TRUE(writeSettingsByte(dir.path(), composeSettingsByte(state.settings, state.interfaceLanguage)));
    EXPECT_EQ(readBytes(path()), QByteArray("\x0A\xFF")) << "closing the first run unchanged writes 8 + 2";
}

// Every state the window can hold comes back after a shutdown and a start;
// any language without a bit of its own comes back as English.
TEST_F(SettingsFile, EveryStateSurvivesARoundTrip)
{
    writeBytes(path(), QByteArray("\x0B\xFF"));
    for (const QString &language : {Italian, Portuguese, English, QStringLiteral("Deutsch"), QStringLiteral("italiano")}) {
        for (int flags = 0; flags < 8; ++flags) {
            const Settings settings{bool(flags & 1), bool(flags & 2), bool(flags & 4)};
            ASSERT_TRUE(writeSettingsByte(dir.path(), composeSettingsByte(settings, language)));
            const StartupSettings state = readSettingsFile(dir.path());
            EXPECT_EQ(state.settings.Direction, settings.Direction);
            EXPECT_EQ(state.settings.SimilarWordSearch, settings.SimilarWordSearch);
            EXPECT_EQ(state.settings.PhrasebookSearch, settings.PhrasebookSearch);
            EXPECT_EQ(state.interfaceLanguage, language == Italian || language == Portuguese ? language : English);
        }
    }
    EXPECT_EQ(composeSettingsByte({true, true, true}, QStringLiteral("Deutsch")), 32 + 2 + 1);
    EXPECT_EQ(composeSettingsByte({}, English), 16);
}

TEST_F(SettingsFile, WritingReplacesOnlyTheFirstByte)
{
    writeBytes(path(), QByteArray("\x0B\xFF\x07\x00\x09", 5));
    ASSERT_TRUE(writeSettingsByte(dir.path(), 0x25));
    EXPECT_EQ(readBytes(path()), QByteArray("\x25\xFF\x07\x00\x09", 5));

    writeBytes(path(), "");
    ASSERT_TRUE(writeSettingsByte(dir.path(), 0x25));
    EXPECT_EQ(readBytes(path()), QByteArray("\x25"));

    QFile::remove(path());
    ASSERT_TRUE(writeSettingsByte(dir.path(), 0x25)) << "a vanished file is created again";
    EXPECT_EQ(readBytes(path()), QByteArray("\x25"));
}

TEST_F(SettingsFile, FailuresAreReportedAndKeepTheOldFile)
{
    const QByteArray old(200, '\x0B');
    writeBytes(path(), old);
    SaveResult written;
    {
        const parlora::testfiles::FileSizeLimit diskFull(16);
        written = writeSettingsByte(dir.path(), 0x25);
    }
    EXPECT_FALSE(written);
    EXPECT_FALSE(written.error.isEmpty());
    EXPECT_EQ(readBytes(path()), old);

    QFile::remove(path());
    ASSERT_TRUE(QDir(dir.path()).mkdir(SettingsFileName));
    const StartupSettings state = readSettingsFile(dir.path());
    EXPECT_FALSE(state.fileCreated);
    EXPECT_FALSE(state.createResult);
    EXPECT_FALSE(writeSettingsByte(dir.path(), 10));
}

} // namespace
