#include "dictdentry.h"

#include <QRegularExpression>

namespace parlora::dictconvert {

namespace {

QString headwordOf(QStringView header)
{
    // The headword ends where the pronunciation ("/.../") or the part of
    // speech ("<...>") begins; some headers have neither.
    qsizetype end = header.size();
    for (QStringView start : {QStringView(u" /"), QStringView(u" <")}) {
        const qsizetype at = header.indexOf(start);
        if (at >= 0 && at < end)
            end = at;
    }
    return header.left(end).trimmed().toString();
}

QString partOfSpeechOf(QStringView header)
{
    const qsizetype open = header.indexOf(u" <");
    if (open < 0)
        return QString();
    const qsizetype close = header.indexOf(u'>', open);
    if (close < 0)
        return QString();
    return header.sliced(open + 2, close - open - 2).trimmed().toString();
}

// "3. text": a numbered sense (or a gloss that happens to start with a number).
const QRegularExpression &numberedLine()
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d+)\\. (.*)$"));
    return pattern;
}

// A gloss number left at the end of a translation line ("casa 2."): it
// announces that more than one gloss follows.
const QRegularExpression &trailingGlossNumber()
{
    static const QRegularExpression pattern(QStringLiteral("\\s+\\d+\\.$"));
    return pattern;
}

// " 3." alone on a line: the next line is another gloss.
const QRegularExpression &glossNumberLine()
{
    static const QRegularExpression pattern(QStringLiteral("^\\s+\\d+\\.$"));
    return pattern;
}

void appendTranslations(QString line, QStringList &translations)
{
    line.remove(trailingGlossNumber());
    // Wiki link brackets survive in a few translations ("vapor [[d'água]]").
    line.remove(QStringLiteral("[["));
    line.remove(QStringLiteral("]]"));
    translations.append(splitTranslations(line));
}

QStringList numberedSenseTranslations(const QStringList &body, const GlossTest &isGloss)
{
    QStringList translations;
    int nextSense = 1;
    bool glossFollows = false;
    // Right after a sense line, a gloss may come or the next sense.
    bool glossMayFollow = false;
    for (const QString &line : body) {
        if (glossFollows) {
            // Glosses may carry their own numbering; a line announced as a
            // gloss is never a sense, whatever it starts with.
            glossFollows = false;
            continue;
        }
        if (glossNumberLine().match(line).hasMatch()) {
            glossFollows = true;
            glossMayFollow = false;
            continue;
        }
        const QRegularExpressionMatch match = numberedLine().match(line);
        const bool nextNumber = match.hasMatch() && match.captured(1).toInt() == nextSense;
        if (nextNumber && !(glossMayFollow && isGloss && isGloss(match.capturedView(2)))) {
            ++nextSense;
            appendTranslations(match.captured(2), translations);
            glossFollows = trailingGlossNumber().match(line).hasMatch();
            glossMayFollow = !glossFollows;
        } else {
            glossMayFollow = false;
        }
    }
    return translations;
}

} // namespace

QStringList splitTranslations(QStringView line)
{
    QStringList pieces;
    int depth = 0;
    qsizetype start = 0;
    const auto take = [&](qsizetype end) {
        const QStringView piece = line.sliced(start, end - start).trimmed();
        if (!piece.isEmpty())
            pieces.append(piece.toString());
    };
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'(') {
            ++depth;
        } else if (c == u')') {
            // A stray closing parenthesis must not hide the commas after it.
            if (depth > 0)
                --depth;
        } else if ((c == u',' || c == u';') && depth == 0) {
            take(i);
            start = i + 1;
        }
    }
    take(line.size());
    return pieces;
}

DictdEntry parseDictdEntry(QStringView article, const GlossTest &isGloss)
{
    QStringList lines = article.toString().split(u'\n');
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();

    DictdEntry entry;
    if (lines.isEmpty())
        return entry;
    entry.headword = headwordOf(lines.first());
    entry.partOfSpeech = partOfSpeechOf(lines.first());
    const QStringList body = lines.mid(1);
    if (body.isEmpty())
        return entry;

    // Articles with several senses number them from "1. "; an article with
    // one sense has its translations on the first line and glosses after it.
    if (body.first().startsWith(u"1. "))
        entry.translations = numberedSenseTranslations(body, isGloss);
    else
        appendTranslations(body.first(), entry.translations);
    return entry;
}

} // namespace parlora::dictconvert
