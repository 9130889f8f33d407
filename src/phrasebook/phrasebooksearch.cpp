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

void SearchPhrasebook(SearchState &state, const QString &query, const GrammarList &grammar,
                      const Phrasebook &phrasebook, bool direction, ProgressSink &progress)
{
    progress.setProgressMaximum(grammar.Count());
    progress.setProgressVisible(true);
    for (int r = 0; r < grammar.Count(); ++r) {
        progress.setProgressValue(r + 1);
        const std::optional<QString> rewritten = RewriteQuery(query, grammar.Rules.at(r));
        if (!rewritten)
            continue;
        const QString wholeWord = QLatin1Char(' ') + *rewritten + QLatin1Char(' ');
        for (int p = 0; p < phrasebook.Count(); ++p) {
            if (!SourceSide(phrasebook.Search.at(p), direction).contains(wholeWord, Qt::CaseInsensitive))
                continue;
            const PhraseRecord &shown = phrasebook.Display.at(p);
            words::AppendResultBlock(state, HighlightPhrase(SourceSide(shown, direction), *rewritten),
                                     TargetSide(shown, direction));
        }
    }
}

} // namespace parlora::phrasebook
