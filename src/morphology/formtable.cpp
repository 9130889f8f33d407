#include "morphology/formtable.h"

#include "platform/textfile.h"

#include <QFileInfo>
#include <QSet>

namespace parlora::morphology {

namespace {
constexpr QChar CommentMark = u'#';
constexpr QChar FieldSeparator = u'\t';
constexpr QChar RuleMark = u'*';
} // namespace

FormTable::LoadResult FormTable::load(const QString &path)
{
    *this = FormTable();
    if (!QFileInfo::exists(path))
        return {};
    const FileBytes file = readDataFile(path);
    if (!file.ok)
        return {false, file.error, {}};
    return parse(QString::fromUtf8(file.bytes));
}

FormTable::LoadResult FormTable::parse(const QString &text)
{
    LoadResult result;
    // Each form and base once: a set keeps that check from growing with the
    // number of bases a form already has (a table of many makes it
    // quadratic otherwise).
    QSet<QString> pairs;
    qsizetype lineNumber = 0;
    for (QStringView line : QStringView(text).split(u'\n')) {
        ++lineNumber;
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.front() == CommentMark)
            continue;
        const qsizetype tab = line.indexOf(FieldSeparator);
        const QString left = tab > 0 ? line.first(tab).toString().toLower() : QString();
        const QString right = tab > 0 ? line.sliced(tab + 1).toString().toLower() : QString();
        const bool leftIsRule = left.startsWith(RuleMark);
        const bool rightIsRule = right.startsWith(RuleMark);
        // A rule needs an ending to look for; a form needs both of its words.
        if (right.contains(FieldSeparator) || leftIsRule != rightIsRule || (leftIsRule && left.size() < 2)
            || (!leftIsRule && (left.isEmpty() || right.isEmpty()))) {
            result.skippedLines.append(QStringLiteral("%1: %2").arg(lineNumber).arg(line));
            continue;
        }
        if (leftIsRule) {
            m_rules.append({left.mid(1), right.mid(1)});
        } else if (!pairs.contains(left + FieldSeparator + right)) {
            pairs.insert(left + FieldSeparator + right);
            m_bases[left].append(right);
        }
    }
    return result;
}

QStringList FormTable::rewrites(const QString &word) const
{
    QStringList rewritten;
    QSet<QString> seen;
    for (const Rule &rule : m_rules) {
        if (word.size() > rule.ending.size() && word.endsWith(rule.ending)) {
            QString candidate = word.chopped(rule.ending.size()) + rule.replacement;
            if (!seen.contains(candidate)) {
                seen.insert(candidate);
                rewritten.append(std::move(candidate));
            }
        }
    }
    return rewritten;
}

} // namespace parlora::morphology
