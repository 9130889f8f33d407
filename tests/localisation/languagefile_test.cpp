#include "languagetestfiles.h"

#include "localisation/languagefile.h"
#include "platform/textfile.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "qtprinters.h"

using namespace parlora;

namespace {

TEST(LanguageLine, CommentsAreEmptyOrStartWithAMark)
{
    for (const char *comment : {"", "#", "# a", "#c", "'", "' b"})
        EXPECT_FALSE(isMeaningfulLanguageLine(QString::fromLatin1(comment))) << comment;
    for (const char *meaningful : {"x", " ", "   ", " #not a comment", " '", "a#b"})
        EXPECT_TRUE(isMeaningfulLanguageLine(QString::fromLatin1(meaningful))) << '"' << meaningful << '"';
}

// A file saved by a Linux editor was refused for its LF line ends, and one
// saved as UTF-8 showed mojibake. Every usual way of saving reads the same.
TEST(ReadLanguageFile, ReadsTheLineEndsAndEncodingsOfEveryEditor)
{
    const QByteArray windows1252 = "Perch\xe9 s\xec";
    const QByteArray utf8 = "Perch\xc3\xa9 s\xc3\xac";
    const struct {
        const char *name;
        QByteArray prefix;
        QByteArray word;
        QByteArray lineEnd;
    } rows[] = {
        {"Windows1252WithCrLf", "", windows1252, "\r\n"},
        {"Windows1252WithLf", "", windows1252, "\n"},
        {"Windows1252WithCr", "", windows1252, "\r"},
        {"Utf8WithLf", "", utf8, "\n"},
        {"Utf8WithCrLf", "", utf8, "\r\n"},
        {"Utf8WithByteOrderMark", "\xef\xbb\xbf", utf8, "\n"},
    };
    QTemporaryDir dir;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QByteArray bytes = row.prefix + "# a comment" + row.lineEnd + row.lineEnd;
        for (int line = 0; line < FixedLanguageLineCount + 2; ++line)
            bytes += row.word + ' ' + QByteArray::number(line) + row.lineEnd;
        const QString path = dir.filePath(QLatin1String(row.name) + QStringLiteral(".lng"));
        ASSERT_TRUE(writeFileAtomically(path, bytes));

        const LanguageFileContents contents = readLanguageFile(path);
        ASSERT_TRUE(contents.ok);
        EXPECT_EQ(contents.fixedLines.first(), QStringLiteral("Perch\u00e9 s\u00ec 0"));
        EXPECT_EQ(contents.messages, (QStringList{QStringLiteral("Perch\u00e9 s\u00ec 57"), QStringLiteral("Perch\u00e9 s\u00ec 58")}));
    }
}

// Valid UTF-8, with or without a byte-order mark, and plain Windows-1252
// are read by the line-end cases above; these are the ones that tell them
// apart.
TEST(DecodeLanguageFile, TakesUtf8OnlyWhereItIsValidUtf8)
{
    const struct {
        const char *name;
        QByteArray bytes;
        QString text;
    } rows[] = {
        {"Windows1252Quotes", "\x93" "ciao\x94", QStringLiteral("\u201cciao\u201d")},
        {"BrokenUtf8IsWindows1252", "\xc3\xa9 \xe9", QStringLiteral("\u00c3\u00a9 \u00e9")},
    };
    for (const auto &row : rows)
        EXPECT_EQ(decodeLanguageFileText(row.bytes), row.text) << row.name;
}

TEST(ReadLanguageFile, SaysWhyAFileCannotBeUsed)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("lang/Cartella.lng"));
    test::writeLanguageFile(dir.filePath(QStringLiteral("lang/Breve.lng")),
                            test::numberedLines(QStringLiteral("caption"), 40));
    QFile huge(dir.filePath(QStringLiteral("lang/Enorme.lng")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(MaxDataFileBytes + 1));
    huge.close();
    const ApplicationFolder folder(dir.path());
    const struct {
        const char *name;
        LanguageFileProblem problem;
        const char *detail;
    } rows[] = {
        {"Assente", LanguageFileProblem::Missing, ""},
        {"Cartella", LanguageFileProblem::Missing, ""},
        {"Breve", LanguageFileProblem::TooFewCaptions, "40"},
        {"../lang/Breve", LanguageFileProblem::NotALanguageName, ""},
        {"..\\lang\\Breve", LanguageFileProblem::NotALanguageName, ""},
        {"Enorme", LanguageFileProblem::Unreadable, nullptr},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const LanguageFileContents refused = readLanguageFile(folder, QString::fromUtf8(row.name));
        EXPECT_FALSE(refused.ok);
        EXPECT_EQ(refused.problem, row.problem);
        EXPECT_TRUE(refused.fixedLines.isEmpty());
        if (row.detail)
            EXPECT_EQ(refused.detail, QLatin1String(row.detail));
        else
            EXPECT_FALSE(refused.detail.isEmpty());
    }
    EXPECT_EQ(usableLanguageNames(folder), QStringList());
}

} // namespace
