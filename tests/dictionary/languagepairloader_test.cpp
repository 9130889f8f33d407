#include "dictionary/languagepairloader.h"
#include "phrasebook/phrasepadding.h"
#include "testfiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace parlora;
using parlora::testfiles::readBytes;
using parlora::testfiles::writeBytes;

namespace {

class RecordingSink : public ProgressSink {
public:
    void setStatusText(const QString &text) override { statusTexts.append(text); }
    void setProgressMaximum(int maximum) override { maxima.append(maximum); }
    void setProgressValue(int value) override { values.append(value); }
    QStringList statusTexts;
    QList<int> maxima;
    QList<int> values;
};

QByteArray records(int count, const char *prefix)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += prefix + QByteArray::number(i) + "\r\nx\r\n\r\n";
    return bytes;
}

// An application folder holding a one-record main dictionary.
class LanguagePairFolder : public ::testing::Test {
protected:
    void SetUp() override { writeDic(pair.MainDictionaryFile, "casa\r\ncasa\r\n\r\n"); }

    QString appPath() const { return root.filePath(QStringLiteral("app")); }
    QString dicPath(const QString &name) const { return appPath() + QStringLiteral("/dic/") + name; }
    void writeDic(const QString &name, const QByteArray &bytes) { writeBytes(dicPath(name), bytes); }
    LoadResult load()
    {
        data = DictionaryData();
        return LoadLanguagePair(ApplicationFolder(appPath()), root.filePath(QStringLiteral("cwd")), pair,
                                QStringLiteral("loading"), data, personal, progress);
    }

    QTemporaryDir root;
    LanguagePair pair;
    DictionaryData data;
    PersonalDictionary personal;
    RecordingSink progress;
};

TEST_F(LanguagePairFolder, MainDictionaryKeepsCompleteRecordsInFileOrder)
{
    const struct {
        const char *name;
        QByteArray bytes;
        QStringList language1, language2;
    } rows[] = {
        {"LoneLastLineDropped", "casa\r\ncasa\r\n\r\ncane\r\nc\xE3o\r\n\r\ngatto", {"casa", "cane"}, {"casa", "cão"}},
        {"MissingLastSeparatorKeepsRecord", "  a \rb\r-\rcane\r\nc\xE3o", {"  a ", "cane"}, {"b", "cão"}},
        {"EmptyFile", "", {}, {}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        writeDic(pair.MainDictionaryFile, row.bytes);
        ASSERT_EQ(load().outcome, LoadOutcome::Loaded);
        EXPECT_EQ(data.mainDictionary.Language1Entries, row.language1);
        EXPECT_EQ(data.mainDictionary.Language2Entries, row.language2);
    }
}

TEST(FileEncodeAndDecode, ReportsProgressPerRecordAndResetsAtTheEnd)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("portital.diz"));
    writeBytes(path, "casa\r\nlar\r\n--\r\ncane\r\nc\xE3o\r\n\r\n"); // 28 bytes
    MainDictionary dictionary;
    RecordingSink progress;
    FileEncodeAndDecode(path, QStringLiteral("Caricamento"), dictionary, progress);

    // Half the file as maximum; each record adds its 2nd and 3rd line + 3.
    EXPECT_EQ(progress.maxima, QList<int>{14});
    EXPECT_EQ(progress.values, (QList<int>{3 + 2 + 3, 8 + 3 + 0 + 3, 0}));
    EXPECT_EQ(progress.statusTexts, (QStringList{QStringLiteral("Caricamento"), QString()}));
}

TEST(PadPhrasePunctuation, TurnsSentenceMarksIntoSpacesAndPadsBothEnds)
{
    EXPECT_EQ(PadPhrasePunctuation(u"Bom dia, Maria!"), QStringLiteral(" Bom dia  Maria  "));
    EXPECT_EQ(PadPhrasePunctuation(u".,:;!?"), QStringLiteral("        "));
    EXPECT_EQ(PadPhrasePunctuation(u"(casa) l'uomo - Sì"), QStringLiteral(" (casa) l'uomo - Sì "));
}

