#include "words/textrules.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

using namespace parlora::words;

namespace {

// Entry text -> words after lower-casing, folding and stripping, the way
// every entry is compared with the query.
TEST(TextRules, EntriesSplitIntoWordsLikeTheSearchesDo)
{
    const struct {
        const char *name, *entry;
        QStringList words;
    } cases[] = {
        {"QuestionMarkLeavesEmptyLastWord", "Perché?", {"perche'", ""}},
        {"ParenthesesGiveEmptyWords", "(di) casa", {"", "di", "", "casa"}},
        {"EllipsisGivesTwoEmptyWords", "a...b", {"a", "", "", "b"}},
        {"CapitalAccentFoldsAfterLowering", "È", {"e'"}},
        {"PortugueseLettersStay", "Não, coração", {"não", "", "coração"}},
        {"ApostropheHyphenDigitsStay", "l'acqua-2", {"l'acqua-2"}},
        {"EmptyEntryIsOneEmptyWord", "", {""}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SplitWords(StripPunctuation(ComparisonForm(QString::fromUtf8(c.entry)))), c.words);
    }
}

// Each rule changes what it names and nothing else.
TEST(TextRules, FoldStripAndPrepareChangeOnlyWhatTheyName)
{
    using Rule = QString (*)(const QString &);
    const struct {
        const char *name;
        Rule rule;
        const char *text, *expected;
    } cases[] = {
        {"FoldTheTenSmallVowels", FoldAccents, "àáòóèéìíùú", "a'a'o'o'e'e'i'i'u'u'"},
        {"FoldNoCapitalsNorOtherAccents", FoldAccents, "ÀÈâãõçê", "ÀÈâãõçê"},
        {"FoldKeepsATypedApostrophe", FoldAccents, "perche'", "perche'"},
        {"StripEachMarkToOneSpace", StripPunctuation, ",!?.;:()", "        "},
        {"StripKeepsSpacesQuotesBrackets", StripPunctuation, " \"a-b\" [c] {d} ", " \"a-b\" [c] {d} "},
        {"PrepareTrimsSpaces", PrepareQuery, "  Casa  ", "casa"},
        {"PrepareSpacesOnlyIsEmpty", PrepareQuery, "    ", ""},
        {"PrepareKeepsTabsAndLineBreaks", PrepareQuery, "\tÈ Lei\n ", "\tè lei\n"},
        {"PrepareNeitherFoldsNorStrips", PrepareQuery, "PERCHÉ?", "perché?"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.rule(QString::fromUtf8(c.text)), QString::fromUtf8(c.expected));
    }
}

// The quick lower case must agree with Qt's for every character, Latin-1 and
// beyond (where Qt's special casings apply), alone and inside a text.
TEST(TextRules, LowerCaseAgreesWithQtEverywhere)
{
    for (char32_t c = 0; c < 0x10000; ++c) {
        if (QChar::isSurrogate(c))
            continue;
        const QString text = QStringLiteral("Ab") + QChar(char16_t(c)) + QStringLiteral("Z");
        ASSERT_EQ(parlora::words::LowerCase(text), text.toLower()) << unsigned(c);
    }
    const QString mixed = QStringLiteral("CITTÀ İstanbul ΣΟΦΙΑ \U0001D400 Straße");
    EXPECT_EQ(parlora::words::LowerCase(mixed), mixed.toLower());
}

} // namespace
