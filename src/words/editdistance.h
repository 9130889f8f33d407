#pragma once

#include <QStringView>

namespace parlora::words {

// Whether the Levenshtein distance of the texts (insertion, deletion and
// substitution cost 1 each, characters compare by exact code) is exactly 1,
// in one linear pass and without a table.
bool IsOneEditApart(QStringView a, QStringView b);

} // namespace parlora::words
