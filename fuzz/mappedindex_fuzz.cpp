// The mapped index file: made from a dictionary, it answers every question
// exactly as the indexes in memory do; damaged anywhere, or made of any
// bytes at all, it is refused or answers without ever reading outside
// itself.
//
// Input: a first byte; even, the rest is a dictionary (source TAB target,
// one record a line, Windows-1252; the text may be repeated, see
// fuzzsupport.h), a record separator, then damage to the file made from it
// (pairs of a two-byte offset and a byte value); odd, the rest is the index
// file itself, given the right stamp and size so that the checks behind
// them are reached.

#include "fuzzsupport.h"
#include "translationchecks.h"

#include "localisation/languagemessages.h"
#include "translation/mappedindex.h"
#include "translation/searchindex.h"
#include "translation/translate.h"
#include "words/textrules.h"

#include <QStringDecoder>

#include <cstring>

using namespace parlora;

namespace {

const indexfile::SourceStamp Stamp{4321, 8765};
// Where the header keeps the file's size and the stamp of its source.
constexpr qsizetype FileSizeOffset = 16;
constexpr qsizetype StampOffset = 24;
// Queries taken from the records; more only slow the run down.
constexpr qsizetype MaxQueries = 24;

MainDictionary dictionaryOf(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-1252");
    const QString text = decoder(bytes);
    MainDictionary dictionary;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (dictionary.Count() == MaxListEntries)
            break;
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        dictionary.Language1Entries << (tab < 0 ? line : line.first(tab));
        dictionary.Language2Entries << (tab < 0 ? QString() : line.sliced(tab + 1));
    }
    return dictionary;
}

// Entries, their words and their beginnings, in both languages.
QStringList queriesFrom(const IndexView &language1, const IndexView &language2)
{
    QStringList queries{QStringLiteral("a"), QStringLiteral("casa"), QString()};
    for (const IndexView *index : {&language1, &language2}) {
        for (qint32 record = 0; record < index->RecordCount() && queries.size() < MaxQueries; ++record) {
            const QString entry = index->Source(record).toString();
            queries << entry << entry.left(3);
            const QStringList parts = words::SplitWords(words::StripPunctuation(entry));
            queries << parts.back();
        }
    }
    return queries;
}

void translateAll(const Translator &translator, const QStringList &queries)
{
    const LanguageMessages messages = LanguageMessages::builtIn();
    NullProgressSink progress;
    for (const QString &query : queries) {
        for (const bool direction : {true, false}) {
            for (const Settings &settings : fuzz::allOptions(false))
                (void)translator.Translate(query, direction, settings, messages, progress);
        }
    }
}

// Whatever a sound-looking file holds is read within its bounds.
void readEverything(const MappedIndexFile &file)
{
    for (const bool direction : {true, false}) {
        const MappedIndex &index = file.index(direction);
        for (qint32 record = 0; record < index.RecordCount(); ++record) {
            const QString source = index.Source(record).toString();
            (void)index.Target(record);
            (void)index.RecordsWithForm(words::ComparisonForm(source));
            for (const QString &word : words::SplitWords(words::StripPunctuation(words::ComparisonForm(source))))
                (void)index.Occurrences(word);
            if (!source.isEmpty()) {
                for (const qint32 id : index.CandidatesByFirst(source.size(), source.front())) {
                    (void)index.Candidate(id);
                    (void)index.CandidateRecords(id);
                }
                (void)index.CandidatesByLast(source.size(), source.back());
            }
        }
    }
}

void checkAnyBytes(QByteArray bytes)
{
    if (bytes.size() >= StampOffset + qsizetype(2 * sizeof(qint64))) {
        const quint64 size = quint64(bytes.size());
        std::memcpy(bytes.data() + FileSizeOffset, &size, sizeof size);
        std::memcpy(bytes.data() + StampOffset, &Stamp.size, sizeof Stamp.size);
        std::memcpy(bytes.data() + StampOffset + sizeof Stamp.size, &Stamp.modifiedNanoseconds,
                    sizeof Stamp.modifiedNanoseconds);
    }
    const std::unique_ptr<MappedIndexFile> mapped = MappedIndexFile::fromBytes(bytes, Stamp);
    if (!mapped)
        return;
    readEverything(*mapped);
    const DictionaryData noData;
    const PersonalDictionary personal;
    Translator translator(noData, personal);
    translator.UseMainIndexes(mapped->index(true), mapped->index(false));
    translateAll(translator, queriesFrom(mapped->index(true), mapped->index(false)));
}

void checkMadeFromDictionary(const QByteArray &dictionaryBytes, const QByteArray &damage)
{
    DictionaryData data;
    data.mainDictionary = dictionaryOf(dictionaryBytes);
    const MainDictionary &main = data.mainDictionary;
    const SearchIndex language1(main.Language1Entries, main.Language2Entries);
    const SearchIndex language2(main.Language2Entries, main.Language1Entries);
    const QByteArray file = indexfile::serialize(Stamp, main, language1, language2);

    const std::unique_ptr<MappedIndexFile> mapped = MappedIndexFile::fromBytes(file, Stamp);
    FUZZ_CHECK(mapped != nullptr, QStringLiteral("a file just made was refused"));
    FUZZ_CHECK(!MappedIndexFile::fromBytes(file, {Stamp.size + 1, Stamp.modifiedNanoseconds}),
               QStringLiteral("a stale file was taken"));
    FUZZ_CHECK(mapped->index(true).RecordCount() == main.Count(), QString::number(main.Count()));
    for (qint32 record = 0; record < main.Count(); ++record) {
        FUZZ_CHECK(mapped->index(true).Source(record) == main.Language1Entries.at(record)
                       && mapped->index(true).Target(record) == main.Language2Entries.at(record)
                       && mapped->index(false).Source(record) == main.Language2Entries.at(record),
                   QStringLiteral("record %1").arg(record));
    }

    const PersonalDictionary personal;
    const Translator inMemory(data, personal);
    Translator fromFile(data, personal);
    fromFile.UseMainIndexes(mapped->index(true), mapped->index(false));
    const LanguageMessages messages = LanguageMessages::builtIn();
    NullProgressSink progress;
    for (const QString &query : queriesFrom(language1, language2)) {
        for (const bool direction : {true, false}) {
            for (const Settings &settings : fuzz::allOptions(false)) {
                const TranslationResult a = inMemory.Translate(query, direction, settings, messages, progress);
                const TranslationResult b = fromFile.Translate(query, direction, settings, messages, progress);
                fuzz::checkSame(b, a, fuzz::shown(query) + QStringLiteral(" from the file"));
            }
        }
    }

    if (damage.size() < 3 || file.isEmpty())
        return;
    QByteArray damaged = file;
    for (qsizetype i = 0; i + 2 < damage.size(); i += 3) {
        const qsizetype offset = ((quint8(damage.at(i)) << 8) | quint8(damage.at(i + 1))) % damaged.size();
        damaged[offset] = damage.at(i + 2);
    }
    const std::unique_ptr<MappedIndexFile> broken = MappedIndexFile::fromBytes(damaged, Stamp);
    if (!broken)
        return;
    readEverything(*broken);
    Translator translator(data, personal);
    translator.UseMainIndexes(broken->index(true), broken->index(false));
    translateAll(translator, queriesFrom(language1, language2));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    if (data[0] % 2 == 1) {
        checkAnyBytes(QByteArray(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)));
        return 0;
    }
    const QList<QByteArray> sections = fuzz::splitSections(data + 1, size - 1, 2);
    checkMadeFromDictionary(fuzz::expanded(sections.at(0)), sections.at(1));
    return 0;
}
