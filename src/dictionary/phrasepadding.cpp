#include "dictionary/phrasepadding.h"

#include <algorithm>
#include <iterator>

namespace parlora {

namespace {
// Only these marks separate words in the search form; each is replaced by one
// space so that the phrase keeps its length and spacing.
constexpr char16_t SeparatingPunctuation[] = {u'.', u',', u':', u';', u'!', u'?'};
constexpr char16_t Space = u' ';
} // namespace

QString PadPhrasePunctuation(QStringView text)
{
    QString padded(text.size() + 2, Space);
    QChar *out = padded.data() + 1;
    for (const QChar c : text) {
        const bool separates = std::find(std::begin(SeparatingPunctuation), std::end(SeparatingPunctuation),
                                         c.unicode()) != std::end(SeparatingPunctuation);
        *out++ = separates ? QChar(Space) : c;
    }
    return padded;
}

} // namespace parlora
