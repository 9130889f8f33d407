#include "phrasebook/wildcardpattern.h"

#include <QList>

#include <algorithm>
#include <optional>
#include <string>

namespace parlora::phrasebook {

namespace {

enum class TokenKind { Literal, AnyCharacter, Digit, AnyRun, CharacterList };

struct CharacterRange {
    char16_t first;
    char16_t last;
};

// One element of a parsed pattern; all kinds but AnyRun consume exactly one character.
struct Token {
    TokenKind kind = TokenKind::Literal;
    QChar literal;
    bool negated = false;
    QList<CharacterRange> ranges;

    bool accepts(QChar c) const
    {
        switch (kind) {
        case TokenKind::Literal:
            return c == literal;
        case TokenKind::AnyCharacter:
            return true;
        case TokenKind::Digit:
            return c >= u'0' && c <= u'9';
        case TokenKind::CharacterList: {
            bool inList = false;
            for (const CharacterRange &range : ranges) {
                if (c.unicode() >= range.first && c.unicode() <= range.last) {
                    inList = true;
                    break;
                }
            }
            return inList != negated;
        }
        case TokenKind::AnyRun:
            break;
        }
        return false;
    }
};

// Parses a non-empty list between "[" and "]" (both excluded); nothing when
// a range runs backwards.
std::optional<Token> parseList(QStringView list)
{
    Token token;
    token.kind = TokenKind::CharacterList;
    qsizetype i = 0;
    if (list.at(0) == u'!') {
        token.negated = true;
        i = 1;
    }
    while (i < list.size()) {
        const char16_t first = list.at(i).unicode();
        // A hyphen between two characters makes a range; at either end of
        // the list it is an ordinary character.
        if (i + 2 < list.size() && list.at(i + 1) == u'-') {
            const char16_t last = list.at(i + 2).unicode();
            if (last < first)
                return std::nullopt;
            token.ranges.append({first, last});
            i += 3;
        } else {
            token.ranges.append({first, first});
            ++i;
        }
    }
    return token;
}

std::optional<QList<Token>> parsePattern(QStringView pattern)
{
    QList<Token> tokens;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        Token token;
        if (c == u'*') {
            token.kind = TokenKind::AnyRun;
        } else if (c == u'?') {
            token.kind = TokenKind::AnyCharacter;
        } else if (c == u'#') {
            token.kind = TokenKind::Digit;
        } else if (c == u'[') {
            const qsizetype close = pattern.indexOf(u']', i + 1);
            if (close < 0)
                return std::nullopt;
            const QStringView list = pattern.sliced(i + 1, close - i - 1);
            i = close;
            // "[]" stands for nothing at all.
            if (list.isEmpty())
                continue;
            const std::optional<Token> parsed = parseList(list);
            if (!parsed)
                return std::nullopt;
            token = *parsed;
        } else {
            token.literal = c;
        }
        tokens.append(token);
    }
    return tokens;
}

} // namespace

bool MatchesPattern(QStringView text, QStringView pattern)
{
    // Nearly every grammar rule is "*" and a plain ending: no need to parse
    // it, the text just has to end with it (a thousand rules per query).
    constexpr char16_t Wildcards[] = u"*?#[";
    const QStringView ending = pattern.sliced(qMin<qsizetype>(1, pattern.size()));
    if (pattern.startsWith(u'*')
        && std::none_of(ending.begin(), ending.end(), [&](QChar c) {
               return std::char_traits<char16_t>::find(Wildcards, std::size(Wildcards) - 1, c.unicode()) != nullptr;
           }))
        return text.endsWith(ending);

    const auto parsed = parsePattern(pattern);
    if (!parsed)
        return false;
    const QList<Token> &tokens = *parsed;

    // Greedy scan that, on a mismatch, lets the most recent "*" take one
    // more character; enough because every other token takes exactly one.
    qsizetype t = 0;
    qsizetype p = 0;
    qsizetype starToken = -1;
    qsizetype starText = 0;
    while (t < text.size()) {
        if (p < tokens.size() && tokens.at(p).kind == TokenKind::AnyRun) {
            starToken = p++;
            starText = t;
        } else if (p < tokens.size() && tokens.at(p).accepts(text.at(t))) {
            ++p;
            ++t;
        } else if (starToken >= 0) {
            p = starToken + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < tokens.size() && tokens.at(p).kind == TokenKind::AnyRun)
        ++p;
    return p == tokens.size();
}

} // namespace parlora::phrasebook
