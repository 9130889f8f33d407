#include "dictionary/phrasepadding.h"

namespace parlora {

namespace {
// Only these marks separate words in the search form; each is replaced by one
// space so that the phrase keeps its length and spacing.
constexpr char16_t SeparatingPunctuation[] = {u'.', u',', u':', u';', u'!', u'?'};
constexpr char16_t Space = u' ';
} // namespace

QString PadPhrasePunctuation(QStringView text)
{
    QString padded;
    padded.reserve(text.size() + 2);
    padded += Space;
    padded += text;
    for (const char16_t mark : SeparatingPunctuation)
        padded.replace(mark, Space);
    padded += Space;
    return padded;
}

} // namespace parlora
