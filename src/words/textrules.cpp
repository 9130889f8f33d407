#include "words/textrules.h"

#include <algorithm>

namespace parlora::words {

namespace {

struct AccentFold {
    char16_t accented;
    char16_t plain;
};

// Grave and acute of each vowel both fold to the same form: the dictionaries
// are not consistent about which accent a word carries.
constexpr AccentFold AccentFolds[] = {
    {u'\u00E0', u'a'}, {u'\u00E1', u'a'}, {u'\u00F2', u'o'}, {u'\u00F3', u'o'}, {u'\u00E8', u'e'},
    {u'\u00E9', u'e'}, {u'\u00EC', u'i'}, {u'\u00ED', u'i'}, {u'\u00F9', u'u'}, {u'\u00FA', u'u'},
};

constexpr QChar FoldMark = u'\'';
constexpr QChar WordSeparator = u' ';

const AccentFold *findFold(QChar c)
{
    for (const AccentFold &fold : AccentFolds) {
        if (c.unicode() == fold.accented)
            return &fold;
    }
    return nullptr;
}

bool isStripped(QChar c)
{
    for (char16_t p : StrippedPunctuation) {
        if (p != 0 && c.unicode() == p)
            return true;
    }
    return false;
}

} // namespace

QString StripPunctuation(const QString &text)
{
    // One pass does what the successive replacements do: every target is a
    // single character replaced by a single space, so the passes never interact.
    const auto first = std::find_if(text.cbegin(), text.cend(), isStripped);
    if (first == text.cend())
        return text;
    QString result = text;
    for (qsizetype i = first - text.cbegin(); i < result.size(); ++i) {
        if (isStripped(result.at(i)))
            result[i] = WordSeparator;
    }
    return result;
}

QString FoldAccents(const QString &text)
{
    if (std::none_of(text.cbegin(), text.cend(), [](QChar c) { return findFold(c) != nullptr; }))
        return text;
    // The replacement texts hold no accented vowel, so one pass in text order
    // gives the same result as the ten passes one after the other.
    QString result;
    result.reserve(text.size() + 8);
    for (QChar c : text) {
        if (const AccentFold *fold = findFold(c)) {
            result.append(QChar(fold->plain));
            result.append(FoldMark);
        } else {
            result.append(c);
        }
    }
    return result;
}

QString PrepareQuery(const QString &typedText)
{
    return TrimSpaces(typedText.toLower());
}

QString TrimSpaces(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == WordSeparator)
        ++first;
    while (last > first && text.at(last - 1) == WordSeparator)
        --last;
    return text.sliced(first, last - first).toString();
}

QString LowerCase(QStringView text)
{
    // Within Latin-1 a letter's lower case is one character found by a table
    // lookup; beyond it (special casings, surrogates) Qt's full rules apply.
    constexpr char16_t Latin1End = 0x100;
    constexpr char16_t CaseDistance = u'a' - u'A';
    QString lowered(text.size(), Qt::Uninitialized);
    QChar *out = lowered.data();
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code >= Latin1End)
            return text.toString().toLower();
        // A-Z and the Latin-1 capitals from À to Þ, but for the sign ×.
        const bool capital = (code >= u'A' && code <= u'Z') || (code >= 0xC0 && code <= 0xDE && code != 0xD7);
        *out++ = QChar(char16_t(capital ? code + CaseDistance : code));
    }
    return lowered;
}

QString ComparisonForm(const QString &text)
{
    return FoldAccents(LowerCase(text));
}

QStringList SplitWords(const QString &stripped)
{
    // Qt's split keeps empty parts, which is exactly the word rule.
    return stripped.split(WordSeparator, Qt::KeepEmptyParts);
}

QString Highlight(const QString &text, const QString &word)
{
    if (word.isEmpty())
        return text;
    QString result = text;
    result.replace(word, word.toUpper(), Qt::CaseSensitive);
    return result;
}

} // namespace parlora::words
