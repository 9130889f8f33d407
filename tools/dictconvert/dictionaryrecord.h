#pragma once

#include <QString>

namespace parlora::dictconvert {

// One record of the main dictionary file.
struct DictionaryRecord {
    QString language1; // the Italian side
    QString language2; // the Portuguese side

    friend bool operator==(const DictionaryRecord &, const DictionaryRecord &) = default;
};

// Two records are the same pair when their sides differ at most in case.
inline QString pairKey(const QString &italian, const QString &portuguese)
{
    // A line break cannot occur inside either side, so it separates them safely.
    return italian.toLower() + u'\n' + portuguese.toLower();
}

inline QString pairKey(const DictionaryRecord &record)
{
    return pairKey(record.language1, record.language2);
}

} // namespace parlora::dictconvert
