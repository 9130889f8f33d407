#include "words/editdistance.h"
#include "words/similarwords.h"

#include <gtest/gtest.h>

using namespace parlora;
using namespace parlora::words;

namespace {

struct SimilarCase {
    const char *query;
    const char *candidate;
    bool similar;
};

class Similarity : public testing::TestWithParam<SimilarCase> {};

// The literal test and the table-free one must always agree.
TEST_P(Similarity, BothTestsGiveTheDocumentedAnswer)
{
    const QString query = QString::fromUtf8(GetParam().query);
    const QString candidate = QString::fromUtf8(GetParam().candidate);
    EXPECT_EQ(IsSimilar(candidate, query), GetParam().similar) << qPrintable(candidate);
    EXPECT_EQ(IsSimilarFast(candidate, query), GetParam().similar) << qPrintable(candidate);
}

INSTANTIATE_TEST_SUITE_P(
    SimilarWords, Similarity,
    testing::Values(SimilarCase{"casa", "case", true}, SimilarCase{"casa", "cas", true},
                    SimilarCase{"casa", "casco", true}, SimilarCase{"casa", "cassetta", false},
                    SimilarCase{"casa", "cosa", true}, SimilarCase{"casa", "casa", false},
                    SimilarCase{"casa", "ca", false}, SimilarCase{"casa", "acsa", false},
                    SimilarCase{"casa", "xcasa", true}, SimilarCase{"casa", "asa", true},
                    SimilarCase{"portare", "portato", true}, SimilarCase{"portare", "porto", false},
                    SimilarCase{"portare", "portarlo", false}, SimilarCase{"re", "rea", true},
                    SimilarCase{"re", "res", true}, SimilarCase{"re", "rete", false}, SimilarCase{"re", "", false},
                    SimilarCase{"caffè", "caffé", true}, SimilarCase{"abcdef", "abcdxy", true}));

TEST(SimilarWords, EditDistanceCountsEachEditOnce)
{
    struct {
        const char *a, *b;
        int distance;
    } const cases[] = {{"", "", 0},           {"", "abc", 3},        {"abc", "", 3},    {"kitten", "sitting", 3},
                       {"casa", "acsa", 2},   {"casa", "casa", 0},   {"a", "b", 1},     {"flaw", "lawn", 2}};
    for (const auto &c : cases) {
        EXPECT_EQ(EditDistance(QString(c.a), QString(c.b)), c.distance) << c.a << " " << c.b;
        EXPECT_EQ(IsOneEditApart(QString(c.a), QString(c.b)), c.distance == 1) << c.a << " " << c.b;
    }
    EXPECT_EQ(MinOfThree(3, 1, 2), 1);
}

TEST(SimilarWords, StemLengthTable)
{
    const int expected[] = {0, 1, 2, 3, 3, 3, 4, 5};
    for (int length = 0; length < 8; ++length)
        EXPECT_EQ(Stem(QString(length, u'x')).size(), expected[length]) << length;
}

TEST(SimilarWords, WholeEntryFirstThenWordsAndFoundTextSkips)
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
}

TEST(SimilarWords, FoundTextIsSearchedAcrossBoundaries)
{
    SearchState state;
    state.FoundText = "casacosa";
    FindSimilarWords(state, "saco", "sacco");
    EXPECT_TRUE(state.similarWords.isEmpty());
    EXPECT_FALSE(state.SimilarFound);
}

TEST(SimilarWords, OneCharacterQueryFindsNothing)
{
    SearchState state;
    FindSimilarWords(state, "a", "b");
    FindSimilarWords(state, "ab", "a");
    EXPECT_TRUE(state.similarWords.isEmpty());
}

} // namespace
