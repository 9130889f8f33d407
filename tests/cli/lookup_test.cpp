#include "cli/lookupcommand.h"
#include "platform/textfile.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace parlora;

namespace {

struct LookupOutput {
    int exitCode = -1;
    QString out;
    QString err;
};

// A complete small application folder, made afresh for each test; the index
// cache goes to a folder of the test's own.
class Lookup : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_cache.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_cache.filePath("config")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_cache.filePath("data")));
        ASSERT_TRUE(QDir(m_folder.path()).mkpath("dic"));
        ASSERT_TRUE(QDir(m_folder.path()).mkpath("lang"));
        write("dic/portital.diz", {"casa", "casa", "", "casa", "lar", "", "la casa grande", "a casa grande", "",
                                   "cane", "cão", "", "parlare", "falar", ""});
        write("dic/portugal.fra", {"Il cane dorme.", "O cão dorme.", ""});
        write("dic/ital.gra", {"*i", "*e"});
        write("dic/portugal.gra", {"*", "*"});
        write("dic/portital.per", {"gatto", "gato"});
        testfiles::writeBytes(m_folder.filePath("dic/ital.forms"), "parliamo\tparlare\n");
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

    // In this process, as a script would call it with standard input closed.
    LookupOutput run(const QStringList &arguments, const QByteArray &input = {}) const
    {
        LookupOutput result;
        QList<QByteArray> lines = input.split('\n');
        QByteArray out;
        QByteArray err;
        cli::LookupIo io;
        io.dataSearch = {m_folder.path(), true, "dic/portital.diz", {m_folder.path()}};
        io.standardInputIsTerminal = input.isEmpty();
        io.readLine = [&](QByteArray &line) {
            if (lines.isEmpty())
                return false;
            line = lines.takeFirst();
            return true;
        };
        io.writeOut = [&](const QByteArray &bytes) { return (out += bytes), true; };
        io.writeErr = [&](const QByteArray &bytes) { err += bytes; };
        result.exitCode = cli::runLookup(QStringList{"--lang", "Italiano"} + arguments, io);
        result.out = QString::fromUtf8(out);
        result.err = QString::fromUtf8(err);
        return result;
    }

    // The real program, for what only a process shows.
    LookupOutput runProcess(const QStringList &arguments, const QByteArray &input, const QString &outputFile = {}) const
    {
        QProcess process;
        if (!outputFile.isEmpty())
            process.setStandardOutputFile(outputFile);
        process.start(QStringLiteral(PARLORA_LOOKUP_PATH), QStringList{"--data", m_folder.path()} + arguments);
        process.write(input);
        process.closeWriteChannel();
        process.waitForFinished(30000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
    }

    QTemporaryDir m_folder;
    QTemporaryDir m_cache;
};

TEST_F(Lookup, PrintsWhatTheWindowWouldShow)
{
    const struct {
        const char *name;
        QStringList arguments;
        int exitCode;
        const char *out;
    } cases[] = {
        {"SimilarWordsOfAMiss", {"--from", "it", "Cano"}, 1, "non trovata (similar)\n\nSimilar words:\n  cane\n"},
        {"PhrasesAfterSimilarWords", {"--from", "it", "--phrases", "--no-base-forms", "Cani"}, 1,
         "non trovata (similar)\n\nSimilar words:\n  cane\n\nPhrases:\nIl CANE dorme.\nO cão dorme.\n"},
        {"WordsJoinedIntoOneQuery", {"--from", "it", "--no-similar", "--phrases", "La", "Casa", "grande"}, 0,
         "la casa grande --> a casa grande\n"},
        {"LeadingHyphenAfterDoubleDash", {"--no-similar", "--from", "it", "--", "-mente"}, 1, "non trovata\n"},
        {"ExactMatchesInFileOrder", {"--from", "it", "--no-similar", "casa"}, 0, "casa --> casa\ncasa --> lar\n"},
        {"Utf8BothWays", {"--from", "pt", "--no-similar", "CÃO"}, 0, "cão --> cane\n"},
        {"PersonalDictionarySearched", {"--from", "it", "gatto"}, 0, "gatto --> gato\n"},
        {"BaseFormOfAnInflectedWord", {"--from", "it", "--no-similar", "parliamo"}, 0,
         "parliamo \u00bb parlare --> falar\n"},
        {"BaseFormsSwitchedOff", {"--from", "it", "--no-similar", "--no-base-forms", "parliamo"}, 1, "non trovata\n"},
        // casa is a word of both languages: both answers, each under its heading.
        {"BothDirectionsWithoutFrom", {"--no-similar", "casa"}, 0,
         "Italian \u2192 Portuguese:\ncasa --> casa\ncasa --> lar\n\nPortuguese \u2192 Italian:\ncasa --> casa\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const LookupOutput result = run(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.out, QString::fromUtf8(c.out));
        EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
    }
}

// The mapped index file must answer exactly as the indexes built in memory;
// a damaged one is made again, never trusted.
TEST_F(Lookup, TheIndexCacheAnswersAsTheDictionaryAndSurvivesDamage)
{
    const QStringList arguments{"--from", "it", "--phrases", "casa"};
    const LookupOutput built = run(arguments);
    const QStringList caches = QDir(m_cache.filePath("parlora")).entryList({"index-*.bin"});
    ASSERT_EQ(caches.size(), 1);
    const QString cache = m_cache.filePath("parlora/" + caches.front());
    EXPECT_EQ(run(arguments).out, built.out) << "from the cache";

    QFile file(cache);
    const qint64 whole = file.size();
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.resize(whole / 2));
    file.close();
    EXPECT_EQ(run(arguments).out, built.out) << "a truncated cache is rebuilt";
    EXPECT_EQ(QFileInfo(cache).size(), whole);

    write("dic/portital.diz", {"casa", "lar", ""});
    EXPECT_EQ(run({"--from", "it", "--no-similar", "casa"}).out, "casa --> lar\n") << "a stale cache is not used";
}

