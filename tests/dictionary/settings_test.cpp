#include "dictionary/settings.h"
#include "testfiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

using namespace parlora;
using parlora::testfiles::readBytes;
using parlora::testfiles::writeBytes;

namespace {

const QString Italian = QStringLiteral("Italiano");
const QString Portuguese = QStringLiteral("Português");
const QString English = QStringLiteral("English");

class SettingsFile : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(QStringLiteral("parlora.ini")); }
    QTemporaryDir dir;
};

// Direction, similar words, phrases and base forms as four letters, for one
// comparison.
std::string flags(const Settings &settings)
{
    return {settings.Direction ? 'D' : '-', settings.SimilarWordSearch ? 'S' : '-',
            settings.PhrasebookSearch ? 'P' : '-', settings.BaseFormSearch ? 'B' : '-'};
}

TEST_F(SettingsFile, ReadsTheFirstByteAndCreatesAMissingFile)
{
    const struct {
        const char *name;
        std::optional<QByteArray> bytes; // none: no file yet
        std::string flags;
        QString language;
    } rows[] = {
        // The created byte says 11, but the first run keeps direction 2 -> 1 and phrases off.
        {"FirstRun", std::nullopt, "-S-B", Portuguese},
        {"EmptyFileReadsAsZero", "", "---B", English},
        {"PhrasesItalianForward", "\x25", "D-PB", Italian},
        {"ItalianWinsOverPortuguese", "\x0C", "---B", Italian},
        {"Bit64TurnsBaseFormsOff", "\xD0", "----", English},
        {"Bit128Ignored", "\x90", "---B", English},
        {"LaterBytesIgnored", QByteArray("\x0A\xFF\x25\x00", 4), "-S-B", Portuguese},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(path());
        if (row.bytes)
            writeBytes(path(), *row.bytes);
        const StartupSettings state = readSettingsFile(path());
        EXPECT_EQ(flags(state.settings), row.flags);
        EXPECT_EQ(state.interfaceLanguage, row.language);
        EXPECT_EQ(state.fileCreated, !row.bytes);
        EXPECT_EQ(readBytes(path()), row.bytes.value_or("\x0B\xFF")) << "reading changes no existing file";
    }
    QFile::remove(path());
    EXPECT_EQ(readSettingsFile(path(), false).interfaceLanguage, Portuguese);
    EXPECT_FALSE(QFile::exists(path())) << "asked not to create it";
}

// With the read table above, these pin every bit in both directions; a
// language without a bit of its own sets none and comes back as English.
TEST(SettingsByte, ComposesTheBitsOfTheState)
{
    EXPECT_EQ(composeSettingsByte({false, true, false}, Portuguese), 8 + 2) << "closing an unchanged first run";
    EXPECT_EQ(composeSettingsByte({true, false, true}, Italian), 32 + 4 + 1);
    EXPECT_EQ(composeSettingsByte({true, true, true}, QStringLiteral("Deutsch")), 32 + 2 + 1);
    EXPECT_EQ(composeSettingsByte({false, true, false}, QStringLiteral("italiano")), 2);
    EXPECT_EQ(composeSettingsByte({}, English), 16);
    EXPECT_EQ(composeSettingsByte({false, false, false, false}, English), 64 + 16) << "base forms off";
}

TEST_F(SettingsFile, WritingReplacesOnlyTheFirstByte)
{
    writeBytes(path(), QByteArray("\x0B\xFF\x07\x00\x09", 5));
    ASSERT_TRUE(writeSettingsByte(path(), 0x25));
    EXPECT_EQ(readBytes(path()), QByteArray("\x25\xFF\x07\x00\x09", 5));
    writeBytes(path(), "");
    ASSERT_TRUE(writeSettingsByte(path(), 0x25));
    EXPECT_EQ(readBytes(path()), QByteArray("\x25"));
    QFile::remove(path());
    ASSERT_TRUE(writeSettingsByte(path(), 0x25)) << "a vanished file is created again";
    EXPECT_EQ(readBytes(path()), QByteArray("\x25"));
}

// A full disk is tested with the personal dictionary: both save through the
// same atomic write.
TEST_F(SettingsFile, AFolderInThePlaceOfTheFileIsReported)
{
    ASSERT_TRUE(QDir().mkdir(path()));
    const StartupSettings state = readSettingsFile(path());
    EXPECT_TRUE(!state.fileCreated && !state.createResult && !state.createResult.error.isEmpty());
    EXPECT_EQ(state.interfaceLanguage, Portuguese);
    EXPECT_FALSE(writeSettingsByte(path(), 10));
}

// An installed copy's settings beside the program are where the user's own
// settings start; the copy itself is never written.
TEST_F(SettingsFile, AMissingFileStartsFromItsSeed)
{
    const QString seed = dir.filePath(QStringLiteral("beside/parlora.ini"));
    const QString user = dir.filePath(QStringLiteral("config/parlora/parlora.ini"));
    writeBytes(seed, "\x25\xFF");
    const StartupSettings state = readSettingsFile(user, true, seed);
    EXPECT_EQ(flags(state.settings), "D-PB");
    EXPECT_EQ(state.interfaceLanguage, Italian);
    EXPECT_EQ(readBytes(user), QByteArray("\x25\xFF")) << "the user's folder is created on demand";
    ASSERT_TRUE(writeSettingsByte(user, 0x0A));
    EXPECT_EQ(readBytes(seed), QByteArray("\x25\xFF"));
}

} // namespace
