#include "morphology/hunspellreduction.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>

namespace parlora::morphology {

namespace {

const QByteArray ByteOrderMark("\xEF\xBB\xBF");

QByteArray withoutByteOrderMark(const QByteArray &line)
{
    return line.startsWith(ByteOrderMark) ? line.sliced(ByteOrderMark.size()) : line;
}

QList<QByteArray> linesOf(const QByteArray &text)
{
    QList<QByteArray> lines = text.split('\n');
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    if (!lines.isEmpty())
        lines.first() = withoutByteOrderMark(lines.first());
    return lines;
}

// The value of a one-word directive ("SET UTF-8"), empty when absent.
QByteArray directiveValue(const QList<QByteArray> &affixLines, QByteArrayView name)
{
    for (const QByteArray &line : affixLines) {
        const QList<QByteArray> tokens = line.simplified().split(' ');
        if (tokens.size() >= 2 && tokens.first() == name)
            return tokens.at(1);
    }
    return {};
}

bool isAffixLine(const QStringList &tokens)
{
    return tokens.size() >= 2 && (tokens.at(0) == QLatin1String("PFX") || tokens.at(0) == QLatin1String("SFX"));
}

bool isAffixClassHeader(const QStringList &tokens)
{
    bool isNumber = false;
    return isAffixLine(tokens) && tokens.size() >= 4
        && (tokens.at(2) == QLatin1String("Y") || tokens.at(2) == QLatin1String("N"))
        && (tokens.at(3).toInt(&isNumber), isNumber);
}

// The flags after the "/" of a word or of an affix's addition.
QString flagsOf(QStringView text)
{
    const qsizetype slash = text.indexOf(u'/');
    return slash < 0 ? QString() : text.sliced(slash + 1).toString();
}

// A word-list line up to its morphological fields: the word and its flags.
QByteArray withoutFields(const QByteArray &line)
{
    qsizetype end = 0;
    while (end < line.size() && line.at(end) != '\t' && line.at(end) != ' ')
        ++end;
    return line.first(end);
}

QByteArray wordOf(const QByteArray &line)
{
    const QByteArray entry = withoutFields(line);
    const qsizetype slash = entry.indexOf('/');
    return slash < 0 ? entry : entry.first(slash);
}

QByteArray reducedAffixes(const QList<QByteArray> &affixLines, const QList<QByteArray> &keptWords, bool utf8Flags)
{
    // Latin-1 gives every byte its own character and writes it back as it
    // was; one-byte flags are compared as those characters.
    const auto decode = [utf8Flags](const QByteArray &bytes) {
        return utf8Flags ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
    };
    QSet<QChar> used;
    for (const QByteArray &line : keptWords)
        for (const QChar flag : flagsOf(decode(withoutFields(line))))
            used.insert(flag);
    QList<QStringList> tokenLines;
    tokenLines.reserve(affixLines.size());
    QHash<QChar, QSet<QChar>> continuations;
    for (const QByteArray &line : affixLines) {
        const QStringList tokens = decode(line).simplified().split(u' ');
        tokenLines.append(tokens);
        // Directives naming a flag (the forbidden and not-suggested marks).
        if (tokens.size() == 2 && tokens.at(1).size() == 1 && !tokens.at(0).isEmpty() && tokens.at(0).front().isUpper())
            used.insert(tokens.at(1).front());
        if (isAffixLine(tokens) && !isAffixClassHeader(tokens) && tokens.size() >= 4 && tokens.at(1).size() == 1)
            for (const QChar flag : flagsOf(tokens.at(3)))
                continuations[tokens.at(1).front()].insert(flag);
    }
    for (QList<QChar> added(used.cbegin(), used.cend()); !added.isEmpty();) {
        const QChar flag = added.takeLast();
        for (const QChar next : continuations.value(flag)) {
            if (!used.contains(next)) {
                used.insert(next);
                added.append(next);
            }
        }
    }
    QList<QByteArray> kept;
    bool keepingClass = true;
    for (qsizetype i = 0; i < affixLines.size(); ++i) {
        const QStringList &tokens = tokenLines.at(i);
        if (isAffixClassHeader(tokens))
            keepingClass = tokens.at(1).size() != 1 || used.contains(tokens.at(1).front());
        else if (!isAffixLine(tokens))
            keepingClass = true;
        if (keepingClass)
            kept.append(affixLines.at(i));
    }
    return kept.join('\n') + '\n';
}

} // namespace

std::optional<HunspellFiles> reducedDictionary(const HunspellFiles &dictionary,
                                               const std::function<bool(const QString &word)> &keep)
{
    const QList<QByteArray> affixLines = linesOf(dictionary.affixes);
    const QByteArray encoding = directiveValue(affixLines, "SET").toUpper();
    const bool utf8Words = encoding == "UTF-8";
    if (!utf8Words && !encoding.isEmpty() && encoding != "ISO8859-1")
        return std::nullopt;

    QList<QByteArray> keptWords;
    const QList<QByteArray> wordLines = linesOf(dictionary.words);
    // The first line only says how many words follow.
    for (qsizetype i = 1; i < wordLines.size(); ++i) {
        const QByteArray word = wordOf(wordLines.at(i));
        if (word.isEmpty())
            continue; // an empty line or a comment ("/ ..." or "\t...")
        const QString text = utf8Words ? QString::fromUtf8(word) : QString::fromLatin1(word);
        if (keep(text.toLower()))
            keptWords.append(wordLines.at(i));
    }

    HunspellFiles reduced;
    reduced.words = QByteArray::number(keptWords.size()) + '\n' + keptWords.join('\n') + '\n';
    const QByteArray flagKind = directiveValue(affixLines, "FLAG").toUpper();
    const bool oneCharacterFlags = flagKind.isEmpty() || flagKind == "UTF-8";
    const bool aliasedFlags = !directiveValue(affixLines, "AF").isEmpty();
    reduced.affixes = oneCharacterFlags && !aliasedFlags
        ? reducedAffixes(affixLines, keptWords, flagKind == "UTF-8")
        : dictionary.affixes;
    return reduced;
}

} // namespace parlora::morphology
