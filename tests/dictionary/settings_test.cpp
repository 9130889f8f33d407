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
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path() const { return dir.filePath(SettingsFileName); }

    QTemporaryDir dir;
};

struct ByteCase {
    const char *name;
    QByteArray bytes;
    bool direction, similar, phrasebook;
    QString language;
};

class SettingsByteReading : public SettingsFile, public ::testing::WithParamInterface<ByteCase> {};

TEST_P(SettingsByteReading, SetsTheOptionsOfTheFirstByte)
{
    const ByteCase &row = GetParam();
    writeBytes(path(), row.bytes);

    const StartupSettings state = readSettingsFile(dir.path());
    EXPECT_EQ(state.settings.Direction, row.direction);
    EXPECT_EQ(state.settings.SimilarWordSearch, row.similar);
    EXPECT_EQ(state.settings.PhrasebookSearch, row.phrasebook);
    EXPECT_EQ(state.interfaceLanguage, row.language);
    EXPECT_FALSE(state.fileCreated);
    EXPECT_EQ(readBytes(path()), row.bytes) << "reading never changes the file";
}

INSTANTIATE_TEST_SUITE_P(
    Bits, SettingsByteReading,
    testing::Values(ByteCase{"EmptyFileReadsAsZero", "", false, false, false, English},
                    ByteCase{"PhrasesItalianForward", "\x25", true, false, true, Italian},
                    ByteCase{"ItalianWinsOverPortuguese", "\x0C", false, false, false, Italian},
                    ByteCase{"Portuguese", "\x0A", false, true, false, Portuguese},
                    ByteCase{"EnglishBit", "\x10", false, false, false, English},
                    ByteCase{"UnusedBitsIgnored", "\xC0", false, false, false, English},
                    ByteCase{"LaterBytesIgnored", QByteArray("\x0B\xFF\x25\x01", 4), true, true, false, Portuguese}),
    [](const testing::TestParamInfo<ByteCase> &info) { return std::string(info.param.name); });

TEST_F(SettingsFile, FirstRunCreatesTheFileAndStartsInPortuguese)
{
    const StartupSettings state = readSettingsFile(dir.path());

    EXPECT_TRUE(state.fileCreated);
    EXPECT_TRUE(state.createResult);
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

TEST_F(SettingsFile, WithoutCreatingNothingIsWritten)
{
    const StartupSettings state = readSettingsFile(dir.path(), false);
    EXPECT_FALSE(state.fileCreated);
    EXPECT_FALSE(QFile::exists(path()));
    EXPECT_TRUE(state.settings.SimilarWordSearch);
    EXPECT_EQ(state.interfaceLanguage, Portuguese);
}

TEST_F(SettingsFile, FolderInThePlaceOfTheFileIsReportedNotCreated)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(SettingsFileName));

    const StartupSettings state = readSettingsFile(dir.path());
    EXPECT_FALSE(state.fileCreated);
    EXPECT_FALSE(state.createResult);
    EXPECT_EQ(state.interfaceLanguage, Portuguese);

    const SaveResult written = writeSettingsByte(dir.path(), 10);
    EXPECT_FALSE(written);
    EXPECT_FALSE(written.error.isEmpty());
}

TEST(ComposeSettingsByte, SetsOneLanguageBitForKnownNamesOnly)
{
    const struct {
        QString language;
        quint8 bit;
    } rows[] = {
        {Italian, settingsbyte::ItalianBit},
        {Portuguese, settingsbyte::PortugueseBit},
        {English, settingsbyte::EnglishBit},
        {QStringLiteral("italiano"), 0},
        {QStringLiteral("Portugues"), 0},
        {QStringLiteral("Deutsch"), 0},
        {QString(), 0},
    };
    for (const auto &row : rows)
        EXPECT_EQ(composeSettingsByte(Settings(), row.language), row.bit) << row.language.toStdString();

    EXPECT_EQ(composeSettingsByte({true, true, true}, QStringLiteral("Deutsch")), 32 + 2 + 1);
}

// Every combination the window can hold comes back unchanged after a
// shutdown and a start; an unknown language comes back as English.
TEST_F(SettingsFile, EveryStateSurvivesARoundTrip)
{
    writeBytes(path(), QByteArray("\x0B\xFF"));
    for (const QString &language : {Italian, Portuguese, English, QStringLiteral("Deutsch")}) {
        for (int flags = 0; flags < 8; ++flags) {
            const Settings settings{bool(flags & 1), bool(flags & 2), bool(flags & 4)};
            ASSERT_TRUE(writeSettingsByte(dir.path(), composeSettingsByte(settings, language)));

            const StartupSettings state = readSettingsFile(dir.path());
            EXPECT_EQ(state.settings.Direction, settings.Direction);
            EXPECT_EQ(state.settings.SimilarWordSearch, settings.SimilarWordSearch);
            EXPECT_EQ(state.settings.PhrasebookSearch, settings.PhrasebookSearch);
            EXPECT_EQ(state.interfaceLanguage, language == QStringLiteral("Deutsch") ? English : language);
            EXPECT_EQ(readBytes(path()).mid(1), QByteArray("\xFF"));
        }
    }
}

TEST_F(SettingsFile, WritingReplacesOnlyTheFirstByte)
{
    const struct {
        const char *name;
        QByteArray before; // empty name: no file at all
        bool exists;
        QByteArray after;
    } rows[] = {
        {"LongerFile", QByteArray("\x0B\xFF\x07\x00\x09", 5), true, QByteArray("\x25\xFF\x07\x00\x09", 5)},
        {"EmptyFile", "", true, "\x25"},
        {"VanishedFile", "", false, "\x25"},
    };
    for (const auto &row : rows) {
        QFile::remove(path());
        if (row.exists)
            writeBytes(path(), row.before);
        ASSERT_TRUE(writeSettingsByte(dir.path(), 0x25)) << row.name;
        EXPECT_EQ(readBytes(path()), row.after) << row.name;
    }
}

TEST_F(SettingsFile, FailedWriteKeepsTheOldFile)
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
}

} // namespace
