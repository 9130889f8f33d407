#include "words/editdistance.h"

#include <algorithm>
#include <vector>

namespace parlora::words {

Distance MinOfThree(Distance x, Distance y, Distance z)
{
    return std::min(std::min(x, y), z);
}

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
            cell(i, j) = MinOfThree(Distance(cell(i - 1, j) + 1), Distance(cell(i, j - 1) + 1),
                                    Distance(cell(i - 1, j - 1) + cost));
        }
    }
    return cell(n, m);
}

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
