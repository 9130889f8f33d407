#include "words/similarwords.h"

#include "words/editdistance.h"

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

bool IsSimilarFast(QStringView candidate, QStringView query)
{
    if (candidate == query)
        return false;
    return Stem(candidate) == Stem(query) || IsOneEditApart(candidate, query);
}


} // namespace parlora::words
