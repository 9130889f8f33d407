#include "phrasebook/wildcardpattern.h"

#include <gtest/gtest.h>

using parlora::phrasebook::MatchesPattern;

namespace {

TEST(Wildcards, PatternMatchesWholeTextByCode)
{
    const struct {
        const char *text, *pattern;
        bool matches;
    } cases[] = {
        // "*" takes any run, none included, and may need to backtrack.
        {"parlo", "*o", true}, {"o", "*o", true}, {"parla", "*o", false}, {"", "*", true}, {"", "", true},
        {"a", "", false}, {"abcbc", "*bc", true}, {"abcabd", "a*b?", true}, {"ab", "a**b", true},
        // Binary comparison: case and accents count.
        {"PARLO", "*o", false}, {"parlò", "*o", false},
        {"?", "?", true}, {"", "?", false}, {"ab", "?", false}, {"a1", "a#", true}, {"ab", "a#", false},
        {"a12", "a##", true}, {"cane", "*[ae]", true}, {"cani", "*[ae]", false}, {"cani", "*[!ae]", true},
        {"cane", "*[!ae]", false}, {"m", "[a-z]", true}, {"M", "[a-z]", false}, {"5", "[0-35-9]", true},
        {"4", "[0-35-9]", false}, {"-", "[a-]", true}, {"-", "[-a]", true}, {"b", "[a-]", false},
        {"*", "[*]", true}, {"x", "[*]", false}, {"#", "[#]", true}, {"!", "!", true}, {"]", "]", true},
        // An empty list stands for nothing at all.
        {"ab", "a[]b", true},
        // Malformed patterns never match rather than failing.
        {"a[b", "a[b", false}, {"m", "[z-a]", false},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(MatchesPattern(QString::fromUtf8(c.text), QString::fromUtf8(c.pattern)), c.matches)
            << c.text << " ~ " << c.pattern;
    }
}

} // namespace
