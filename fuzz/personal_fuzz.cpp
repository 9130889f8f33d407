// The personal dictionary: any file loads, and whatever edits follow (insert,
// delete, undo, redo, save), the store stays sorted, every save reads back as
// the same pairs, undo takes the store back to the file it loaded, a search
// of the store after each edit finds what a plain sweep finds, and a second
// program saving the same file keeps the first one's pairs.
//
// Input: the file's bytes, a record separator, then the edits, one command
// byte each followed by its operands.

#include "fuzzsupport.h"

#include "plainsearch.h"
#include "referencetranslator.h"

#include "dictionary/personaldictionary.h"
#include "localisation/languagemessages.h"
#include "translation/translate.h"

#include <QStringDecoder>

#include <algorithm>

using namespace parlora;

namespace {

// Enough edits to reach deep into the history; more only slow the run down.
constexpr int MaxEdits = 200;
// Texts typed into the panel are short; longer ones add nothing here.
constexpr int MaxTypedLength = 12;

struct Pairs {
    QStringList words;
    QStringList translations;
    bool operator==(const Pairs &) const = default;
};

Pairs pairsOf(const PersonalDictionary &store)
{
    return {store.Words(), store.Translations()};
}

// The pairs in word order, each run of equal words in translation order.
// Loading puts each pair before the equal words read earlier, as it always
// did (older files rely on it), so a run of equal words comes back from a
// save in reverse: the same pairs, the same words in the same places.
Pairs canonical(Pairs pairs)
{
    QList<QPair<QString, QString>> list;
    for (qsizetype i = 0; i < pairs.words.size(); ++i)
        list.append({pairs.words.at(i), pairs.translations.at(i)});
    std::stable_sort(list.begin(), list.end());
    for (qsizetype i = 0; i < list.size(); ++i) {
        pairs.words[i] = list.at(i).first;
        pairs.translations[i] = list.at(i).second;
    }
    return pairs;
}

QString describe(const Pairs &pairs)
{
    return fuzz::shown(pairs.words) + QStringLiteral(" / ") + fuzz::shown(pairs.translations);
}

// Reads the edits' operands; past the end every byte reads as 0.
class Script {
public:
    explicit Script(QByteArray bytes) : m_bytes(std::move(bytes)) {}
    bool atEnd() const { return m_position >= m_bytes.size(); }
    quint8 byte() { return atEnd() ? 0 : quint8(m_bytes.at(m_position++)); }
    // A short text as typed: its length, then its bytes in Windows-1252 (a
    // line break or an unencodable character gets refused; 0x81 and its
    // kind have no Windows-1252 character and stand for such a character).
    QString text()
    {
        const int length = byte() % (MaxTypedLength + 1);
        QByteArray bytes;
        for (int i = 0; i < length; ++i)
            bytes += char(byte());
        QStringDecoder decoder("windows-1252");
        return decoder(bytes);
    }

private:
    QByteArray m_bytes;
    qsizetype m_position = 0;
};

void checkSorted(const PersonalDictionary &store)
{
    FUZZ_CHECK(std::is_sorted(store.Words().cbegin(), store.Words().cend()), fuzz::shown(store.Words()));
    FUZZ_CHECK(store.Words().size() == store.Translations().size(), QStringLiteral("lists of different lengths"));
    FUZZ_CHECK(store.RenderEntries().size() == store.EntryCount(), QStringLiteral("rendered lines"));
}

// Saves and reads the file back with a store of its own.
void checkSaveReadsBack(PersonalDictionary &store)
{
    const SaveResult saved = store.SavePersonalDictionary();
    FUZZ_CHECK(saved.ok, QStringLiteral("a store that was read could not be saved: ") + saved.error);
    FUZZ_CHECK(!store.isModified(), QStringLiteral("modified right after a save"));
    PersonalDictionary reread;
    FUZZ_CHECK(reread.LoadPersonalDictionary(store.FileName()).ok, store.FileName());
    FUZZ_CHECK(reread.Words() == store.Words() && canonical(pairsOf(reread)) == canonical(pairsOf(store)),
               describe(pairsOf(store)) + QStringLiteral(" read back as ") + describe(pairsOf(reread)));
}

// The store's own index, kept up to date edit by edit, answers as the
// plain sweep over the store does.
void checkSearch(const Translator &translator, const PersonalDictionary &store, const DictionaryData &noData,
                 const QString &query)
{
    static const LanguageMessages messages = LanguageMessages::builtIn();
    NullProgressSink progress;
    Settings settings;
    settings.SimilarWordSearch = true;
    settings.PhrasebookSearch = true;
    for (const bool direction : {true, false}) {
        const TranslationResult fast = translator.Translate(query, direction, settings, messages, progress);
        const TranslationResult plain =
            reference::Translate(noData, store, query, direction, settings, messages, progress);
        FUZZ_CHECK(fast.translations == plain.translations && fast.similarWords == plain.similarWords
                       && fast.resultText == plain.resultText,
                   fuzz::shown(query) + QStringLiteral(": ") + fuzz::shown(fast.translations)
                       + QStringLiteral(" but the plain sweep ") + fuzz::shown(plain.translations));
    }
}

QList<QPair<QString, QString>> pairSet(const Pairs &pairs)
{
    QList<QPair<QString, QString>> set;
    for (qsizetype i = 0; i < pairs.words.size(); ++i)
        set.append({pairs.words.at(i), pairs.translations.at(i)});
    std::sort(set.begin(), set.end());
    set.erase(std::unique(set.begin(), set.end()), set.end());
    return set;
}

// Another program (a second Parlora, a sync tool) saves the file between
// this store's load and its save: the pairs it saved must survive.
void checkConcurrentSave(const QString &path)
{
    PersonalDictionary other;
    FUZZ_CHECK(other.LoadPersonalDictionary(path).ok, path);
    PersonalDictionary mine;
    FUZZ_CHECK(mine.LoadPersonalDictionary(path).ok, path);
    // The other program replaces one pair by another of the same length, so
    // that only the contents of the file tell the change.
    if (other.EntryCount() > 0) {
        QString word = other.Words().front();
        QString translation = other.Translations().front();
        other.DeleteEntry(0);
        word = word.isEmpty() ? QStringLiteral("x") : (word.front() == u'x' ? u'y' : u'x') + word.mid(1);
        if (translation.isEmpty())
            translation = QStringLiteral("x");
        if (!other.InsertEntry(word, translation))
            return;
    }
    FUZZ_CHECK(other.SavePersonalDictionary().ok, path);
    const Pairs theirs = pairsOf(other);

    QString word = QStringLiteral("mine");
    QString translation = QStringLiteral("minha");
    FUZZ_CHECK(mine.InsertEntry(word, translation).ok, word);
    FUZZ_CHECK(mine.SavePersonalDictionary().ok, path);
    PersonalDictionary result;
    FUZZ_CHECK(result.LoadPersonalDictionary(path).ok, path);
    const QList<QPair<QString, QString>> kept = pairSet(pairsOf(result));
    for (const auto &pair : pairSet(theirs))
        FUZZ_CHECK(std::binary_search(kept.cbegin(), kept.cend(), pair),
                   QStringLiteral("the other program's pair %1 / %2 was lost").arg(fuzz::shown(pair.first),
                                                                                   fuzz::shown(pair.second)));
    FUZZ_CHECK(std::binary_search(kept.cbegin(), kept.cend(), qMakePair(word, translation)),
               QStringLiteral("this program's own pair was lost"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> sections = fuzz::splitSections(data, size, 2);
    const QString path = fuzz::scratchFolder() + QStringLiteral("/portital.per");
    fuzz::removeFile(path + QStringLiteral(".bak"));
    fuzz::writeFile(path, sections.at(0));

    PersonalDictionary store;
    FUZZ_CHECK(store.LoadPersonalDictionary(path).ok, path);
    checkSorted(store);
    const PersonalLoadReport report = store.LastLoadReport();
    FUZZ_CHECK(report.bytes == sections.at(0).size() && report.pairs == store.EntryCount(),
               QStringLiteral("%1 pairs reported, %2 loaded").arg(report.pairs).arg(store.EntryCount()));
    // Every pair takes at least one line end, except a last one.
    FUZZ_CHECK(store.EntryCount() <= sections.at(0).size() / 2 + 1, QString::number(store.EntryCount()));
    const Pairs loaded = pairsOf(store);
    checkSaveReadsBack(store);
    FUZZ_CHECK(pairsOf(store) == loaded, QStringLiteral("saving changed the store"));

    const DictionaryData noData;
    const Translator translator(noData, store);
    Script script(sections.at(1));
    for (int edit = 0; edit < MaxEdits && !script.atEnd(); ++edit) {
        switch (script.byte() % 6) {
        case 0: {
            QString word = script.text();
            QString translation = script.text();
            const QString typed = word + QLatin1Char('\n') + translation;
            const qint32 before = store.EntryCount();
            const InsertResult inserted = store.InsertEntry(word, translation);
            FUZZ_CHECK(store.EntryCount() == before + (inserted.ok ? 1 : 0), fuzz::shown(typed));
            // Refused exactly when the file could not hold the text.
            const auto fits = [](const QString &text) {
                return !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n'))
                    && canEncodeWindows1252(text);
            };
            const bool storable = fits(word) && fits(translation);
            FUZZ_CHECK(inserted.ok == storable, fuzz::shown(typed) + QStringLiteral(": ") + inserted.error);
            break;
        }
        case 1: {
            const qint32 index = script.byte() % (store.EntryCount() + 1);
            const qint32 before = store.EntryCount();
            store.DeleteEntry(index);
            FUZZ_CHECK(store.EntryCount() == before - (index < before ? 1 : 0), QString::number(index));
            break;
        }
        case 2:
            store.Undo();
            break;
        case 3:
            store.Redo();
            break;
        case 4:
            checkSaveReadsBack(store);
            break;
        case 5: {
            // A word the store holds already, with a translation of its own.
            if (store.EntryCount() == 0)
                break;
            QString word = store.Words().at(script.byte() % store.EntryCount());
            QString translation = script.text();
            (void)store.InsertEntry(word, translation);
            break;
        }
        }
        checkSorted(store);
        if (store.EntryCount() > 0)
            checkSearch(translator, store, noData, store.Words().at(script.byte() % store.EntryCount()));
    }

    // Undo goes back to the file as loaded, redoing as many steps to the last
    // edit (steps undone before it may still be redone after it).
    checkSaveReadsBack(store);
    const Pairs edited = pairsOf(store);
    int undone = 0;
    for (; store.canUndo(); ++undone)
        store.Undo();
    FUZZ_CHECK(pairsOf(store) == loaded, describe(pairsOf(store)) + QStringLiteral(" after undoing everything"));
    for (int step = 0; step < undone; ++step) {
        FUZZ_CHECK(store.canRedo(), QStringLiteral("redo %1 of %2 not offered").arg(step + 1).arg(undone));
        store.Redo();
    }
    FUZZ_CHECK(pairsOf(store) == edited, describe(pairsOf(store)) + QStringLiteral(" after redoing what was undone"));

    checkConcurrentSave(path);
    return 0;
}