TEST_F(LanguagePairFolder, LoadsEveryListAndCreatesAnEmptyPersonalDictionary)
{
    writeDic(pair.PhrasebookFile, "Buongiorno!\r\nBom dia!\r\n\r\nGrazie.\r\nObrigado.\r\n\r\n");
    writeDic(pair.Language1GrammarFile, "*o\r\n*are\r\n");
    writeDic(pair.Language2GrammarFile, "*s\r\n*\r\n*\xF5" "es\r\n*\xE3o\r\n");

    const LoadResult result = load();
    EXPECT_TRUE(result.personalDictionaryError.isEmpty());
    ASSERT_EQ(data.phrasebook.Count(), 2);
    EXPECT_EQ(data.phrasebook.Display[0].Language2, QStringLiteral("Bom dia!"));
    EXPECT_EQ(data.phrasebook.Search[0].Language2, QStringLiteral(" Bom dia  "));
    EXPECT_EQ(data.phrasebook.Search[1].Language1, QStringLiteral(" Grazie  "));
    EXPECT_EQ(data.language1Grammar.Count(), 1);
    ASSERT_EQ(data.language2Grammar.Count(), 2);
    EXPECT_EQ(data.language2Grammar.Rules[1].Pattern, QStringLiteral("*ões"));
    EXPECT_EQ(readBytes(dicPath(pair.PersonalDictionaryFile)), QByteArray());
    EXPECT_TRUE(FileExists(dicPath(pair.PersonalDictionaryFile)));
    EXPECT_EQ(progress.statusTexts.last(), QString());
}

TEST_F(LanguagePairFolder, MissingMainDictionaryLoadsNothingElse)
{
    QFile::remove(dicPath(pair.MainDictionaryFile));
    writeDic(pair.PhrasebookFile, "a\r\nb\r\n\r\n");
    writeBytes(appPath() + QStringLiteral("/portital.per"), "old\r\nword\r\n");

    EXPECT_EQ(load().outcome, LoadOutcome::MainDictionaryMissing);
    EXPECT_EQ(data.phrasebook.Count(), 0);
    EXPECT_FALSE(FileExists(dicPath(pair.PersonalDictionaryFile)));
    EXPECT_TRUE(FileExists(appPath() + QStringLiteral("/portital.per"))) << "no migration either";
}

TEST_F(LanguagePairFolder, PhrasebookRecordsFollowTheMainDictionaryRule)
{
    EXPECT_EQ(load().outcome, LoadOutcome::Loaded);
    EXPECT_EQ(data.phrasebook.Count(), 0) << "a missing phrasebook is an empty one";
    EXPECT_EQ(data.language1Grammar.Count(), 0);

    // Two lines without separator make a record; a lone first line does not.
    writeDic(pair.PhrasebookFile, "Ciao\r\nOl\xE1\r\n\r\nSi\r\nSim\r\n\r\nsolo");
    load();
    EXPECT_EQ(data.phrasebook.Count(), 2);
    EXPECT_EQ(data.phrasebook.Search.size(), 2);
    writeDic(pair.PhrasebookFile, "Ciao\r\nOl\xE1");
    load();
    ASSERT_EQ(data.phrasebook.Count(), 1);
    EXPECT_EQ(data.phrasebook.Display[0].Language2, QStringLiteral("Olá"));
}

