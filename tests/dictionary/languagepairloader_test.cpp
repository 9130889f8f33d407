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

// Lines joined with CR LF, each ended, as the data files are written.
QByteArray crlfLines(std::initializer_list<const char *> lines)
{
    QByteArray bytes;
    for (const char *line : lines)
        bytes.append(line).append("\r\n");
    return bytes;
}

QByteArray manyRecords(int count, const char *prefix)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += prefix + QByteArray::number(i) + "\r\nx\r\n\r\n";
    return bytes;
}

struct MainDictionaryCase {
    const char *name;
    QByteArray bytes;
    QStringList language1;
    QStringList language2;
};

class MainDictionaryFile : public ::testing::TestWithParam<MainDictionaryCase> {};

TEST_P(MainDictionaryFile, KeepsCompleteRecordsInFileOrder)
{
    const MainDictionaryCase &row = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("portital.diz"));
    writeBytes(path, row.bytes);

    MainDictionary dictionary;
    dictionary.Language1Entries = QStringList{QStringLiteral("left over")};
    dictionary.Language2Entries = QStringList{QStringLiteral("left over")};
    NullProgressSink progress;
    FileEncodeAndDecode(path, QString(), dictionary, progress);

    EXPECT_EQ(dictionary.Language1Entries, row.language1);
    EXPECT_EQ(dictionary.Language2Entries, row.language2);
}

INSTANTIATE_TEST_SUITE_P(
    Records, MainDictionaryFile,
    testing::Values(
        MainDictionaryCase{"TwoRecords", crlfLines({"casa", "casa", "", "cane", "c\xE3o", ""}), {"casa", "cane"},
                           {"casa", QStringLiteral("cão")}},
        MainDictionaryCase{"LoneLastLineDropped", crlfLines({"casa", "casa", "", "cane", "c\xE3o", "", "gatto"}),
                           {"casa", "cane"}, {"casa", QStringLiteral("cão")}},
        MainDictionaryCase{"MissingLastSeparatorKeepsRecord", "casa\r\ncasa\r\n\r\ncane\r\nc\xE3o",
                           {"casa", "cane"}, {"casa", QStringLiteral("cão")}},
        MainDictionaryCase{"EmptyFile", "", {}, {}},
        MainDictionaryCase{"CrOnlyAndSpacesKept", "  a \rb\r-\r", {"  a "}, {"b"}}),
    [](const testing::TestParamInfo<MainDictionaryCase> &info) { return std::string(info.param.name); });

TEST(FileEncodeAndDecode, ReportsProgressPerRecordAndResetsAtTheEnd)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("portital.diz"));
    // 28 bytes: the maximum is half of it; the value counts the second and
    // third line of each record plus 3.
    writeBytes(path, crlfLines({"casa", "lar", "--", "cane", "c\xE3o", ""}));
    ASSERT_EQ(QFileInfo(path).size(), 28);

    MainDictionary dictionary;
    RecordingSink progress;
    FileEncodeAndDecode(path, QStringLiteral("Caricamento"), dictionary, progress);

    EXPECT_EQ(progress.maxima, QList<int>{14});
    EXPECT_EQ(progress.values, (QList<int>{3 + 2 + 3, 8 + 3 + 0 + 3, 0}));
    EXPECT_EQ(progress.statusTexts, (QStringList{QStringLiteral("Caricamento"), QString()}));
}

TEST(FileEncodeAndDecode, EmptyFileHasMaximumZero)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("portital.diz"));
    writeBytes(path, "");
    MainDictionary dictionary;
    RecordingSink progress;
    FileEncodeAndDecode(path, QString(), dictionary, progress);
    EXPECT_EQ(dictionary.Count(), 0);
    EXPECT_EQ(progress.maxima, QList<int>{0});
    EXPECT_EQ(progress.values, QList<int>{0});
}

