#pragma once

#include <QStringView>

namespace parlora::words {

// Distances and lengths count with 16-bit integers; no dictionary line comes
// near this length.
using Distance = qint16;

Distance MinOfThree(Distance x, Distance y, Distance z);

// Levenshtein distance: insertion, deletion and substitution cost 1 each
// (a transposition therefore costs 2). Characters compare by exact code.
Distance EditDistance(QStringView a, QStringView b);

// Whether EditDistance(a, b) is exactly 1, in one linear pass and without a
// table: the fast search asks only this question.
bool IsOneEditApart(QStringView a, QStringView b);

} // namespace parlora::words
