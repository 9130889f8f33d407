#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace parlora::words {

// The punctuation that StripPunctuation turns into spaces, in the order of
// its replacement passes.
inline constexpr char16_t StrippedPunctuation[] = u",!?.;:()";

// Every punctuation character of the strip set becomes one space; nothing
// else changes (runs of spaces stay, no trimming), so word positions survive.
// A text with nothing to strip is returned as it is, without a copy.
QString StripPunctuation(const QString &text);

// The ten small accented vowels become the plain vowel followed by an
// apostrophe, so that "perché" and a typed "perche'" compare equal.
// A text with nothing to fold is returned as it is, without a copy.
QString FoldAccents(const QString &text);

// The text of the input box as a search key: lower-cased, then trimmed of
// U+0020 only (tabs and line breaks are part of the key).
QString PrepareQuery(const QString &typedText);
// Removes leading and trailing U+0020 only: a tab or a no-break space typed
// on purpose stays part of the text.
QString TrimSpaces(QStringView text);

// The text in lower case, as QString::toLower makes it; quick for the
// Latin letters dictionaries are made of.
QString LowerCase(QStringView text);

// The comparison form of an entry or of the query: lower-cased, then folded.
QString ComparisonForm(const QString &text);

// Cuts a stripped entry at every space. Consecutive spaces give empty words
// and a trailing space gives an empty last word; there is always at least
// one word.
QStringList SplitWords(const QString &stripped);

// Replaces every occurrence of word in text by its upper-case form. An empty
// word leaves the text unchanged.
QString Highlight(const QString &text, const QString &word);

} // namespace parlora::words
