#pragma once

#include "words/searchstate.h"

#include <QString>
#include <QStringView>

namespace parlora::words {

// Queries shorter than this produce no similar words.
inline constexpr qsizetype MinimumSimilarQueryLength = 2;

// max(3, length - 2): texts up to 5 characters share a stem of 3, longer ones
// may differ only in their last two characters.
inline constexpr qsizetype ShortestStem = 3;
inline constexpr qsizetype VariableEndingLength = 2;
qsizetype StemLength(qsizetype textLength);
// The first StemLength characters, or the whole text when it is shorter.
QStringView Stem(QStringView text);

// A candidate differs from the query and shares its stem or is exactly one
// edit away.
bool IsSimilarFast(QStringView candidate, QStringView query);

// Offers a lower-cased entry, or else each of its stripped words, as similar
// words; a candidate already contained in FoundText is skipped. isSimilar
// is the similarity test.
template<typename SimilarTest>
void OfferSimilarCandidates(SearchState &state, const QString &lowered, const QStringList &words, QStringView query,
                            SimilarTest isSimilar)
{
    if (query.size() < MinimumSimilarQueryLength)
        return;
    auto offer = [&](const QString &candidate) {
        if (!isSimilar(candidate, query) || state.FoundText.contains(candidate))
            return false;
        AddListItem(state, ResultList::SimilarWords, candidate);
        state.SimilarFound = true;
        state.FoundText += candidate;
        return true;
    };
    // An entry accepted as a whole is not looked into.
    if (offer(lowered))
        return;
    for (const QString &word : words)
        offer(word);
}

} // namespace parlora::words
