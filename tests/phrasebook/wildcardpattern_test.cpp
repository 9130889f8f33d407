#include "phrasebook/wildcardpattern.h"

#include <gtest/gtest.h>

using parlora::phrasebook::MatchesPattern;

namespace {

struct PatternCase {
    const char *text;
    const char *pattern;
    bool matches;
};

class Pattern : public testing::TestWithParam<PatternCase> {};

TEST_P(Pattern, MatchesWholeTextByCode)
{
    const PatternCase &c = GetParam();
    EXPECT_EQ(MatchesPattern(QString::fromUtf8(c.text), QString::fromUtf8(c.pattern)), c.matches)
        << c.text << " ~ " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Wildcards, Pattern,
    testing::Values(
        // "*" takes any run, none included, and may need to backtrack.
        PatternCase{"parlo", "*o", true}, PatternCase{"o", "*o", true}, PatternCase{"parla", "*o", false},
        PatternCase{"", "*", true}, PatternCase{"", "", true}, PatternCase{"a", "", false},
        PatternCase{"abcbc", "*bc", true}, PatternCase{"abcabd", "a*b?", true}, PatternCase{"ab", "a**b", true},
        // Binary comparison: case and accents count.
        PatternCase{"PARLO", "*o", false}, PatternCase{"parlò", "*o", false},
        PatternCase{"?", "?", true}, PatternCase{"", "?", false}, PatternCase{"ab", "?", false},
        PatternCase{"a1", "a#", true}, PatternCase{"ab", "a#", false}, PatternCase{"a12", "a##", true},
        PatternCase{"cane", "*[ae]", true}, PatternCase{"cani", "*[ae]", false},
        PatternCase{"cani", "*[!ae]", true}, PatternCase{"cane", "*[!ae]", false},
        PatternCase{"m", "[a-z]", true}, PatternCase{"M", "[a-z]", false}, PatternCase{"5", "[0-35-9]", true},
        PatternCase{"4", "[0-35-9]", false}, PatternCase{"-", "[a-]", true}, PatternCase{"-", "[-a]", true},
        PatternCase{"b", "[a-]", false}, PatternCase{"*", "[*]", true}, PatternCase{"x", "[*]", false},
        PatternCase{"#", "[#]", true}, PatternCase{"!", "!", true}, PatternCase{"ab", "a[]b", true},
        PatternCase{"]", "]", true},
        // Malformed patterns never match rather than failing.
        PatternCase{"a[b", "a[b", false}, PatternCase{"m", "[z-a]", false}));

} // namespace
