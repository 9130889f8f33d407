#include "lexicon.h"

#include "freedictcleaning.h"

#include "words/textrules.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <limits>
#include <set>

namespace parlora::dictconvert {

namespace {

const QSet<QString> &partsOfSpeech()
{
    static const QSet<QString> parts = {"n",    "v",    "adj",  "adv", "pron",   "det",
                                        "prep", "conj", "num",  "interj", "expr"};
    return parts;
}

const QRegularExpression &genderMark()
{
    static const QRegularExpression pattern(QStringLiteral("(^|\\s)(m|f|mf|pl|sm|sf)(\\s|$)"));
    return pattern;
}

QString sideProblem(const QString &side)
{
    if (side.isEmpty())
        return QStringLiteral("empty field");
    if (side != side.trimmed())
        return QStringLiteral("spaces around \"%1\"").arg(side);
    for (QChar c : {u'(', u')', u'[', u']', u'{', u'}', u'/'}) {
        if (side.contains(c))
            return QStringLiteral("\"%1\" in \"%2\"").arg(c).arg(side);
    }
    for (QChar c : {u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2013', u'\u2014'}) {
        if (side.contains(c))
            return QStringLiteral("typographic quote or dash in \"%1\"").arg(side);
    }
    if (genderMark().match(side).hasMatch())
        return QStringLiteral("gender or number mark in \"%1\"").arg(side);
    if (!isStorable(side))
        return QStringLiteral("a letter outside Windows-1252 in \"%1\"").arg(side);
    return QString();
}

} // namespace

QString lexiconLineProblem(const LexiconLine &line, const WordKnowledge *knowledge)
{
    for (const QString &side : {line.headword, line.translation}) {
        const QString problem = sideProblem(side);
        if (!problem.isEmpty())
            return problem;
    }
    if (knowledge) {
        const QStringList italian = italianOnlyWords(*knowledge, line.portuguese(), line.italian());
        if (!italian.isEmpty())
            return QStringLiteral("Italian word on the Portuguese side: %1").arg(italian.join(u", "));
    }
    return QString();
}

void parseLexiconText(const QString &text, LexiconDirection direction, const QString &origin,
                      const WordKnowledge *knowledge, LexiconReadResult &result)
{
    const QStringList lines = text.split(u'\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QString raw = lines[n];
        if (raw.endsWith(u'\r'))
            raw.chop(1);
        if (raw.trimmed().isEmpty() || raw.startsWith(u'#'))
            continue;
        const QString where = QStringLiteral("%1:%2").arg(origin).arg(n + 1);
        const QStringList fields = raw.split(u'\t');
        if (fields.size() != 3) {
            result.problems.append(where + QStringLiteral(": expected three tab-separated fields"));
            ++result.skippedLines;
            continue;
        }
        const LexiconLine line{direction, fields[0], fields[1], fields[2].trimmed(), where};
        const QString problem = lexiconLineProblem(line, knowledge);
        if (!problem.isEmpty()) {
            result.problems.append(where + QStringLiteral(": ") + problem);
            ++result.skippedLines;
            continue;
        }
        // The part of speech is not shipped: a wrong one is reported, the pair kept.
        if (!partsOfSpeech().contains(line.partOfSpeech))
            result.problems.append(where + QStringLiteral(": unknown part of speech \"%1\" (line kept)")
                                               .arg(line.partOfSpeech));
        result.lines.append(line);
    }
}

LexiconReadResult readLexiconFolder(const QString &folder, const WordKnowledge *knowledge)
{
    LexiconReadResult result;
    const struct {
        const char *name;
        LexiconDirection direction;
    } parts[] = {{"it-pt", LexiconDirection::ItalianToPortuguese}, {"pt-it", LexiconDirection::PortugueseToItalian}};
    for (const auto &part : parts) {
        const QDir dir(folder + u'/' + QLatin1String(part.name));
        QStringList names = dir.entryList({QStringLiteral("*.tsv")}, QDir::Files);
        // Plain code-point order, whatever the locale.
        std::sort(names.begin(), names.end());
        for (const QString &name : std::as_const(names)) {
            QFile file(dir.filePath(name));
            if (!file.open(QIODevice::ReadOnly)) {
                result.error = QStringLiteral("cannot read %1").arg(file.fileName());
                return result;
            }
            ++result.files;
            parseLexiconText(QString::fromUtf8(file.readAll()), part.direction,
                             QLatin1String(part.name) + u'/' + name, knowledge, result);
        }
    }
    return result;
}

OrderedLexicon orderLexicon(const QList<LexiconLine> &lines)
{
    OrderedLexicon ordered;
    QHash<QString, int> recordOf;
    QList<DictionaryRecord> records;
    // Each side's word (in the form a query is compared with) and the
    // records its own lines rank, in order.
    QHash<QString, QList<int>> italianRanking;
    QHash<QString, QList<int>> portugueseRanking;
    for (const LexiconLine &line : lines) {
        const QString key = pairKey(line.italian(), line.portuguese());
        auto found = recordOf.constFind(key);
        int id;
        if (found == recordOf.cend()) {
            id = int(records.size());
            recordOf.insert(key, id);
            records.append({line.italian(), line.portuguese()});
        } else {
            id = *found;
            ++ordered.repeatedLines;
        }
        const bool italianHeadword = line.direction == LexiconDirection::ItalianToPortuguese;
        QList<int> &ranking = italianHeadword ? italianRanking[words::ComparisonForm(line.headword)]
                                              : portugueseRanking[words::ComparisonForm(line.headword)];
        if (!ranking.contains(id))
            ranking.append(id);
    }

    const int count = int(records.size());
    QList<int> rank(count, std::numeric_limits<int>::max());
    QList<QList<int>> successors(count);
    QList<int> predecessors(count, 0);
    const auto addEdge = [&](int from, int to) {
        successors[from].append(to);
        ++predecessors[to];
    };
    // Within each word's records: its ranked ones in order, then all others.
    const auto constrain = [&](const QHash<QString, QList<int>> &rankings, bool italianSide) {
        QHash<QString, QList<int>> members;
        for (int id = 0; id < count; ++id) {
            const QString &side = italianSide ? records[id].language1 : records[id].language2;
            members[words::ComparisonForm(side)].append(id);
        }
        // Sorted keys keep the edge lists, and so the result, independent of hashing.
        QStringList keys = rankings.keys();
        std::sort(keys.begin(), keys.end());
        for (const QString &key : std::as_const(keys)) {
            const QList<int> &ranking = rankings[key];
            for (qsizetype i = 0; i < ranking.size(); ++i) {
                rank[ranking[i]] = std::min(rank[ranking[i]], int(i));
                if (i > 0)
                    addEdge(ranking[i - 1], ranking[i]);
            }
            for (int other : members.value(key)) {
                if (!ranking.contains(other))
                    addEdge(ranking.last(), other);
            }
        }
    };
    constrain(italianRanking, true);
    constrain(portugueseRanking, false);

    // Kahn's order; among the records free to come next, the one the lexicon
    // named first.
    std::set<int> ready;
    for (int id = 0; id < count; ++id) {
        if (predecessors[id] == 0)
            ready.insert(id);
    }
    QList<bool> placed(count, false);
    QList<int> order;
    order.reserve(count);
    while (order.size() < count) {
        int next;
        if (!ready.empty()) {
            next = *ready.begin();
            ready.erase(ready.begin());
        } else {
            // Every record left waits for another: a cycle. Place the one
            // that waits for the fewest, the earliest named among them.
            next = -1;
            for (int id = 0; id < count; ++id) {
                if (!placed[id] && (next < 0 || predecessors[id] < predecessors[next]))
                    next = id;
            }
            ++ordered.cyclesBroken;
        }
        placed[next] = true;
        order.append(next);
        for (int successor : std::as_const(successors[next])) {
            if (!placed[successor] && --predecessors[successor] == 0)
                ready.insert(successor);
        }
    }

    ordered.records.reserve(count);
    ordered.rank.reserve(count);
    for (int id : std::as_const(order)) {
        ordered.records.append(records[id]);
        ordered.rank.append(rank[id]);
    }
    return ordered;
}

} // namespace parlora::dictconvert