TEST(ReadMarkedLine, SkipsUnmarkedLinesAndStopsAtTheEnd)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("g.gra"));
    writeBytes(path, crlfLines({"note", "", "*a", "x*", "*b", "tail"}));
    TextFileReader file(path);
    EXPECT_EQ(ReadMarkedLine(file), QStringLiteral("*a"));
    EXPECT_EQ(ReadMarkedLine(file), QStringLiteral("*b"));
    EXPECT_EQ(ReadMarkedLine(file), QStringLiteral("tail")) << "the end comes first: the last line read";
    EXPECT_EQ(ReadMarkedLine(file), QString()) << "already at the end";
}

TEST(PadPhrasePunctuation, TurnsSentenceMarksIntoSpacesAndPadsBothEnds)
{
    const struct {
        const char16_t *text;
        const char16_t *padded;
    } rows[] = {
        {u"Bom dia!", u" Bom dia  "},
        {u"Bom dia, Maria!", u" Bom dia  Maria  "},
        {u"", u"  "},
        {u".,:;!?", u"        "},
        {u"(casa) l'uomo - Sì", u" (casa) l'uomo - Sì "},
    };
    for (const auto &row : rows)
        EXPECT_EQ(PadPhrasePunctuation(row.text), QString::fromUtf16(row.padded)) << QString::fromUtf16(row.text).toStdString();
}

// An application folder with the files a test asks for in dic/.
class LanguagePairFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("app/dic")));
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("cwd")));
        writeDic(pair.MainDictionaryFile, crlfLines({"casa", "casa", ""}));
    }

    QString appPath() const { return root.filePath(QStringLiteral("app")); }
    QString currentFolder() const { return root.filePath(QStringLiteral("cwd")); }
    QString dicPath(const QString &name) const { return appPath() + QStringLiteral("/dic/") + name; }
    void writeDic(const QString &name, const QByteArray &bytes) { writeBytes(dicPath(name), bytes); }

    LoadResult load()
    {
        return LoadLanguagePair(ApplicationFolder(appPath()), currentFolder(), pair, QStringLiteral("loading"), data,
                                personal, progress);
    }

    QTemporaryDir root;
    LanguagePair pair;
    DictionaryData data;
    PersonalDictionary personal;
    RecordingSink progress;
};

TEST_F(LanguagePairFolder, LoadsEveryListAndCreatesAnEmptyPersonalDictionary)
{
    writeDic(pair.PhrasebookFile, crlfLines({"Buongiorno!", "Bom dia!", "", "Grazie.", "Obrigado.", ""}));
    writeDic(pair.Language1GrammarFile, crlfLines({"# endings", "*ando", "note", "*are"}));
    writeDic(pair.Language2GrammarFile, crlfLines({"*s", "*", "*\xF5" "es", "*\xE3o"}));

    const LoadResult result = load();

    EXPECT_EQ(result.outcome, LoadOutcome::Loaded);
    EXPECT_TRUE(result.personalDictionaryError.isEmpty());
    EXPECT_EQ(data.mainDictionary.Count(), 1);
    ASSERT_EQ(data.phrasebook.Count(), 2);
    EXPECT_EQ(data.phrasebook.Display[0].Language2, QStringLiteral("Bom dia!"));
    EXPECT_EQ(data.phrasebook.Search[0].Language1, QStringLiteral(" Buongiorno  "));
    EXPECT_EQ(data.phrasebook.Search[0].Language2, QStringLiteral(" Bom dia  "));
    EXPECT_EQ(data.phrasebook.Search[1].Language2, QStringLiteral(" Obrigado  "));
    ASSERT_EQ(data.language1Grammar.Count(), 1);
    EXPECT_EQ(data.language1Grammar.Rules[0].Pattern, QStringLiteral("*ando"));
    EXPECT_EQ(data.language1Grammar.Rules[0].Replacement, QStringLiteral("*are"));
    ASSERT_EQ(data.language2Grammar.Count(), 2);
    EXPECT_EQ(data.language2Grammar.Rules[1].Pattern, QStringLiteral("*ões"));

    EXPECT_TRUE(FileExists(dicPath(pair.PersonalDictionaryFile)));
    EXPECT_EQ(readBytes(dicPath(pair.PersonalDictionaryFile)), QByteArray());
    EXPECT_EQ(personal.EntryCount(), 0);
    EXPECT_EQ(progress.statusTexts.value(1), QStringLiteral("loading"));
    EXPECT_EQ(progress.statusTexts.last(), QString());
}

