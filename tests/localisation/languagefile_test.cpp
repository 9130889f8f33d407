#include "languagetestfiles.h"

#include "localisation/languagefile.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace parlora;

namespace {

struct ReadCase {
    const char *name;
    QByteArray bytes;
    QStringList expected;
};

void PrintTo(const ReadCase &row, std::ostream *out)
{
    *out << row.name;
}

class ReadLanguageLineTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadLanguageLineTest, ReturnsTheMeaningfulLinesThenRunsOut)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("test.lng"));
    test::writeBytes(path, GetParam().bytes);

    TextFileReader file(path);
    QStringList read;
    for (QString line = ReadLanguageLine(file); !line.isEmpty(); line = ReadLanguageLine(file))
        read.append(line);
    EXPECT_EQ(read, GetParam().expected);
    EXPECT_TRUE(file.atEnd());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReadLanguageLineTest,
    testing::Values(
        ReadCase{"CommentsAndBlanksAnywhereAreSkipped", "# a\r\n\r\n' b\r\nx\r\n\r\n#c\r\n'\r\ny\r\n# end\r\n\r\n", {"x", "y"}},
        ReadCase{"SpacesAreMeaningful", "   \r\n #not a comment\r\n '\r\n", {"   ", " #not a comment", " '"}},
        ReadCase{"CarriageReturnAloneEndsALine", "a\rb\r\rc", {"a", "b", "c"}},
        ReadCase{"LoneLineFeedStaysInTheLine", "a\nb\r\n", {"a\nb"}},
        ReadCase{"OnlyCommentsRunsOut", "# one\r\n' two\r\n\r\n", {}},
        ReadCase{"DecodesWindows1252", "Perch\xe9 s\xec\r\nTradu\xe7\xe3o\r\n",
                 {QStringLiteral("Perché sì"), QStringLiteral("Tradução")}}),
    [](const testing::TestParamInfo<ReadCase> &info) { return std::string(info.param.name); });

class ReadLanguageFileTest : public testing::Test {
protected:
    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }
    QTemporaryDir m_dir;
};

TEST_F(ReadLanguageFileTest, SplitsFixedLinesFromMessages)
{
    test::writeLanguageFile(path("a.lng"), test::numberedLines(QStringLiteral("caption"), FixedLanguageLineCount)
                                               + test::numberedLines(QStringLiteral("message"), 30));

    const LanguageFileContents contents = readLanguageFile(path("a.lng"));
    ASSERT_TRUE(contents.ok) << contents.error.toStdString();
    ASSERT_EQ(contents.fixedLines.size(), FixedLanguageLineCount);
    EXPECT_EQ(contents.fixedLines.first(), QStringLiteral("caption 1"));
    EXPECT_EQ(contents.fixedLines.last(), QStringLiteral("caption 57"));
    ASSERT_EQ(contents.messages.size(), 30);
    EXPECT_EQ(contents.messages.first(), QStringLiteral("message 1"));
    EXPECT_EQ(contents.messages.last(), QStringLiteral("message 30"));
}

TEST_F(ReadLanguageFileTest, UnusableFilesAreRefusedWithAReason)
{
    test::writeLanguageFile(path("short.lng"), test::numberedLines(QStringLiteral("caption"), FixedLanguageLineCount - 1));
    QDir(m_dir.path()).mkdir(QStringLiteral("folder.lng"));

    for (const char *name : {"short.lng", "folder.lng", "missing.lng"}) {
        SCOPED_TRACE(name);
        const LanguageFileContents contents = readLanguageFile(path(name));
        EXPECT_FALSE(contents.ok);
        EXPECT_FALSE(contents.error.isEmpty());
        EXPECT_TRUE(contents.fixedLines.isEmpty());
    }
}

} // namespace
