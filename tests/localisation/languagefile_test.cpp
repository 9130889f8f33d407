#include "languagetestfiles.h"

#include "localisation/languagefile.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace parlora;

namespace {

TEST(LanguageLine, CommentsAreEmptyOrStartWithAMark)
{
    for (const char *comment : {"", "#", "# a", "#c", "'", "' b"})
        EXPECT_FALSE(isMeaningfulLanguageLine(QString::fromLatin1(comment))) << comment;
    for (const char *meaningful : {"x", " ", "   ", " #not a comment", " '", "a#b"})
        EXPECT_TRUE(isMeaningfulLanguageLine(QString::fromLatin1(meaningful))) << '"' << meaningful << '"';
}

// The test files put an empty line and a comment after every meaningful one,
// so reading them also skips what is not meant for the program.
TEST(ReadLanguageFile, SplitsFixedLinesFromMessagesAndRefusesUnusableFiles)
{
    QTemporaryDir dir;
    const auto path = [&dir](const char *name) { return dir.filePath(QLatin1String(name)); };
    const QStringList captions = test::numberedLines(QStringLiteral("caption"), FixedLanguageLineCount);
    const QStringList messages = test::numberedLines(QStringLiteral("Perché sì, tradução"), 30);
    test::writeLanguageFile(path("a.lng"), captions + messages);

    const LanguageFileContents contents = readLanguageFile(path("a.lng"));
    ASSERT_TRUE(contents.ok) << contents.error.toStdString();
    EXPECT_EQ(contents.fixedLines, captions);
    EXPECT_EQ(contents.messages, messages);

    test::writeLanguageFile(path("short.lng"), captions.mid(1));
    QDir(dir.path()).mkdir(QStringLiteral("folder.lng"));
    for (const char *name : {"short.lng", "folder.lng", "missing.lng"}) {
        SCOPED_TRACE(name);
        const LanguageFileContents refused = readLanguageFile(path(name));
        EXPECT_FALSE(refused.ok || refused.error.isEmpty());
        EXPECT_TRUE(refused.fixedLines.isEmpty());
    }
}

} // namespace