TEST_F(LanguagePairFolder, MissingMainDictionaryLoadsNothingElse)
{
    QFile::remove(dicPath(pair.MainDictionaryFile));
    writeDic(pair.PhrasebookFile, crlfLines({"a", "b", ""}));
    writeBytes(appPath() + QStringLiteral("/portital.per"), crlfLines({"old", "word"}));

    EXPECT_EQ(load().outcome, LoadOutcome::MainDictionaryMissing);
    EXPECT_EQ(data.phrasebook.Count(), 0);
    EXPECT_FALSE(FileExists(dicPath(pair.PersonalDictionaryFile)));
    EXPECT_TRUE(FileExists(appPath() + QStringLiteral("/portital.per"))) << "no migration either";
}

TEST_F(LanguagePairFolder, MissingPhrasebookAndGrammarGiveEmptyLists)
{
    EXPECT_EQ(load().outcome, LoadOutcome::Loaded);
    EXPECT_EQ(data.phrasebook.Count(), 0);
    EXPECT_EQ(data.phrasebook.Search.size(), 0);
    EXPECT_EQ(data.language1Grammar.Count(), 0);
    EXPECT_EQ(data.language2Grammar.Count(), 0);
}

TEST_F(LanguagePairFolder, PhrasebookRecordCutShortFollowsTheMainDictionaryRule)
{
    // Two lines without separator make a record; a lone first line does not.
    writeDic(pair.PhrasebookFile, "Ciao\r\nOl\xE1\r\n\r\nSi\r\nSim\r\n\r\nsolo");
    load();
    ASSERT_EQ(data.phrasebook.Count(), 2);
    EXPECT_EQ(data.phrasebook.Display[1].Language2, QStringLiteral("Sim"));
    EXPECT_EQ(data.phrasebook.Search.size(), 2);

    writeDic(pair.PhrasebookFile, "Ciao\r\nOl\xE1");
    data = DictionaryData();
    load();
    ASSERT_EQ(data.phrasebook.Count(), 1);
    EXPECT_EQ(data.phrasebook.Display[0].Language2, QStringLiteral("Olá"));
}

struct GrammarCase {
    const char *name;
    QByteArray bytes;
    QList<QStringList> rules; // pattern, replacement
};

class GrammarFile : public ::testing::TestWithParam<GrammarCase> {};

TEST_P(GrammarFile, PairsMarkedLines)
{
    const GrammarCase &row = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("dic")));
    LanguagePair pair;
    writeBytes(dir.filePath(QStringLiteral("dic/") + pair.MainDictionaryFile), "");
    writeBytes(dir.filePath(QStringLiteral("dic/") + pair.Language1GrammarFile), row.bytes);
    DictionaryData data;
    PersonalDictionary personal;
    NullProgressSink progress;
    LoadLanguagePair(ApplicationFolder(dir.path()), dir.path(), pair, QString(), data, personal, progress);

    QList<QStringList> rules;
    for (const GrammarRule &rule : std::as_const(data.language1Grammar.Rules))
        rules.append({rule.Pattern, rule.Replacement});
    EXPECT_EQ(rules, row.rules);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, GrammarFile,
    testing::Values(
        GrammarCase{"CommentsAnywhere", crlfLines({"# endings", "*ando", "note", "*are"}), {{"*ando", "*are"}}},
        GrammarCase{"Empty", "", {}},
        GrammarCase{"OnlyUnmarkedLine", crlfLines({"abc"}), {{"abc", ""}}},
        GrammarCase{"UnpairedLastMark", crlfLines({"*o", "*are", "*i"}), {{"*o", "*are"}, {"*i", ""}}},
        GrammarCase{"UnpairedMarkThenText", crlfLines({"*o", "*are", "*i", "fine"}),
                    {{"*o", "*are"}, {"*i", "fine"}}},
        GrammarCase{"TextAfterLastPair", crlfLines({"*o", "*are", "", "fine"}), {{"*o", "*are"}, {"fine", ""}}},
        GrammarCase{"StarInsideIsNotAMark", crlfLines({"a*", "*o", " *x", "*e"}), {{"*o", "*e"}}}),
    [](const testing::TestParamInfo<GrammarCase> &info) { return std::string(info.param.name); });

