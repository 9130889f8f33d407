#include "plainsearch.h"
#include "phrasebook/phrasebookindex.h"
#include "phrasebook/phrasebooksearch.h"

#include "dictionary/phrasepadding.h"

#include <gtest/gtest.h>

#include "qtprinters.h"

using namespace parlora;
using namespace parlora::phrasebook;

namespace {

Phrasebook makePhrasebook(const QList<PhraseRecord> &phrases)
{
    Phrasebook phrasebook;
    for (const PhraseRecord &phrase : phrases) {
        phrasebook.Display.append(phrase);
        phrasebook.Search.append({PadPhrasePunctuation(phrase.Language1), PadPhrasePunctuation(phrase.Language2)});
    }
    return phrasebook;
}

// Runs the plain scan and the indexed one and insists they agree.
QString search(const QString &query, const GrammarList &grammar, const Phrasebook &phrasebook, bool direction = true)
{
    SearchState plain;
    NullProgressSink progress;
    SearchPhrasebook(plain, query, grammar, phrasebook, direction, progress);
    SearchState indexed;
    PhrasebookIndex(phrasebook, direction).Search(indexed, query, grammar);
    EXPECT_EQ(plain.resultText, indexed.resultText) << qPrintable(query);
    EXPECT_FALSE(plain.ExactFound);
    return plain.resultText;
}

TEST(PhrasebookSearch, RewriteReplacesTheMatchedEnding)
{
    EXPECT_EQ(RewriteQuery("parlo", {"*o", "*are"}), "parlare");
    EXPECT_EQ(RewriteQuery("parlo", {"*", "*"}), "parlo");
    EXPECT_EQ(RewriteQuery("parla", {"*o", "*are"}), std::nullopt);
    // The whole query is the ending: nothing of it is kept.
    EXPECT_EQ(RewriteQuery("o", {"*o", "*are"}), "are");
    EXPECT_EQ(RewriteQuery("parlo", {"*o", ""}), "parl");
    // Wildcards after the "*" make the kept length shorter than the ending...
    EXPECT_EQ(RewriteQuery("cane", {"*[ae]", "*i"}), "i");
    // ... or below zero: such a rule does not apply.
    EXPECT_EQ(RewriteQuery("cani", {"*[!ae]i", "*e"}), std::nullopt);
    EXPECT_EQ(RewriteQuery("aeizz", {"*[aeiou][aeiou][aeiou]zz", "*o"}), std::nullopt);
    // An empty word would match between any two spaces of every phrase.
    EXPECT_EQ(RewriteQuery("", {"*", "*"}), std::nullopt);
    EXPECT_EQ(RewriteQuery("s", {"*s", "*"}), std::nullopt);
}

TEST(PhrasebookSearch, FindsWholeWordsOfTheSearchForm)
{
    const Phrasebook phrasebook = makePhrasebook({{"Buongiorno, Maria!", "Bom dia, Maria!"},
                                                  {"la casa.", "a casa."},
                                                  {"(casa) mia", "minha (casa)"},
                                                  {"la casa e le casalinghe", "a casa e as donas de casa"}});
    const GrammarList identity{{{"*", "*"}}};
    EXPECT_EQ(search("dia", identity, phrasebook, false), "Bom DIA, Maria!\r\nBuongiorno, Maria!\r\n\r\n");
    // Words compare without regard to case, as a reader would: a phrase's
    // first word and names are capitalised, the query is not.
    EXPECT_EQ(search("maria", identity, phrasebook, false), "Bom dia, MARIA!\r\nBuongiorno, Maria!\r\n\r\n");
    EXPECT_EQ(search("casa", identity, phrasebook),
              "la CASA.\r\na casa.\r\n\r\nla CASA e le CASAlinghe\r\na casa e as donas de casa\r\n\r\n");
}

TEST(PhrasebookSearch, ResultsInRuleOrderThenPhraseOrderWithoutDuplicateTest)
{
    const Phrasebook phrasebook = makePhrasebook({{"io parlo", "eu falo"}, {"parlare bene", "falar bem"}});
    EXPECT_EQ(search("parlo", GrammarList{{{"*o", "*are"}, {"*", "*"}, {"*", "*"}}}, phrasebook),
              "PARLARE bene\r\nfalar bem\r\n\r\nio PARLO\r\neu falo\r\n\r\nio PARLO\r\neu falo\r\n\r\n");
}

// The base forms of an inflected query find their phrases after the
// grammar's rewrites, each phrase once.
TEST(PhrasebookSearch, BaseFormsFindTheirPhrasesOnce)
{
    const Phrasebook phrasebook = makePhrasebook({{"Fare la spesa", "Fazer compras"}, {"Fatto!", "Feito!"}});
    SearchState state;
    PhrasebookIndex(phrasebook, true).Search(state, "fatto", GrammarList{{{"*", "*"}}}, {"fare", "fatto"});
    EXPECT_EQ(state.resultText, "FATTO!\r\nFeito!\r\n\r\nFARE la spesa\r\nFazer compras\r\n\r\n");
}

TEST(PhrasebookSearch, RewrittenTextWithSpacesIsSearchedLiterallyButNeverAnEmptyWord)
{
    const Phrasebook phrasebook = makePhrasebook({{"bom dia a todos", "x"}, {"a  b. C", "y"}, {"z", "w"}});
    const GrammarList identity{{{"*", "*"}}};
    EXPECT_EQ(search("dia a", identity, phrasebook), "bom DIA A todos\r\nx\r\n\r\n");
    // Every phrase with punctuation has two spaces in its search form: an
    // empty query (spaces typed alone) once listed them all.
    EXPECT_EQ(search("", identity, phrasebook), "");
}

TEST(PhrasebookSearch, EmptyGrammarOrPhrasebookShowsNothing)
{
    EXPECT_EQ(search("casa", GrammarList(), makePhrasebook({{"casa", "casa"}})), "");
    EXPECT_EQ(search("casa", GrammarList{{{"*", "*"}}}, Phrasebook()), "");
}

} // namespace