TEST_F(Lookup, DefaultsDoNotDependOnWhatTheWindowSaved)
{
    // Language 1 -> 2, no similar words, English.
    writeLanguage("English", "not found");
    QDir().mkpath(m_cache.filePath("config/parlora"));
    testfiles::writeBytes(m_folder.filePath("parlora.ini"), QByteArray(1, char(1 | 16)));

    LookupOutput result = run({"canx"});
    EXPECT_TRUE(result.out.contains("Similar words:")) << "similar words are on by default";
    EXPECT_TRUE(result.out.contains("Portuguese \u2192 Italian:")) << "both directions by default";

    cli::LookupIo io;
    QByteArray out;
    io.dataSearch = {m_folder.path(), true, "dic/portital.diz", {m_folder.path()}};
    io.writeOut = [&](const QByteArray &bytes) { return (out += bytes), true; };
    io.writeErr = [](const QByteArray &) {};
    EXPECT_EQ(cli::runLookup({"--saved", "canx"}, io), cli::ExitNotFound);
    EXPECT_EQ(out, "not found\n") << "--saved takes the direction, options and language saved";
}

TEST_F(Lookup, BatchAnswersEveryLineAndJsonIsOneObjectPerLine)
{
    const LookupOutput text = run({"--from", "it", "--no-similar", "-"}, "casa\n\ncane\r\n");
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(text.out, "casa --> casa\ncasa --> lar\n\ncane --> cão\n");

    const LookupOutput json = runProcess({"--json", "--from", "it", "--no-similar", "-"}, "casa\ncane\nparliamo\nzzz\n");
    EXPECT_EQ(json.exitCode, 0);
    const QStringList lines = json.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    QList<QJsonObject> objects;
    for (const QString &line : lines) {
        QJsonParseError error;
        objects << QJsonDocument::fromJson(line.toUtf8(), &error).object();
        EXPECT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
    }
    EXPECT_EQ(objects[0]["query"].toString(), "casa");
    EXPECT_EQ(objects[0]["direction"].toString(), "it-pt");
    EXPECT_EQ(objects[1]["translations"].toArray().at(0).toObject()["target"].toString(), "cão");
    EXPECT_EQ(objects[2]["translations"].toArray().at(0).toObject()["baseForm"].toString(), "parlare");
    EXPECT_FALSE(objects[3]["found"].toBool());
}

TEST_F(Lookup, ErrorsExitWithTwo)
{
    EXPECT_EQ(run({"--from", "it"}).exitCode, 2) << "no word, and standard input is a terminal";
    const QList<QStringList> usageErrors = {{"--from", "es", "casa"}, {"--similar", "--no-similar", "casa"},
                                            {"--fast", "casa"},       {""},
                                            {"--lang", "Klingon", "casa"}};
    for (const QStringList &arguments : usageErrors) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const LookupOutput result = runProcess(arguments, {});
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_FALSE(result.err.isEmpty());
    }
    const LookupOutput help = runProcess({"--help"}, {});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: parlora-lookup"));
    EXPECT_TRUE(help.out.contains("--no-base-forms"));
    EXPECT_EQ(runProcess({"--version"}, {}).out, "parlora-lookup 3.1\n");

    // Without data, the folders looked in are named.
    cli::LookupIo nowhere;
    QByteArray err;
    nowhere.dataSearch = {{}, false, "dic/portital.diz", {"/opt/a", "/opt/share/parlora"}};
    nowhere.writeOut = [](const QByteArray &) { return true; };
    nowhere.writeErr = [&](const QByteArray &bytes) { err += bytes; };
    EXPECT_EQ(cli::runLookup({"casa"}, nowhere), cli::ExitFailure);
    EXPECT_TRUE(err.contains("/opt/a, /opt/share/parlora")) << err.toStdString();

    // Output that cannot be written is a failure, not a success.
    EXPECT_EQ(runProcess({"--from", "it", "casa"}, {}, "/dev/full").exitCode, 2);

    QFile::remove(m_folder.filePath("dic/portital.diz"));
    const LookupOutput missing = run({"casa"});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.err, "Italiano lacks its main dictionary\n");

    // One that is there but cannot be read is an error too, never an empty
    // dictionary that finds nothing.
    QFile huge(m_folder.filePath("dic/portital.diz"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(MaxDataFileBytes + 1));
    huge.close();
    const LookupOutput unreadable = run({"casa"});
    EXPECT_EQ(unreadable.exitCode, 2);
    EXPECT_TRUE(unreadable.err.contains(huge.fileName())) << unreadable.err.toStdString();
}

TEST_F(Lookup, ExportsThePersonalDictionary)
{
    const QString file = m_cache.filePath("mine.csv");
    const LookupOutput result = run({"--export-personal", file});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(testfiles::readBytes(file), QByteArray("Italiano,Portugu\xc3\xaas\ngatto,gato\n"));
    EXPECT_EQ(run({"--export-personal", m_cache.filePath("new folder/x.tsv")}).exitCode, 0);
    EXPECT_EQ(run({"--export-personal", m_cache.path()}).exitCode, 2) << "a folder is no file";
}

TEST_F(Lookup, WritesNoFileButTheCache)
{
    QFile::remove(m_folder.filePath("dic/portital.per"));
    EXPECT_EQ(run({"casa"}).exitCode, 0);
    EXPECT_FALSE(QFile::exists(m_folder.filePath("parlora.ini")));
    EXPECT_FALSE(QFile::exists(m_folder.filePath("dic/portital.per")));
}

} // namespace
