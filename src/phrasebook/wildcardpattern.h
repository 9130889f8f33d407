#pragma once

#include <QString>
#include <QStringView>

namespace parlora::phrasebook {

// The pattern test of the grammar rules, with the usual wildcards: "*" any
// run of characters (none included), "?" any one character, "#" one digit
// 0-9, "[list]" one character of the list and "[!list]" one character not in
// it, where a list may hold ranges such as "a-z". Characters compare by code,
// case-sensitively, and the whole text must match.
//
// A malformed pattern (a "[" without its "]", or a range whose end comes
// before its start) matches nothing, so a faulty rule in a grammar file is
// simply never applied.
bool MatchesPattern(QStringView text, QStringView pattern);

} // namespace parlora::phrasebook