TEST_F(LanguagePairFolder, ListsStopAtTheLargestCount)
{
    const int tooMany = MaxListEntries + 1;
    writeDic(pair.MainDictionaryFile, manyRecords(tooMany, "m"));
    writeDic(pair.PhrasebookFile, manyRecords(tooMany, "p"));
    QByteArray grammar;
    for (int i = 0; i < tooMany; ++i)
        grammar += "*" + QByteArray::number(i) + "\r\n*r\r\n";
    writeDic(pair.Language1GrammarFile, grammar);

    load();
    EXPECT_EQ(data.mainDictionary.Count(), MaxListEntries);
    EXPECT_EQ(data.mainDictionary.Language2Entries.size(), MaxListEntries);
    EXPECT_EQ(data.mainDictionary.Language1Entries.last(), QStringLiteral("m%1").arg(MaxListEntries - 1));
    EXPECT_EQ(data.phrasebook.Count(), MaxListEntries);
    EXPECT_EQ(data.phrasebook.Search.size(), MaxListEntries);
    EXPECT_EQ(data.language1Grammar.Count(), MaxListEntries);
}

// The three places older installations kept the personal dictionary.
class Migration : public LanguagePairFolder {
protected:
    QString oldest() const { return root.filePath(QStringLiteral("Parlora versione 1.1/portital.per")); }
    QString dizionario() const { return appPath() + QStringLiteral("/dizionario/portugal.per"); }
    QString besideProgram() const { return appPath() + QStringLiteral("/portital.per"); }
    QString target() const { return dicPath(QStringLiteral("portital.per")); }
};

TEST_F(Migration, MovesEverySourceInOrderAndTheLaterCopyWins)
{
    writeBytes(oldest(), crlfLines({"oldest", "1"}));
    writeBytes(dizionario(), crlfLines({"dizionario", "2"}));

    EXPECT_TRUE(load().personalDictionaryError.isEmpty());
    EXPECT_EQ(readBytes(target()), crlfLines({"dizionario", "2"}));
    EXPECT_FALSE(FileExists(oldest()));
    EXPECT_FALSE(FileExists(dizionario()));
    EXPECT_EQ(personal.Words(), QStringList{QStringLiteral("dizionario")});
}

TEST_F(Migration, FileBesideTheProgramWinsOverAllOthers)
{
    writeBytes(oldest(), crlfLines({"oldest", "1"}));
    writeBytes(dizionario(), crlfLines({"dizionario", "2"}));
    writeBytes(besideProgram(), crlfLines({"beside", "3"}));

    load();
    EXPECT_EQ(readBytes(target()), crlfLines({"beside", "3"}));
    EXPECT_FALSE(FileExists(besideProgram()));
}

TEST_F(Migration, ExistingPersonalDictionaryIsLeftAlone)
{
    writeDic(pair.PersonalDictionaryFile, crlfLines({"mine", "meu"}));
    writeBytes(dizionario(), crlfLines({"dizionario", "2"}));

    load();
    EXPECT_EQ(readBytes(target()), crlfLines({"mine", "meu"}));
    EXPECT_TRUE(FileExists(dizionario()));
    EXPECT_EQ(personal.Words(), QStringList{QStringLiteral("mine")});
}

TEST_F(Migration, FailedCopyKeepsTheSourceAndIsReported)
{
    // A folder where the personal dictionary must go makes every copy fail.
    ASSERT_TRUE(QDir().mkpath(target()));
    writeBytes(dizionario(), crlfLines({"dizionario", "2"}));

    const LoadResult result = load();
    EXPECT_EQ(result.outcome, LoadOutcome::Loaded);
    EXPECT_FALSE(result.personalDictionaryError.isEmpty());
    EXPECT_EQ(readBytes(dizionario()), crlfLines({"dizionario", "2"}));
    EXPECT_FALSE(personal.SavePersonalDictionary()) << "nothing loaded, so nothing may be overwritten";
}

} // namespace
