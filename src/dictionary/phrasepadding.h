#pragma once

#include <QString>
#include <QStringView>

namespace parlora {

// The form of a phrase that the phrasebook search scans for " " + word + " ":
// sentence punctuation becomes spaces and one space is added at each end, so a
// word at the start, at the end or before a comma is still a whole word.
// Parentheses, apostrophes and letter case stay as they are.
QString PadPhrasePunctuation(QStringView text);

} // namespace parlora
