#pragma once

#include "dictionary/wordlists.h"
#include "words/searchstate.h"

#include <QString>

#include <optional>

namespace parlora::phrasebook {

// The query rewritten by one ending rule: the query without the ending the
// pattern names, followed by the replacement's ending. Nothing when the
// pattern does not match the whole query.
//
// The length kept from the query is computed from the pattern's length, so
// a pattern with wildcards after its "*" can ask for fewer than no
// characters; such a rule cannot describe an ending of this query and is
// not applied (nothing is returned). Neither is a rule that leaves an empty
// word.
std::optional<QString> RewriteQuery(const QString &query, const GrammarRule &rule);

// The phrase as shown: every occurrence of the found word, also inside longer
// words and whatever its case, in upper case.
QString HighlightPhrase(const QString &phrase, const QString &word);

// The source and target sides of a phrase record for a direction (true:
// language 1 is searched).
inline const QString &SourceSide(const PhraseRecord &record, bool direction)
{
    return direction ? record.Language1 : record.Language2;
}
inline const QString &TargetSide(const PhraseRecord &record, bool direction)
{
    return direction ? record.Language2 : record.Language1;
}

} // namespace parlora::phrasebook
