// Checks the dictionary, phrasebook and grammar files that ship in dist/dic,
// loaded the way the program loads them.

#include "dictionary/languagepairloader.h"
#include "phrasebook/phrasebooksearch.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace parlora;

namespace {

const QString ShippedDic = QStringLiteral(PARLORA_SHIPPED_DIC);

constexpr int MinimumMainRecords = 12000;
constexpr int MinimumPhrases = 400;
constexpr int MinimumRules = 25;
constexpr int LinesPerRecord = 3;

// Loads a copy of the shipped files, so the loader's migration and the empty
// personal dictionary it creates never touch the source tree.
struct LoadedPair {
    QTemporaryDir root;
    DictionaryData data;
    PersonalDictionary personal;
    bool loaded = false;

    LoadedPair()
    {
        const QString app = root.filePath("app");
        if (!root.isValid() || !QDir().mkpath(app + "/dic") || !QDir().mkpath(root.filePath("cwd")))
            return;
        const LanguagePair pair;
        for (const QString &name : {pair.MainDictionaryFile, pair.PhrasebookFile, pair.Language1GrammarFile,
                                    pair.Language2GrammarFile}) {
            if (!QFile::copy(ShippedDic + "/" + name, app + "/dic/" + name))
                return;
        }
        NullProgressSink progress;
        const LoadResult result =
            LoadLanguagePair(ApplicationFolder(app), root.filePath("cwd"), pair, QString(), data, personal, progress);
        loaded = result.outcome == LoadOutcome::Loaded;
    }
};

class ShippedData : public testing::Test {
protected:
    static void SetUpTestSuite() { pair = std::make_unique<LoadedPair>(); }
    static void TearDownTestSuite() { pair.reset(); }
    void SetUp() override { ASSERT_TRUE(pair->loaded); }

    static const DictionaryData &data() { return pair->data; }
    static std::unique_ptr<LoadedPair> pair;
};

std::unique_ptr<LoadedPair> ShippedData::pair;

bool hasRecord(const MainDictionary &dictionary, const QString &italian, const QString &portuguese)
{
    for (int i = 0; i < dictionary.Count(); ++i) {
        if (dictionary.Language1Entries[i] == italian && dictionary.Language2Entries[i] == portuguese)
            return true;
    }
    return false;
}

TEST_F(ShippedData, HoldEnoughRecordsAndEverydayWords)
{
    const MainDictionary &dictionary = data().mainDictionary;
    EXPECT_GE(dictionary.Count(), MinimumMainRecords);
    EXPECT_LE(dictionary.Count(), MaxListEntries);
    EXPECT_GE(data().phrasebook.Count(), MinimumPhrases);
    EXPECT_TRUE(hasRecord(dictionary, "casa", "casa"));
    EXPECT_TRUE(hasRecord(dictionary, "cane", "cão"));
    EXPECT_TRUE(hasRecord(dictionary, "acqua", "água"));
    EXPECT_TRUE(hasRecord(dictionary, "città", "cidade"));
}

// A missing or extra line would shift every later record by one line and
// pair entries with the wrong translations, which the loader cannot notice.
TEST(ShippedFiles, RecordsAreThreeLinesWithEmptySeparators)
{
    for (const char *name : {"portital.diz", "portugal.fra"}) {
        TextFileReader file(ShippedDic + "/" + name);
        ASSERT_TRUE(file.isOpen()) << name;
        int line = 0;
        while (!file.atEnd()) {
            const QString text = file.readLine();
            ++line;
            if (line % LinesPerRecord == 0)
                ASSERT_TRUE(text.isEmpty()) << name << " line " << line << " should separate two records";
            else
                ASSERT_FALSE(text.isEmpty()) << name << " line " << line << " is empty inside a record";
        }
        EXPECT_EQ(line % LinesPerRecord, 0) << name << " ends inside a record";
    }
}

// Each rule must be "*" plus a literal ending: any other wildcard would make
// the rewrite keep the wrong number of characters.
TEST_F(ShippedData, GrammarListsHoldEndingRulesAfterTheIdentityRule)
{
    for (const GrammarList *grammar : {&data().language1Grammar, &data().language2Grammar}) {
        ASSERT_GE(grammar->Count(), MinimumRules);
        EXPECT_EQ(grammar->Rules.first().Pattern, "*");
        EXPECT_EQ(grammar->Rules.first().Replacement, "*");
        for (const GrammarRule &rule : grammar->Rules) {
            for (const QString &side : {rule.Pattern, rule.Replacement}) {
                EXPECT_TRUE(side.startsWith(u'*')) << side.toStdString();
                const QStringView ending = QStringView(side).mid(1);
                for (QChar wildcard : {u'*', u'?', u'#', u'['})
                    EXPECT_FALSE(ending.contains(wildcard)) << side.toStdString();
            }
        }
    }
}

struct InflectionCase {
    const char *name;
    bool direction; // true: Italian is searched
    QStringList words;
};

void PrintTo(const InflectionCase &c, std::ostream *out)
{
    *out << c.name;
}

class InflectedWords : public ShippedData, public testing::WithParamInterface<InflectionCase> {};

// None of these forms occurs in the phrasebook as written: a phrase is found
// only when a grammar rule turns the word into a form a phrase uses.
TEST_P(InflectedWords, FindPhrasesThroughTheGrammar)
{
    constexpr int MinimumFound = 27;
    const InflectionCase &c = GetParam();
    const GrammarList &grammar = c.direction ? data().language1Grammar : data().language2Grammar;
    QStringList missed;
    for (const QString &word : c.words) {
        SearchState state;
        NullProgressSink progress;
        phrasebook::SearchPhrasebook(state, word, grammar, data().phrasebook, c.direction, progress);
        if (state.resultText.isEmpty())
            missed << word;
    }
    EXPECT_GE(c.words.size() - missed.size(), MinimumFound) << "no phrase for: " << missed.join(", ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    ShippedData, InflectedWords,
    testing::Values(
        InflectionCase{"Italian", true,
                       {"parlo",    "parlare",   "mangia",  "mangiare",   "prende",  "arrivare", "partire",
                        "dorme",    "capisce",   "studiare", "studia",    "viaggiare", "viaggia", "abitare",
                        "abita",    "compra",    "costare", "chiudere",   "aprire",  "cominciare", "amica",
                        "gatto",    "giornale",  "libro",   "chiave",     "scarpa",  "vicina",   "fresca",
                        "fredda",   "simpatico"}},
        InflectionCase{"Portuguese", false,
                       {"falo",   "comer",  "come",   "estudar", "estuda", "morar",   "sair",   "abrir",
                        "começar", "custar", "compra", "dorme",   "toma",   "gostar",  "viajar", "viaja",
                        "sapato", "mala",   "amigo",  "amiga",   "gato",   "livro",   "colega", "chave",
                        "animal", "cheia",  "fechado", "fria",   "vizinho", "mulher"}}),
    [](const testing::TestParamInfo<InflectionCase> &info) { return std::string(info.param.name); });

} // namespace
