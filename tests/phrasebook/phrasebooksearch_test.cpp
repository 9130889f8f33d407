#include "phrasebook/phrasebookindex.h"
#include "phrasebook/phrasebooksearch.h"

#include "phrasebook/phrasepadding.h"

#include <gtest/gtest.h>

using namespace parlora;
using namespace parlora::phrasebook;

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

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

GrammarList rules(const QList<GrammarRule> &list)
{
    GrammarList grammar;
    grammar.Rules = list;
    return grammar;
}

struct Recorder : ProgressSink {
    QList<int> maxima, values;
    void setStatusText(const QString &) override {}
    void setProgressMaximum(int maximum) override { maxima.append(maximum); }
    void setProgressValue(int value) override { values.append(value); }
};

// Runs the plain scan and the indexed one and insists they agree.
QString search(const QString &query, const GrammarList &grammar, const Phrasebook &phrasebook, bool direction)
{
    SearchState plain;
    NullProgressSink progress;
    SearchPhrasebook(plain, query, grammar, phrasebook, direction, progress);
    SearchState indexed;
    PhrasebookIndex(phrasebook, direction).Search(indexed, query, grammar, progress);
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
    // Wildcards after the "*" make the kept length shorter than the ending.
    EXPECT_EQ(RewriteQuery("cane", {"*[ae]", "*i"}), "i");
    // ... or below zero: such a rule does not apply.
    EXPECT_EQ(RewriteQuery("cani", {"*[!ae]i", "*e"}), std::nullopt);
    EXPECT_EQ(RewriteQuery("aeizz", {"*[aeiou][aeiou][aeiou]zz", "*o"}), std::nullopt);
}

TEST(PhrasebookSearch, FindsWholeWordsOfTheSearchForm)
{
    const Phrasebook phrasebook = makePhrasebook({{"Buongiorno, Maria!", "Bom dia, Maria!"},
                                                  {"la casa.", "a casa."},
                                                  {"(casa) mia", "minha (casa)"},
                                                  {"la casa e le casalinghe", "a casa e as donas de casa"}});
    const GrammarList identity = rules({{"*", "*"}});

    EXPECT_EQ(search("dia", identity, phrasebook, false), "Bom DIA, Maria!\r\nBuongiorno, Maria!\r\n\r\n");
    EXPECT_EQ(search("maria", identity, phrasebook, false), "");
    EXPECT_EQ(search("casa", identity, phrasebook, true),
              "la CASA.\r\na casa.\r\n\r\nla CASA e le CASAlinghe\r\na casa e as donas de casa\r\n\r\n");
}

TEST(PhrasebookSearch, ResultsInRuleOrderThenPhraseOrderWithoutDuplicateTest)
{
    const Phrasebook phrasebook = makePhrasebook({{"io parlo", "eu falo"}, {"parlare bene", "falar bem"}});
    const GrammarList grammar = rules({{"*o", "*are"}, {"*", "*"}, {"*", "*"}});
    EXPECT_EQ(search("parlo", grammar, phrasebook, true),
              "PARLARE bene\r\nfalar bem\r\n\r\n"
              "io PARLO\r\neu falo\r\n\r\n"
              "io PARLO\r\neu falo\r\n\r\n");
}

TEST(PhrasebookSearch, EmptyGrammarOrPhrasebookShowsNothingAndReportsProgress)
{
    const Phrasebook phrasebook = makePhrasebook({{"casa", "casa"}});
    EXPECT_EQ(search("casa", GrammarList(), phrasebook, true), "");
    EXPECT_EQ(search("casa", rules({{"*", "*"}}), Phrasebook(), true), "");

    Recorder progress;
    SearchState state;
    SearchPhrasebook(state, "x", rules({{"*a", "*o"}, {"*", "*"}}), phrasebook, true, progress);
    EXPECT_EQ(progress.maxima, QList<int>{2});
    EXPECT_EQ(progress.values, (QList<int>{1, 2}));
}

TEST(PhrasebookSearch, RewrittenTextWithSpacesOrEmptyIsSearchedLiterally)
{
    const Phrasebook phrasebook = makePhrasebook({{"bom dia a todos", "x"}, {"a  b", "y"}, {"z", "w"}});
    const GrammarList identity = rules({{"*", "*"}});
    EXPECT_EQ(search("dia a", identity, phrasebook, true), "bom DIA A todos\r\nx\r\n\r\n");
    // An empty query finds the phrases with two spaces in their search form.
    EXPECT_EQ(search("", identity, phrasebook, true), "a  b\r\ny\r\n\r\n");
}

} // namespace
