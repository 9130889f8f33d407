#include "plainsearch.h"

#include "phrasebook/phrasebooksearch.h"
#include "words/exactlookup.h"
#include "words/similarwords.h"
#include "words/textrules.h"

#include <algorithm>
#include <vector>

namespace parlora::words {

Distance EditDistance(QStringView a, QStringView b)
{
    const auto n = Distance(a.size());
    const auto m = Distance(b.size());
    if (n == 0)
        return m;
    if (m == 0)
        return n;

    const int width = m + 1;
    std::vector<Distance> table(std::size_t(n + 1) * std::size_t(width));
    auto cell = [&](int i, int j) -> Distance & { return table[std::size_t(i) * width + j]; };
    for (int i = 0; i <= n; ++i)
        cell(i, 0) = Distance(i);
    for (int j = 0; j <= m; ++j)
        cell(0, j) = Distance(j);

    for (int i = 1; i <= n; ++i) {
        const QChar ca = a[i - 1];
        for (int j = 1; j <= m; ++j) {
            const Distance cost = ca == b[j - 1] ? 0 : 1;
            cell(i, j) = std::min({Distance(cell(i - 1, j) + 1), Distance(cell(i, j - 1) + 1),
                                   Distance(cell(i - 1, j - 1) + cost)});
        }
    }
    return cell(n, m);
}

bool IsSimilar(QStringView candidate, QStringView query)
{
    // Every part of the test is worked out, the distance table included, as
    // the plain search always did; IsSimilarFast is the one that takes shortcuts.
    const bool differs = candidate != query;
    const bool sameStem = Stem(candidate) == Stem(query);
    const bool oneEdit = EditDistance(candidate, query) == 1;
    return differs && (sameStem || oneEdit);
}

void FindExactMatch(SearchState &state, const QString &source, const QString &query, const QString &target,
                    bool wordMatches)
{
    const QString entry = ComparisonForm(source);
    const QString key = FoldAccents(query);
    if (entry == key) {
        AddListItem(state, ResultList::Translations, source + MatchSeparator + target);
        state.FoundText += source;
        state.ExactFound = true;
        return;
    }
    if (!wordMatches)
        return;

    const QStringList entryWords = SplitWords(StripPunctuation(entry));
    int beforeLast = 0;
    for (qsizetype i = 0; i + 1 < entryWords.size(); ++i) {
        if (entryWords.at(i) == key)
            ++beforeLast;
    }
    ReportWordMatches(state, source, query, target, beforeLast, entryWords.constLast() == key);
}

void FindPersonalExactMatches(SearchState &state, const PersonalDictionary &personal, const QString &query,
                              bool direction, bool wordMatches)
{
    const QStringList &sources = direction ? personal.Words() : personal.Translations();
    const QStringList &targets = direction ? personal.Translations() : personal.Words();
    for (qint32 i = 0; i < personal.EntryCount(); ++i)
        FindExactMatch(state, sources.at(i), query, targets.at(i), wordMatches);
}

void FindSimilarWords(SearchState &state, const QString &source, const QString &query)
{
    if (query.size() < MinimumSimilarQueryLength)
        return;
    const QString lowered = source.toLower();
    OfferSimilarCandidates(state, lowered, SplitWords(StripPunctuation(lowered)), query, IsSimilar);
}

void FindPersonalSimilarWords(SearchState &state, const PersonalDictionary &personal, const QString &query,
                              bool direction)
{
    const QStringList &sources = direction ? personal.Words() : personal.Translations();
    for (qint32 i = 0; i < personal.EntryCount(); ++i)
        FindSimilarWords(state, sources.at(i), query);
}

} // namespace parlora::words

namespace parlora::phrasebook {

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
