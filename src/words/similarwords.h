#pragma once

#include "words/searchstate.h"

#include <QString>
#include <QStringView>

namespace parlora {
class PersonalDictionary;
}

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
// edit away. This is the literal test, with a full distance table.
bool IsSimilar(QStringView candidate, QStringView query);
// The same answer without a distance table.
bool IsSimilarFast(QStringView candidate, QStringView query);

// Offers the lower-cased entry, or else each of its words, as similar words;
// a candidate already contained in FoundText is skipped.
void FindSimilarWords(SearchState &state, const QString &source, const QString &query);

// The same for a lower-cased entry and its stripped words, already computed;
// isSimilar is one of the two similarity tests above.
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

// FindSimilarWords over every personal entry in stored order.
void FindPersonalSimilarWords(SearchState &state, const PersonalDictionary &personal, const QString &query,
                              bool direction);

} // namespace parlora::words
