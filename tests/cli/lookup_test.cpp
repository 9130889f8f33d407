#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace parlora;

inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

namespace {

struct LookupOutput {
    int exitCode = -1;
    QString out;
    QString err;
};

// A complete small application folder, made afresh for each test.
class Lookup : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        ASSERT_TRUE(QDir(m_folder.path()).mkpath("dic"));
        ASSERT_TRUE(QDir(m_folder.path()).mkpath("lang"));
        write("dic/portital.diz", {"casa", "casa", "", "casa", "lar", "", "la casa grande", "a casa grande", "",
                                   "cane", "cão", "", "parlare", "falar", ""});
        write("dic/portugal.fra", {"Il cane dorme.", "O cão dorme.", ""});
        write("dic/ital.gra", {"*i", "*e"});
        write("dic/portugal.gra", {"*", "*"});
        write("dic/portital.per", {"gatto", "gato"});
        QFile forms(m_folder.filePath("dic/ital.forms"));
        ASSERT_TRUE(forms.open(QIODevice::WriteOnly) && forms.write("parliamo\tparlare\n") > 0);
        writeLanguage("Italiano", "non trovata");
    }

    void write(const QString &relative, const QStringList &lines)
    {
        ASSERT_TRUE(writeTextLines(m_folder.filePath(relative), lines));
    }

    // A language file whose not-found messages carry a recognisable text.
    void writeLanguage(const QString &name, const QString &notFound)
    {
        QStringList lines(1 + 57 + 23, "text");
        lines[0] = "# " + name;
        lines[1 + 57 + 3] = notFound + " (similar)";
        lines[1 + 57 + 4] = notFound;
        lines[1 + 57 + 21] = name + " lacks its main dictionary";
        write("lang/" + name + ".lng", lines);
    }

    LookupOutput run(const QStringList &arguments) const
    {
        QProcess process;
        process.start(QStringLiteral(PARLORA_LOOKUP_PATH), QStringList{"--data", m_folder.path()} + arguments);
        process.waitForFinished(30000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
    }

    QTemporaryDir m_folder;
};

TEST_F(Lookup, PrintsWhatTheWindowWouldShow)
{
    const struct {
        const char *name;
        QStringList arguments;
        int exitCode;
        const char *out;
    } cases[] = {
        {"AllThreeResultsInTheirFormat", {"--from", "it", "--similar", "--phrases", "Cano"}, 1,
         "non trovata (similar)\n\nSimilar words:\n  cane\n"},
        {"PhrasesAfterSimilarWords", {"--from", "it", "--similar", "--phrases", "--no-base-forms", "Cani"}, 1,
         "non trovata (similar)\n\nSimilar words:\n  cane\n\nPhrases:\nIl CANE dorme.\nO cão dorme.\n"},
        {"WordsJoinedIntoOneQuery", {"--from", "it", "--no-similar", "--phrases", "La", "Casa", "grande"}, 0,
         "la casa grande --> a casa grande\n"},
        {"LeadingHyphenAfterDoubleDash", {"--no-similar", "--", "-mente"}, 1, "non trovata\n"},
        {"ExactMatchesInFileOrder", {"--from", "it", "--no-similar", "--no-phrases", "casa"}, 0,
         "casa --> casa\ncasa --> lar\n"},
        {"Utf8BothWays", {"--from", "pt", "--no-similar", "CÃO"}, 0, "cão --> cane\n"},
        {"PersonalDictionarySearched", {"--from", "it", "gatto"}, 0, "gatto --> gato\n"},
        {"UnknownLanguageFallsBackToItalian", {"--lang", "Klingon", "--no-similar", "xyz"}, 1, "non trovata\n"},
        {"BaseFormOfAnInflectedWord", {"--from", "it", "--no-similar", "parliamo"}, 0, "parliamo \u00bb parlare --> falar\n"},
        {"BaseFormsSwitchedOff", {"--from", "it", "--no-similar", "--no-base-forms", "parliamo"}, 1, "non trovata\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const LookupOutput result = run(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.out, QString::fromUtf8(c.out));
    }
}

TEST_F(Lookup, WithoutSettingsOrLanguageFileStartsAsFirstRunAndWritesNothing)
{
    QFile::remove(m_folder.filePath("dic/portital.per"));
    QFile::remove(m_folder.filePath("lang/Italiano.lng"));
    // First run: Portuguese to Italian, similar words on, phrases off, and
    // without an Italian language file the built-in English messages.
    const LookupOutput result = run({"lari"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "Word not found: see the similar words\n\nSimilar words:\n  lar\n");
    EXPECT_FALSE(QFile::exists(m_folder.filePath("parlora.ini")));
    EXPECT_FALSE(QFile::exists(m_folder.filePath("dic/portital.per")));
}

TEST_F(Lookup, SettingsFileChoosesDirectionOptionsAndLanguage)
{
    writeLanguage("English", "not found");
    QFile settings(m_folder.filePath("parlora.ini"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    // Language 1 -> 2, no similar words, English.
    settings.write(QByteArray(1, char(1 | 16)));
    settings.close();
    EXPECT_EQ(run({"cane"}).out, "cane --> cão\n");
    EXPECT_EQ(run({"canx"}).out, "not found\n");
}

TEST_F(Lookup, UsageErrorsAndMissingMainDictionaryExitWithTwo)
{
    const QList<QStringList> usageErrors = {
        {"--from", "it"}, {"--from", "es", "casa"}, {"--similar", "--no-similar", "casa"}, {"--fast", "casa"}};
    for (const QStringList &arguments : usageErrors) {
        const LookupOutput result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_TRUE(result.err.contains("Usage:"));
    }
    const LookupOutput help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: parlora-lookup"));

    QFile::remove(m_folder.filePath("dic/portital.diz"));
    const LookupOutput result = run({"casa"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_EQ(result.err, "Italiano lacks its main dictionary\n");

    // One that is there but cannot be read is an error too, never an empty
    // dictionary that finds nothing.
    QFile huge(m_folder.filePath("dic/portital.diz"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(MaxDataFileBytes + 1));
    huge.close();
    const LookupOutput unreadable = run({"casa"});
    EXPECT_EQ(unreadable.exitCode, 2);
    EXPECT_TRUE(unreadable.err.contains(huge.fileName())) << unreadable.err.toStdString();
}

} // namespace
