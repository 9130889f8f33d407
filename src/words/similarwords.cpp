#include "words/similarwords.h"

#include "dictionary/personaldictionary.h"
#include "words/editdistance.h"
#include "words/textrules.h"

#include <algorithm>

namespace parlora::words {

qsizetype StemLength(qsizetype textLength)
{
    return std::max(ShortestStem, textLength - VariableEndingLength);
}

QStringView Stem(QStringView text)
{
    return text.first(std::min(text.size(), StemLength(text.size())));
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

bool IsSimilarFast(QStringView candidate, QStringView query)
{
    if (candidate == query)
        return false;
    return Stem(candidate) == Stem(query) || IsOneEditApart(candidate, query);
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
