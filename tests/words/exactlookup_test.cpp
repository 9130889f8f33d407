#include "words/exactlookup.h"

#include "words/textrules.h"

#include <gtest/gtest.h>

using namespace parlora;
using namespace parlora::words;

namespace {

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

SearchState lookUp(const QString &entry, const QString &typed, const QString &target, bool wordMatches = true)
{
    SearchState state;
    FindExactMatch(state, entry, PrepareQuery(typed), target, wordMatches);
    return state;
}

TEST(ExactLookup, WholeEntryMatchShowsStoredTexts)
{
    const SearchState state = lookUp(u("Perché"), "perche'", "Porque");
    EXPECT_EQ(state.translations, QStringList{u("Perché --> Porque")});
    EXPECT_TRUE(state.ExactFound);
    EXPECT_EQ(state.FoundText, u("Perché"));
    EXPECT_TRUE(state.resultText.isEmpty());
}

TEST(ExactLookup, WordMatchAddsHighlightedBlockOnlyWhenEnabled)
{
    SearchState state = lookUp("la casa (grande)", "casa", "a casa");
    EXPECT_TRUE(state.translations.isEmpty());
    EXPECT_EQ(state.resultText, "la CASA (grande)\r\na casa\r\n\r\n");
    EXPECT_TRUE(state.ExactFound);

    state = lookUp("la casa (grande)", "casa", "a casa", false);
    EXPECT_FALSE(state.ExactFound);
    EXPECT_TRUE(state.resultText.isEmpty());
}

TEST(ExactLookup, HighlightNeedsTheQueryInStoredCase)
{
    EXPECT_EQ(lookUp("Casa grande", "casa", "casarão").resultText, u("Casa grande\r\ncasarão\r\n\r\n"));
}

TEST(ExactLookup, RepeatedWordGivesOneBlockPerOccurrenceAndRecordsOrder)
{
    const SearchState state = lookUp("passo passo", "passo", "passo a passo");
    EXPECT_EQ(state.resultText, "PASSO PASSO\r\npasso a passo\r\n\r\nPASSO PASSO\r\npasso a passo\r\n\r\n");
    EXPECT_EQ(state.FoundText, "PASSO PASSOPASSO PASSO");

    // The last word records the text before its own highlighting.
    EXPECT_EQ(lookUp("va bene", "bene", "ok").FoundText, "va bene");
    EXPECT_EQ(lookUp("bene, bene", "bene", "ok").FoundText, "BENE, BENEBENE, BENE");
}

TEST(ExactLookup, QueryOfSeveralWordsMatchesOnlyWholeEntries)
{
    EXPECT_FALSE(lookUp("come stai oggi", "come stai", "x").ExactFound);
    EXPECT_TRUE(lookUp("Come stai", "come stai", "x").ExactFound);
}

TEST(ExactLookup, EmptyQueryMatchesEmptyEntriesAndEmptyWords)
{
    EXPECT_EQ(lookUp("", " ", "vuoto").translations, QStringList{" --> vuoto"});
    // "fine." has an empty last word, so the spaces-only query finds it.
    EXPECT_EQ(lookUp("fine.", " ", "fim").resultText, "fine.\r\nfim\r\n\r\n");
}

TEST(ExactLookup, DuplicateLinesAreTestedAgainstTheTranslationsList)
{
    SearchState state;
    FindExactMatch(state, "casa", "casa", "casa", false);
    FindExactMatch(state, "casa", "casa", "casa", false);
    FindExactMatch(state, "casa", "casa", "lar", false);
    EXPECT_EQ(state.translations, (QStringList{"casa --> casa", "casa --> lar"}));
    EXPECT_EQ(state.addedLines.size(), 2);

    // A similar word equal to a translation line is not added to the other list.
    AddListItem(state, ResultList::SimilarWords, "casa --> lar");
    AddListItem(state, ResultList::SimilarWords, "case");
    EXPECT_EQ(state.similarWords, QStringList{"case"});
    ASSERT_EQ(state.addedLines.size(), 3);
    EXPECT_EQ(state.addedLines.last().list, ResultList::SimilarWords);
}

} // namespace
