// Checks the dictionary, phrasebook and grammar files that ship in dist/dic,
// loaded the way the program loads them.

#include "dictionary/languagepairloader.h"
#include "phrasebook/phrasebooksearch.h"
#include "platform/textfile.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace parlora;

namespace {

const ApplicationFolder Shipped(QStringLiteral(PARLORA_DIST));

// Read once for all tests; reading the dictionary files writes nothing.
const DictionaryData &shipped()
{
    static const DictionaryData data = [] {
        DictionaryData loaded;
        NullProgressSink progress;
        EXPECT_EQ(LoadDictionaryFiles(Shipped, LanguagePair(), QString(), loaded, progress), LoadOutcome::Loaded);
        return loaded;
    }();
    return data;
}

TEST(ShippedData, HoldEnoughRecordsAndEverydayWords)
{
    const MainDictionary &dictionary = shipped().mainDictionary;
    EXPECT_GE(dictionary.Count(), 12000);
    EXPECT_LE(dictionary.Count(), MaxListEntries);
    EXPECT_GE(shipped().phrasebook.Count(), 400);
    QSet<QString> records;
    for (int i = 0; i < dictionary.Count(); ++i)
        records.insert(dictionary.Language1Entries[i] + " = " + dictionary.Language2Entries[i]);
    for (const char *record : {"casa = casa", "cane = cão", "acqua = água", "città = cidade"})
        EXPECT_TRUE(records.contains(QString::fromUtf8(record))) << record;
}

// A missing or extra line would shift every later record by one line and
// pair entries with the wrong translations, which the loader cannot notice.
TEST(ShippedData, RecordsAreThreeLinesWithEmptySeparators)
{
    for (const char *name : {"portital.diz", "portugal.fra"}) {
        TextFileReader file(Shipped.dataFile(name));
        ASSERT_TRUE(file.isOpen()) << name;
        int line = 0;
        while (!file.atEnd()) {
            const bool separator = ++line % 3 == 0;
            ASSERT_EQ(file.readLine().isEmpty(), separator) << name << " line " << line;
        }
        EXPECT_EQ(line % 3, 0) << name << " ends inside a record";
    }
}

// Each rule must be "*" plus a literal ending: any other wildcard would make
// the rewrite keep the wrong number of characters.
TEST(ShippedData, GrammarListsHoldEndingRulesAfterTheIdentityRule)
{
    for (const GrammarList *grammar : {&shipped().language1Grammar, &shipped().language2Grammar}) {
        ASSERT_GE(grammar->Count(), 25);
        EXPECT_EQ(grammar->Rules.first().Pattern, "*");
        EXPECT_EQ(grammar->Rules.first().Replacement, "*");
        for (const GrammarRule &rule : grammar->Rules) {
            for (const QString &side : {rule.Pattern, rule.Replacement}) {
                EXPECT_TRUE(side.startsWith(u'*')) << side.toStdString();
                for (QChar wildcard : {u'*', u'?', u'#', u'['})
                    EXPECT_FALSE(QStringView(side).mid(1).contains(wildcard)) << side.toStdString();
            }
        }
    }
}

// None of these forms occurs in the phrasebook as written: a phrase is found
// only when a grammar rule turns the word into a form a phrase uses.
TEST(ShippedData, InflectedWordsFindPhrasesThroughTheGrammar)
{
    const struct {
        const char *name;
        bool direction; // true: Italian is searched
        QStringList words;
    } cases[] = {
        {"Italian", true,
         {"parlo", "parlare", "mangia", "mangiare", "prende", "arrivare", "partire", "dorme", "capisce", "studiare",
          "studia", "viaggiare", "viaggia", "abitare", "abita", "compra", "costare", "chiudere", "aprire",
          "cominciare", "amica", "gatto", "giornale", "libro", "chiave", "scarpa", "vicina", "fresca", "fredda",
          "simpatico"}},
        {"Portuguese", false,
         {"falo", "comer", "come", "estudar", "estuda", "morar", "sair", "abrir", "começar", "custar", "compra",
          "dorme", "toma", "gostar", "viajar", "viaja", "sapato", "mala", "amigo", "amiga", "gato", "livro", "colega",
          "chave", "animal", "cheia", "fechado", "fria", "vizinho", "mulher"}},
    };
    for (const auto &c : cases) {
        const GrammarList &grammar = c.direction ? shipped().language1Grammar : shipped().language2Grammar;
        QStringList missed;
        for (const QString &word : c.words) {
            SearchState state;
            NullProgressSink progress;
            phrasebook::SearchPhrasebook(state, word, grammar, shipped().phrasebook, c.direction, progress);
            if (state.resultText.isEmpty())
                missed << word;
        }
        EXPECT_GE(c.words.size() - missed.size(), 27) << c.name << ": no phrase for " << missed.join(", ").toStdString();
    }
}

} // namespace
