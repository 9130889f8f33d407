#include "translationchecks.h"

#include "fuzzsupport.h"

#include <algorithm>

namespace parlora::fuzz {

namespace {

// Characters of framing around one shown item: separators, the highlighted
// copy of the query, a message, the base-form arrow. Generous on purpose:
// the check is for growth, not for the exact layout.
constexpr qsizetype FramingPerItem = 256;
// Each item shows its entry and its translation about twice at most (the
// line, and the block of the result text).
constexpr qsizetype CopiesPerItem = 4;
// Distance table cells the plain sweep may work out for one translation.
constexpr qsizetype PlainSweepBudget = 2'000'000;
constexpr qsizetype PlainTextLimit = 32767;

qsizetype dataSize(const DictionaryData &data, const PersonalDictionary &personal, qsizetype &items)
{
    qsizetype characters = totalLength(data.mainDictionary.Language1Entries)
        + totalLength(data.mainDictionary.Language2Entries) + totalLength(personal.Words())
        + totalLength(personal.Translations());
    for (const PhraseRecord &phrase : data.phrasebook.Display)
        characters += phrase.Language1.size() + phrase.Language2.size();
    items = data.mainDictionary.Count() + personal.EntryCount() + data.phrasebook.Count();
    return characters;
}

} // namespace

qsizetype shownSize(const TranslationResult &result)
{
    return totalLength(result.translations) + totalLength(result.similarWords) + result.resultText.size();
}

void checkBounded(const TranslationResult &result, const DictionaryData &data, const PersonalDictionary &personal,
                  const QString &query)
{
    qsizetype items = 0;
    const qsizetype characters = dataSize(data, personal, items);
    // Lines: one per record, phrase and personal entry, each once, plus
    // base forms (at most one per record again) and a message.
    const qsizetype maxLines = 2 * items + 2;
    FUZZ_CHECK(result.translations.size() <= maxLines,
               QStringLiteral("%1 lines from %2 items").arg(result.translations.size()).arg(items));
    const qsizetype bound = CopiesPerItem * characters + (query.size() + FramingPerItem) * (maxLines + 1);
    FUZZ_CHECK(shownSize(result) <= bound, QStringLiteral("%1 characters shown for %2 characters of data and %3 of "
                                                          "query: %4")
                                               .arg(shownSize(result))
                                               .arg(characters)
                                               .arg(query.size())
                                               .arg(shown(query)));
}

bool plainSweepAffordable(const DictionaryData &data, const PersonalDictionary &personal, const QString &query)
{
    qsizetype items = 0;
    const qsizetype characters = dataSize(data, personal, items);
    if ((characters + items) * (query.size() + 1) > PlainSweepBudget)
        return false;
    // The plain distance counts with 16 bits: longer texts are beyond it
    // (and beyond any dictionary line it was written for).
    const auto shortEnough = [](const QStringList &texts) {
        return std::all_of(texts.cbegin(), texts.cend(),
                           [](const QString &text) { return text.size() < PlainTextLimit; });
    };
    return query.size() < PlainTextLimit && shortEnough(data.mainDictionary.Language1Entries)
        && shortEnough(data.mainDictionary.Language2Entries) && shortEnough(personal.Words())
        && shortEnough(personal.Translations());
}

void checkSame(const TranslationResult &fast, const TranslationResult &plain, const QString &what)
{
    FUZZ_CHECK(fast.translations == plain.translations,
               what + QStringLiteral(": ") + shown(fast.translations) + QStringLiteral(" but ")
                   + shown(plain.translations));
    FUZZ_CHECK(fast.similarWords == plain.similarWords,
               what + QStringLiteral(": similar ") + shown(fast.similarWords) + QStringLiteral(" but ")
                   + shown(plain.similarWords));
    FUZZ_CHECK(fast.resultText == plain.resultText,
               what + QStringLiteral(": text ") + shown(fast.resultText) + QStringLiteral(" but ")
                   + shown(plain.resultText));
    FUZZ_CHECK(fast.ExactFound == plain.ExactFound && fast.SimilarFound == plain.SimilarFound,
               what + QStringLiteral(": found flags"));
}

QList<Settings> allOptions(bool baseForms)
{
    QList<Settings> all;
    for (const bool similar : {false, true}) {
        for (const bool phrases : {false, true}) {
            Settings settings;
            settings.SimilarWordSearch = similar;
            settings.PhrasebookSearch = phrases;
            settings.BaseFormSearch = baseForms;
            all.append(settings);
        }
    }
    return all;
}

} // namespace parlora::fuzz
