#include "words/textrules.h"

#include <gtest/gtest.h>

using namespace parlora::words;

namespace {

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// Entry text -> words after lower-casing, folding and stripping, the way
// every entry is compared with the query.
struct WordsCase {
    const char *name;
    const char *entry;
    QStringList words;
};

class EntryWords : public testing::TestWithParam<WordsCase> {};

TEST_P(EntryWords, SplitsLikeTheSearchesDo)
{
    EXPECT_EQ(SplitWords(StripPunctuation(ComparisonForm(u(GetParam().entry)))), GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    TextRules, EntryWords,
    testing::Values(
        WordsCase{"QuestionMarkLeavesEmptyLastWord", "Perché?", {"perche'", ""}},
        WordsCase{"ParenthesesGiveEmptyWords", "(di) casa", {"", "di", "", "casa"}},
        WordsCase{"EllipsisGivesTwoEmptyWords", "a...b", {"a", "", "", "b"}},
        WordsCase{"CapitalAccentFoldsAfterLowering", "È", {"e'"}},
        WordsCase{"PortugueseLettersStay", "Não, coração", {u("não"), "", u("coração")}},
        WordsCase{"ApostropheHyphenDigitsStay", "l'acqua-2", {"l'acqua-2"}},
        WordsCase{"EmptyEntryIsOneEmptyWord", "", {""}}),
    [](const testing::TestParamInfo<WordsCase> &info) { return info.param.name; });

TEST(TextRules, FoldingCoversExactlyTheTenSmallVowels)
{
    EXPECT_EQ(FoldAccents(u("àáòóèéìíùú")), "a'a'o'o'e'e'i'i'u'u'");
    EXPECT_EQ(FoldAccents(u("ÀÈâãõçê")), u("ÀÈâãõçê"));
    // Folding never doubles an apostrophe already typed.
    EXPECT_EQ(FoldAccents("perche'"), "perche'");
    EXPECT_EQ(FoldAccents(u("perché")), FoldAccents("perche'"));
}

TEST(TextRules, StripReplacesEachMarkByOneSpaceAndNothingElse)
{
    EXPECT_EQ(StripPunctuation(",!?.;:()"), "        ");
    EXPECT_EQ(StripPunctuation("\"a-b\" [c] {d}"), "\"a-b\" [c] {d}");
    EXPECT_EQ(StripPunctuation("  x  "), "  x  ");
}

TEST(TextRules, QueryPreparationTrimsOnlySpaces)
{
    EXPECT_EQ(PrepareQuery("  Casa  "), "casa");
    EXPECT_EQ(PrepareQuery("    "), "");
    EXPECT_EQ(PrepareQuery(u("\tÈ Lei\n ")), u("\tè lei\n"));
    // The query is lower-cased but neither folded nor stripped.
    EXPECT_EQ(PrepareQuery(u("PERCHÉ?")), u("perché?"));
}

TEST(TextRules, HighlightReplacesEveryOccurrenceCaseSensitively)
{
    EXPECT_EQ(Highlight("la casa e le casalinghe", "casa"), "la CASA e le CASAlinghe");
    EXPECT_EQ(Highlight("Casa grande", "casa"), "Casa grande");
    EXPECT_EQ(Highlight("abc", ""), "abc");
}

} // namespace
