// Queries: any UTF-16 text (lone surrogates, controls, line breaks, very
// long) against the shipped data and against a personal dictionary built
// from the input, long entries of repeated words included. Every
// translation stays the size of what it finds, the fast similar-word test
// agrees with the plain one, and on data small enough for the plain sweep
// the fast translation shows exactly what the sweep shows.
//
// Input: the query as UTF-16 (two bytes a character, low byte first), a
// record separator, then the personal entries: word TAB translation, one a
// line (Windows-1252; the section may be repeated, see fuzzsupport.h).

#include "fuzzsupport.h"
#include "plainsearch.h"
#include "referencetranslator.h"
#include "translationchecks.h"

#include "dictionary/languagepairloader.h"
#include "localisation/languagemessages.h"
#include "morphology/baseforms.h"
#include "translation/translate.h"
#include "words/similarwords.h"
#include "words/textrules.h"

#include <QStringDecoder>

using namespace parlora;

namespace {

// The plain similarity test's table has one cell per pair of characters
// (and counts with 16 bits); all the tests of one input together get a
// budget of cells, so that the plain test never outweighs the program.
constexpr qsizetype MaxPlainTableCells = 1'000'000;
constexpr qsizetype PlainCellsPerInput = 4'000'000;
constexpr qsizetype MaxPlainTextLength = 30'000;

struct Shipped {
    DictionaryData data;
    morphology::PairBaseForms baseForms{QStringLiteral(PARLORA_DIST "/dic/ital.forms"),
                                        QStringLiteral(PARLORA_DIST "/dic/portugal.forms"),
                                        fuzz::scratchFolder() + QStringLiteral("/no-hunspell")};
    PersonalDictionary personal;
    std::optional<Translator> translator;

    Shipped()
    {
        NullProgressSink progress;
        const LoadResult loaded =
            LoadDictionaryFiles(ApplicationFolder(QStringLiteral(PARLORA_DIST)), LanguagePair(), QString(), data, progress);
        FUZZ_CHECK(loaded.outcome == LoadOutcome::Loaded, loaded.mainDictionary.reason);
        translator.emplace(data, personal, &baseForms);
    }
};

Shipped &shipped()
{
    static Shipped instance;
    return instance;
}

// Puts the entries into the store as the panel would (refused ones are
// left out, as the panel leaves them).
void fill(PersonalDictionary &store, const QByteArray &entries)
{
    store.StartNew(fuzz::scratchFolder() + QStringLiteral("/query.per"));
    QStringDecoder decoder("windows-1252");
    const QString text = decoder(entries);
    for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        QString word = tab < 0 ? line : line.first(tab);
        QString translation = tab < 0 ? QString() : line.sliced(tab + 1);
        (void)store.InsertEntry(word, translation);
    }
}

void checkSimilarTests(const QString &query, const PersonalDictionary &personal)
{
    const QString prepared = words::PrepareQuery(query);
    qsizetype budget = PlainCellsPerInput;
    auto compare = [&](const QString &candidate) {
        const qsizetype cells = candidate.size() * prepared.size();
        if (candidate.size() > MaxPlainTextLength || prepared.size() > MaxPlainTextLength
            || cells > MaxPlainTableCells || cells > budget)
            return;
        budget -= cells;
        const bool fast = words::IsSimilarFast(candidate, prepared);
        FUZZ_CHECK(fast == words::IsSimilar(candidate, prepared),
                   fuzz::shown(candidate) + QStringLiteral(" against ") + fuzz::shown(prepared));
    };
    for (const QString &word : personal.Words()) {
        compare(words::LowerCase(word));
        for (const QString &part : words::SplitWords(words::StripPunctuation(words::LowerCase(word))))
            compare(part);
    }
    // The query against itself changed by one character at each end.
    if (!prepared.isEmpty()) {
        compare(prepared.chopped(1));
        compare(QLatin1Char('x') + prepared);
        compare(prepared.first(prepared.size() - 1) + QLatin1Char('#'));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> input = fuzz::splitSections(data, size, 2);
    const QString query = fuzz::utf16Text(input.at(0));
    const QByteArray entries = fuzz::expanded(input.at(1));
    const LanguageMessages messages = LanguageMessages::builtIn();
    NullProgressSink progress;

    Shipped &shippedData = shipped();
    fill(shippedData.personal, entries);
    checkSimilarTests(query, shippedData.personal);
    for (const bool direction : {true, false}) {
        for (const bool baseForms : {false, true}) {
            for (const Settings &settings : fuzz::allOptions(baseForms)) {
                const TranslationResult result =
                    shippedData.translator->Translate(query, direction, settings, messages, progress);
                fuzz::checkBounded(result, shippedData.data, shippedData.personal, query);
                // Whatever is offered as similar passes the plain test.
                const QString prepared = words::PrepareQuery(query);
                qsizetype budget = PlainCellsPerInput;
                for (const QString &similar : result.similarWords) {
                    const qsizetype cells = similar.size() * prepared.size();
                    if (cells > budget || cells > MaxPlainTableCells || similar.size() > MaxPlainTextLength)
                        break;
                    budget -= cells;
                    FUZZ_CHECK(words::IsSimilar(similar, prepared),
                               fuzz::shown(similar) + QStringLiteral(" offered for ") + fuzz::shown(prepared));
                }
            }
        }
    }

    // The same entries as a main dictionary and as personal entries, when
    // small enough for the plain sweep.
    DictionaryData small;
    small.mainDictionary.Language1Entries = shippedData.personal.Words();
    small.mainDictionary.Language2Entries = shippedData.personal.Translations();
    if (!fuzz::plainSweepAffordable(small, shippedData.personal, query))
        return 0;
    const Translator translator(small, shippedData.personal);
    for (const bool direction : {true, false}) {
        for (const Settings &settings : fuzz::allOptions(false)) {
            const TranslationResult fast = translator.Translate(query, direction, settings, messages, progress);
            const TranslationResult plain =
                reference::Translate(small, shippedData.personal, query, direction, settings, messages, progress);
            fuzz::checkSame(fast, plain, fuzz::shown(query));
            fuzz::checkBounded(fast, small, shippedData.personal, query);
        }
    }
    return 0;
}
