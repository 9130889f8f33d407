#include "plainsearch.h"
#include "words/exactlookup.h"

#include "words/textrules.h"

#include "qtprinters.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace parlora;
using namespace parlora::words;

namespace {

// One record against a typed query: what each list shows, and what the
// similar-word search will later find already reported.
TEST(ExactLookup, OneRecord)
{
    const struct {
        const char *name, *entry, *typed, *target;
        bool wordMatches;
        QStringList translations;
        const char *resultText, *foundText;
        bool found;
    } cases[] = {
        {"WholeEntryShowsStoredTexts", "Perché", "perche'", "Porque", true, {"Perché --> Porque"}, "", "Perché", true},
        {"WordMatchHighlightsTheWord", "la casa (grande)", "casa", "a casa", true, {},
         "la CASA (grande)\r\na casa\r\n\r\n", "la CASA (grande)", true},
        {"WordMatchesSwitchedOff", "la casa (grande)", "casa", "a casa", false, {}, "", "", false},
        {"HighlightNeedsTheQueryInStoredCase", "Casa grande", "casa", "casarão", true, {},
         "Casa grande\r\ncasarão\r\n\r\n", "Casa grande", true},
        // One block per entry however many words match; a match before the
        // last word records the highlighted text, the last word alone the text
        // before its highlighting.
        {"RepeatedWordGivesOneBlock", "passo passo", "passo", "passo a passo", true, {},
         "PASSO PASSO\r\npasso a passo\r\n\r\n", "PASSO PASSO", true},
        {"LastWordRecordsTextBeforeHighlight", "va bene", "bene", "ok", true, {}, "va BENE\r\nok\r\n\r\n", "va bene",
         true},
        {"SeveralWordsMatchOnlyWholeEntries", "come stai oggi", "come stai", "x", true, {}, "", "", false},
        {"SpacesOnlyFindEmptyEntry", "", " ", "vuoto", true, {" --> vuoto"}, "", "", true},
        // "fine." has an empty last word.
        {"SpacesOnlyFindEmptyLastWord", "fine.", " ", "fim", true, {}, "fine.\r\nfim\r\n\r\n", "fine.", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SearchState state;
        FindExactMatch(state, QString::fromUtf8(c.entry), PrepareQuery(QString::fromUtf8(c.typed)),
                       QString::fromUtf8(c.target), c.wordMatches);
        EXPECT_EQ(state.translations, c.translations);
        EXPECT_EQ(state.resultText, QString::fromUtf8(c.resultText));
        EXPECT_EQ(state.FoundText, QString::fromUtf8(c.foundText));
        EXPECT_EQ(state.ExactFound, c.found);
    }
}

// Thousands of entries holding the query each add a line, each tested
// against the lines before it (every line comes twice here and is listed
// once); that test once read them all: 50,000 lines took 8 s, and these
// 200,000 would take minutes (now under a second).
TEST(ExactLookup, ManyMatchingEntriesAreListedOnceAtTheCostOfTheirNumber)
{
    constexpr int Count = 200'000;
    QElapsedTimer timer;
    timer.start();
    SearchState state;
    for (int i = 0; i < Count; ++i) {
        const QString target = QString::number(i % (Count / 2)); // every line twice
        FindExactMatch(state, "casa", "casa", target, false);
    }
    EXPECT_LT(timer.elapsed(), 30000) << "milliseconds";
    ASSERT_EQ(state.translations.size(), Count / 2);
    EXPECT_EQ(state.translations.last(), QStringLiteral("casa --> %1").arg(Count / 2 - 1));
    EXPECT_EQ(state.addedLines.size(), Count / 2);

    // A similar word equal to a translation line is not added to the other list.
    AddListItem(state, ResultList::SimilarWords, "casa --> 7");
    AddListItem(state, ResultList::SimilarWords, "case");
    EXPECT_EQ(state.similarWords, QStringList{"case"});
    EXPECT_EQ(state.addedLines.last().list, ResultList::SimilarWords);
}

} // namespace