TEST_F(LanguagePairFolder, GrammarPairsMarkedLines)
{
    const struct {
        const char *name;
        QByteArray bytes;
        QList<QStringList> rules; // pattern, replacement
    } rows[] = {
        {"CommentsAnywhere", "# endings\r\n*ando\r\nnote\r\n*are\r\n", {{"*ando", "*are"}}},
        {"OnlyUnmarkedLine", "abc\r\n", {{"abc", ""}}},
        {"UnpairedMarkThenText", "*o\r\n*are\r\n*i\r\nfine\r\n", {{"*o", "*are"}, {"*i", "fine"}}},
        {"TextAfterLastPair", "*o\r\n*are\r\n\r\nfine\r\n", {{"*o", "*are"}, {"fine", ""}}},
        {"StarInsideIsNotAMark", "a*\r\n*o\r\n *x\r\n*e\r\n", {{"*o", "*e"}}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        writeDic(pair.Language2GrammarFile, row.bytes);
        load();
        QList<QStringList> rules;
        for (const GrammarRule &rule : std::as_const(data.language2Grammar.Rules))
            rules.append({rule.Pattern, rule.Replacement});
        EXPECT_EQ(rules, row.rules);
    }
}

TEST_F(LanguagePairFolder, ListsStopAtTheLargestCount)
{
    writeDic(pair.MainDictionaryFile, records(MaxListEntries + 1, "m"));
    writeDic(pair.PhrasebookFile, records(MaxListEntries + 1, "p"));
    writeDic(pair.Language1GrammarFile, QByteArray("*a\r\n*b\r\n").repeated(MaxListEntries + 1));

    load();
    EXPECT_EQ(data.mainDictionary.Count(), MaxListEntries);
    EXPECT_EQ(data.mainDictionary.Language2Entries.size(), MaxListEntries);
    EXPECT_EQ(data.mainDictionary.Language1Entries.last(), QStringLiteral("m%1").arg(MaxListEntries - 1));
    EXPECT_EQ(data.phrasebook.Search.size(), MaxListEntries);
    EXPECT_EQ(data.language1Grammar.Count(), MaxListEntries);
}

TEST_F(LanguagePairFolder, MigrationMovesEverySourceInOrderAndTheLaterCopyWins)
{
    const QString oldest = root.filePath(QStringLiteral("Parlora versione 1.1/portital.per"));
    const QString dizionario = appPath() + QStringLiteral("/dizionario/portugal.per");
    writeBytes(oldest, "oldest\r\n1\r\n");
    writeBytes(dizionario, "dizionario\r\n2\r\n");

    EXPECT_TRUE(load().personalDictionaryError.isEmpty());
    EXPECT_EQ(readBytes(dicPath(QStringLiteral("portital.per"))), QByteArray("dizionario\r\n2\r\n"));
    EXPECT_FALSE(FileExists(oldest));
    EXPECT_FALSE(FileExists(dizionario));
    EXPECT_EQ(personal.Words(), QStringList{QStringLiteral("dizionario")});

    // Once in place, the personal dictionary is never replaced by an old one.
    const QString besideProgram = appPath() + QStringLiteral("/portital.per");
    writeBytes(besideProgram, "beside\r\n3\r\n");
    load();
    EXPECT_EQ(personal.Words(), QStringList{QStringLiteral("dizionario")});
    EXPECT_TRUE(FileExists(besideProgram));
}

TEST_F(LanguagePairFolder, FailedMigrationKeepsTheSourceAndIsReported)
{
    // A folder where the personal dictionary must go makes every copy fail.
    ASSERT_TRUE(QDir().mkpath(dicPath(QStringLiteral("portital.per"))));
    const QString besideProgram = appPath() + QStringLiteral("/portital.per");
    writeBytes(besideProgram, "beside\r\n3\r\n");

    const LoadResult result = load();
    EXPECT_EQ(result.outcome, LoadOutcome::Loaded);
    EXPECT_FALSE(result.personalDictionaryError.isEmpty());
    EXPECT_EQ(readBytes(besideProgram), QByteArray("beside\r\n3\r\n"));
    EXPECT_FALSE(personal.SavePersonalDictionary()) << "nothing loaded, so nothing may be overwritten";
}

} // namespace
