#include "plainsearch.h"
#include "words/editdistance.h"
#include "words/similarwords.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

using namespace parlora;
using namespace parlora::words;

namespace {

// The literal test (with its distance table) and the table-free one must
// always agree with each other and with the documented answer.
TEST(SimilarWords, BothTestsGiveTheDocumentedAnswer)
{
    const struct {
        const char *query, *candidate;
        bool similar;
    } cases[] = {
        {"casa", "case", true},     {"casa", "cas", true},        {"casa", "casco", true},
        {"casa", "cassetta", false}, {"casa", "cosa", true},      {"casa", "casa", false},
        {"casa", "ca", false},      {"casa", "acsa", false},      {"casa", "xcasa", true},
        {"casa", "asa", true},      {"portare", "portato", true}, {"portare", "porto", false},
        {"portare", "portarlo", false}, {"re", "rea", true},      {"re", "res", true},
        {"re", "rete", false},      {"re", "", false},            {"caffè", "caffé", true},
        {"abcdef", "abcdxy", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.query) + " ~ " + c.candidate);
        const QString query = QString::fromUtf8(c.query);
        const QString candidate = QString::fromUtf8(c.candidate);
        EXPECT_EQ(IsSimilar(candidate, query), c.similar);
        EXPECT_EQ(IsSimilarFast(candidate, query), c.similar);
    }
}

TEST(SimilarWords, EditDistanceCountsEachEditOnce)
{
    const struct {
        const char *a, *b;
        int distance;
    } cases[] = {{"", "", 0},         {"", "abc", 3},       {"abc", "", 3}, {"kitten", "sitting", 3},
                 {"casa", "acsa", 2}, {"casa", "casa", 0}, {"a", "b", 1},  {"flaw", "lawn", 2}};
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        EXPECT_EQ(EditDistance(QString(c.a), QString(c.b)), c.distance);
        EXPECT_EQ(IsOneEditApart(QString(c.a), QString(c.b)), c.distance == 1);
    }
}

TEST(SimilarWords, WholeEntryFirstThenWordsSkippingWhatFoundTextHolds)
{
    SearchState state;
    // Accepted as a whole: its words are not looked at.
    FindSimilarWords(state, "Cane", "cani");
    EXPECT_EQ(state.similarWords, QStringList{"cane"});
    EXPECT_TRUE(state.SimilarFound);

    // Not similar as a whole: each word is offered, the last one included;
    // "cane" is already in FoundText.
    FindSimilarWords(state, "il cane, cani e canne", "cani");
    EXPECT_EQ(state.similarWords, (QStringList{"cane", "canne"}));
    EXPECT_EQ(state.FoundText, "canecanne");

    // Nothing for a one-character query; FoundText is searched across the
    // boundaries of what it gathered.
    state.reset();
    FindSimilarWords(state, "a", "b");
    FindSimilarWords(state, "ab", "a");
    state.FoundText = "casacosa";
    FindSimilarWords(state, "saco", "sacco");
    EXPECT_TRUE(state.similarWords.isEmpty());
    EXPECT_FALSE(state.SimilarFound);
}

} // namespace
