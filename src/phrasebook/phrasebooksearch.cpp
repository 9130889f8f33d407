#include "phrasebook/phrasebooksearch.h"

#include "phrasebook/wildcardpattern.h"

namespace parlora::phrasebook {

std::optional<QString> RewriteQuery(const QString &query, const GrammarRule &rule)
{
    if (!MatchesPattern(query, rule.Pattern))
        return std::nullopt;
    // The pattern's leading "*" stands for the kept part, hence the + 1.
    const qsizetype kept = query.size() - rule.Pattern.size() + 1;
    if (kept < 0)
        return std::nullopt;
    // An empty word would be found between any two spaces of any phrase: a
    // query of spaces alone would list the whole phrasebook.
    QString rewritten = query.left(kept) + rule.Replacement.mid(1);
    if (rewritten.isEmpty())
        return std::nullopt;
    return rewritten;
}

QString HighlightPhrase(const QString &phrase, const QString &word)
{
    if (word.isEmpty())
        return phrase;
    QString shown = phrase;
    return shown.replace(word, word.toUpper(), Qt::CaseInsensitive);
}

} // namespace parlora::phrasebook
