#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace parlora;

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

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
                                   "cane", u("cão"), "", "parlare", "falar", ""});
        write("dic/portugal.fra", {"Il cane dorme.", u("O cão dorme."), ""});
        write("dic/ital.gra", {"*i", "*e"});
        write("dic/portugal.gra", {"*", "*"});
        write("dic/portital.per", {"gatto", "gato"});
        writeLanguage("Italiano", "non trovata");
    }

    void write(const QString &relative, const QStringList &lines)
    {
        ASSERT_TRUE(writeTextLines(m_folder.filePath(relative), lines));
    }

    // A language file whose not-found message carries a recognisable text.
    void writeLanguage(const QString &name, const QString &notFound)
    {
        QStringList lines{"# " + name};
        for (int i = 1; i <= 57; ++i)
            lines << QStringLiteral("caption %1").arg(i);
        for (int i = 0; i <= 22; ++i)
            lines << QStringLiteral("%1 message %2").arg(name).arg(i);
        lines[1 + 57 + 4] = notFound;
        lines[1 + 57 + 3] = notFound + " (similar)";
        write("lang/" + name + ".lng", lines);
    }

    LookupOutput run(QStringList arguments) const
    {
        QProcess process;
        process.start(QStringLiteral(PARLORA_LOOKUP_PATH), QStringList{"--data", m_folder.path()} + arguments);
        process.waitForFinished(30000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
    }

    QTemporaryDir m_folder;
};

TEST_F(Lookup, PrintsAllThreeResultsInTheirFormat)
{
    const LookupOutput result = run({"--from", "it", "--similar", "--phrases", "Cani"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, u("non trovata (similar)\n"
                            "\n"
                            "Similar words:\n"
                            "  cane\n"
                            "\n"
                            "Phrases:\n"
                            "Il CANE dorme.\n"
                            "O cão dorme.\n"));
}

TEST_F(Lookup, WordsAreJoinedIntoOneQuery)
{
    const LookupOutput result = run({"--from", "it", "--no-similar", "--phrases", "La", "Casa", "grande"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "la casa grande --> a casa grande\n");
    // After "--" a word may begin with a hyphen.
    EXPECT_EQ(run({"--no-similar", "--", "-mente"}).out, "non trovata\n");
}

TEST_F(Lookup, ExactMatchesInOrderWithUtf8AndExitZero)
{
    LookupOutput result = run({"--from", "it", "--no-similar", "--no-phrases", "casa"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "casa --> casa\ncasa --> lar\n");

    result = run({"--from", "pt", "--no-similar", u("CÃO")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, u("cão --> cane\n"));

    // The personal dictionary is searched too.
    result = run({"--from", "it", "gatto"});
    EXPECT_EQ(result.out.section('\n', 0, 0), "gatto --> gato");
}

TEST_F(Lookup, WithoutSettingsFileStartsAsFirstRunAndWritesNothing)
{
    QFile::remove(m_folder.filePath("dic/portital.per"));
    // First run: Portuguese to Italian, similar words on, phrases off.
    const LookupOutput result = run({"lares"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "non trovata (similar)\n\nSimilar words:\n  lar\n");
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
    EXPECT_EQ(run({"cane"}).out, u("cane --> cão\n"));
    const LookupOutput result = run({"cani"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "not found\n");
}

TEST_F(Lookup, LanguageFallsBackToItalianThenToBuiltInEnglish)
{
    EXPECT_EQ(run({"--lang", "Klingon", "--no-similar", "xyz"}).out, "non trovata\n");
    QFile::remove(m_folder.filePath("lang/Italiano.lng"));
    EXPECT_EQ(run({"--lang", "Klingon", "--no-similar", "xyz"}).out, "Word not found\n");
}

TEST_F(Lookup, MissingMainDictionaryAndUsageErrorsExitWithTwo)
{
    struct {
        const char *name;
        QStringList arguments;
    } const cases[] = {{"NoWord", {"--from", "it"}},
                       {"UnknownDirection", {"--from", "es", "casa"}},
                       {"ContradictoryOptions", {"--similar", "--no-similar", "casa"}},
                       {"UnknownOption", {"--fast", "casa"}}};
    for (const auto &c : cases) {
        const LookupOutput result = run(c.arguments);
        EXPECT_EQ(result.exitCode, 2) << c.name;
        EXPECT_TRUE(result.out.isEmpty()) << c.name;
        EXPECT_TRUE(result.err.contains("Usage:")) << c.name;
    }

    QFile::remove(m_folder.filePath("dic/portital.diz"));
    const LookupOutput result = run({"casa"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_EQ(result.err, "Italiano message 21\n");
}

TEST_F(Lookup, HelpPrintsUsage)
{
    const LookupOutput result = run({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.out.startsWith("Usage: parlora-lookup"));
}

} // namespace
