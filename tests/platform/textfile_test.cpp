#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace parlora;

namespace {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

struct LineCase {
    const char *name;
    QByteArray bytes;
    QStringList lines;
};

class TextFileReaderLines : public testing::TestWithParam<LineCase> {};

// Reads every line and checks that "at end" turns true exactly after the last
// one: the loaders decide whether a record is complete from it.
TEST_P(TextFileReaderLines, SplitsLinesAndKnowsTheEnd)
{
    const LineCase &row = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.txt"));
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
    EXPECT_TRUE(reader.atEnd());
}

INSTANTIATE_TEST_SUITE_P(
    Rules, TextFileReaderLines,
    testing::Values(
        LineCase{"CrLf", "casa\r\ncane\r\n", {"casa", "cane"}},
        LineCase{"CrAlone", "casa\rcane\r", {"casa", "cane"}},
        LineCase{"LoneLfIsOrdinary", "ca\nsa\r\ncane", {QStringLiteral("ca\nsa"), "cane"}},
        LineCase{"LfAfterLastTerminatorIsALine", "casa\r\n\n", {"casa", QStringLiteral("\n")}},
        LineCase{"NoFinalTerminator", "casa\r\ncane", {"casa", "cane"}},
        LineCase{"EmptyFile", "", {}},
        LineCase{"EmptyLines", "\r\n\r\n", {"", ""}},
        LineCase{"CrBeforeCrLf", "a\r\r\nb", {"a", "", "b"}},
        LineCase{"Windows1252", "\xE0 \x80 \xE7\xE3o\r\n", {QStringLiteral("à € ção")}}),
    [](const testing::TestParamInfo<LineCase> &info) { return std::string(info.param.name); });

TEST(TextFileReader, MissingFileReadsAsEmpty)
{
    QTemporaryDir dir;
    TextFileReader reader(dir.filePath(QStringLiteral("missing.txt")));
    EXPECT_FALSE(reader.isOpen());
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), QString());
}

TEST(WriteTextLines, EndsEveryLineWithCrLfInWindows1252)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.txt"));
    ASSERT_TRUE(writeTextLines(path, {QStringLiteral("città"), QString(), QStringLiteral("5 €")}));
    EXPECT_EQ(readBytes(path), QByteArray("citt\xE0\r\n\r\n5 \x80\r\n"));

    ASSERT_TRUE(writeTextLines(path, {}));
    EXPECT_EQ(readBytes(path), QByteArray()) << "no lines leave an empty file";
}

TEST(WriteTextLines, RefusesTextOutsideTheCodePageAndKeepsTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.txt"));
    writeBytes(path, "old\r\n");

    const SaveResult result = writeTextLines(path, {QStringLiteral("ok"), QStringLiteral("日本")});
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(readBytes(path), QByteArray("old\r\n"));
}

TEST(WriteTextLines, ReportsAParentThatIsAFile)
{
    QTemporaryDir dir;
    const QString parent = dir.filePath(QStringLiteral("plain"));
    writeBytes(parent, "x");
    const SaveResult result = writeTextLines(parent + QStringLiteral("/out.txt"), {QStringLiteral("a")});
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.error.isEmpty());
}

TEST(CanEncodeWindows1252, AcceptsOnlyCodePageCharacters)
{
    EXPECT_TRUE(canEncodeWindows1252(u"àèìòù ç ã õ € œ"));
    EXPECT_TRUE(canEncodeWindows1252(u""));
    EXPECT_FALSE(canEncodeWindows1252(u"ă"));
    EXPECT_FALSE(canEncodeWindows1252(u"😀"));
}

TEST(FileExists, TrueOnlyForFiles)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a.txt"));
    writeBytes(file, "");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));

    EXPECT_TRUE(FileExists(file)) << "an empty file exists";
    EXPECT_FALSE(FileExists(dir.filePath(QStringLiteral("folder"))));
    EXPECT_FALSE(FileExists(dir.filePath(QStringLiteral("nothing"))));
}

TEST(CopyFileReplacing, ReplacesTheTargetAndKeepsTheSource)
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("source"));
    const QString target = dir.filePath(QStringLiteral("target"));
    writeBytes(source, "new\r\n");
    writeBytes(target, "older and longer\r\n");

    ASSERT_TRUE(copyFileReplacing(source, target));
    EXPECT_EQ(readBytes(target), QByteArray("new\r\n"));
    EXPECT_EQ(readBytes(source), QByteArray("new\r\n"));

    EXPECT_FALSE(copyFileReplacing(dir.filePath(QStringLiteral("missing")), target));
    EXPECT_EQ(readBytes(target), QByteArray("new\r\n"));

    ASSERT_TRUE(removeFile(source));
    EXPECT_FALSE(FileExists(source));
    EXPECT_FALSE(removeFile(source)) << "removing nothing is reported";
}

} // namespace
