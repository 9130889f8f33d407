#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace parlora::morphology {

// A Hunspell dictionary as its two files hold it.
struct HunspellFiles {
    QByteArray affixes; // the .aff file
    QByteArray words;   // the .dic file
};

// The dictionary reduced to the words the keep test accepts (given in lower
// case), and its affix file to the affix classes those words use, directly or
// through other classes. Hunspell loads it in a fraction of the time and
// stems every kept word's forms as before: the stems that can count are our
// headwords, so the rest only costs loading time.
//
// Nothing is returned for a dictionary whose words are in an encoding other
// than UTF-8 or ISO8859-1 (they could not be compared, or written back
// unchanged). Affix files whose flags are not one character each (FLAG long
// or num, flag aliases) keep all their classes.
std::optional<HunspellFiles> reducedDictionary(const HunspellFiles &dictionary,
                                               const std::function<bool(const QString &word)> &keep);

} // namespace parlora::morphology
