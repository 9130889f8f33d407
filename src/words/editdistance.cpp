#include "words/editdistance.h"

#include <algorithm>

namespace parlora::words {

bool IsOneEditApart(QStringView a, QStringView b)
{
    if (a.size() < b.size())
        std::swap(a, b);
    const qsizetype lengthDifference = a.size() - b.size();
    if (lengthDifference > 1)
        return false;

    qsizetype first = 0;
    while (first < b.size() && a[first] == b[first])
        ++first;
    if (lengthDifference == 0) {
        // Equal texts are distance 0; otherwise exactly one substitution.
        return first < b.size() && a.sliced(first + 1) == b.sliced(first + 1);
    }
    // One character of the longer text is left out at the first difference.
    return a.sliced(first + 1) == b.sliced(first);
}

} // namespace parlora::words
