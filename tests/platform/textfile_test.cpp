#include "platform/textfile.h"
#include "testfiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace parlora;
using parlora::testfiles::readBytes;
using parlora::testfiles::writeBytes;

namespace {

// "At end" must turn true exactly after the last line: the loaders decide
// from it whether a record is complete.
TEST(TextFileReader, SplitsLinesAndKnowsTheEnd)
{
    const struct {
        const char *name;
        QByteArray bytes;
        QStringList lines;
    } rows[] = {
        {"CrLf", "casa\r\ncane\r\n", {"casa", "cane"}},
        {"CrAlone", "casa\rcane\r", {"casa", "cane"}},
        {"LoneLfIsOrdinary", "ca\nsa\r\ncane", {"ca\nsa", "cane"}},
        {"LfAfterLastTerminatorIsALine", "casa\r\n\n", {"casa", "\n"}},
        {"NoFinalTerminator", "casa\r\ncane", {"casa", "cane"}},
        {"EmptyFile", "", {}},
        {"CrBeforeCrLf", "a\r\r\nb", {"a", "", "b"}},
        {"Windows1252", "\xE0 \x80 \xE7\xE3o\r\n", {QStringLiteral("à € ção")}},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.txt"));
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        writeBytes(path, row.bytes);
        TextFileReader reader(path);
        ASSERT_TRUE(reader.isOpen());
        QStringList read;
        for (qsizetype i = 0; i < row.lines.size(); ++i) {
            ASSERT_FALSE(reader.atEnd()) << "before line " << i;
            read.append(reader.readLine());
        }
        EXPECT_EQ(read, row.lines);
        EXPECT_TRUE(reader.atEnd());
        EXPECT_EQ(reader.readLine(), QString()) << "reading past the end gives an empty line";
    }
}

TEST(WriteTextLines, WritesCrLfInWindows1252AndRefusesOtherText)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.txt"));
    ASSERT_TRUE(writeTextLines(path, {QStringLiteral("città"), QString(), QStringLiteral("5 €")}));
    EXPECT_EQ(readBytes(path), QByteArray("citt\xE0\r\n\r\n5 \x80\r\n"));

    const SaveResult refused = writeTextLines(path, {QStringLiteral("ok"), QStringLiteral("日本")});
    EXPECT_FALSE(refused);
    EXPECT_FALSE(refused.error.isEmpty());
    EXPECT_EQ(readBytes(path), QByteArray("citt\xE0\r\n\r\n5 \x80\r\n")) << "the old file stays";
    // Latin-1 letters and the code page's own signs pass; the C1 controls
    // whose bytes hold those signs (€ for U+0080, Ÿ for U+009F) do not.
    EXPECT_TRUE(canEncodeWindows1252(u"\u00A0àÿ € œ"));
    for (const char16_t *text : {u"ă", u"😀", u"\u0080", u"\u009F"})
        EXPECT_FALSE(canEncodeWindows1252(text)) << QString::fromUtf16(text).toStdString();
}

// A data file is read whole, in pieces, up to the cap and no further, and
// holds no more memory than its size: reading with the cap as the size
// once kept 128 MiB per file, even for a file of a few bytes.
TEST(ReadDataFile, ReadsWholeFilesUpToTheCapWithoutReservingIt)
{
    QTemporaryDir dir;
    constexpr qint64 Piece = 1024 * 1024;
    const struct {
        const char *name;
        qint64 size;
        bool ok;
    } rows[] = {
        {"empty", 0, true},
        {"aFewBytes", 3, true},
        {"moreThanOnePiece", 2 * Piece + 17, true},
        {"exactlyTheCap", MaxDataFileBytes, true},
        {"overTheCap", MaxDataFileBytes + 1, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = dir.filePath(QString::fromLatin1(row.name));
        QByteArray bytes(row.size, 'x');
        if (!bytes.isEmpty())
            bytes[bytes.size() - 1] = 'y';
        writeBytes(path, bytes);
        const FileBytes read = readDataFile(path);
        EXPECT_EQ(read.ok, row.ok) << read.error.toStdString();
        if (!row.ok)
            continue;
        EXPECT_EQ(read.bytes, bytes);
        EXPECT_LE(read.bytes.capacity(), std::max<qint64>(2 * row.size, Piece));
    }
}

} // namespace
