#include "morphology/baseforms.h"

#include "morphology/hunspellreduction.h"
#include "morphology/mappedformtable.h"
#include "platform/textfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace parlora::morphology {

namespace {
// Appends the items not in the list yet (seen holds the list's items, so
// that many rules or stems cost their number, not its square).
void appendNew(QStringList &list, QSet<QString> &seen, const QStringList &more, const QString &word)
{
    for (const QString &item : more) {
        if (item != word && !seen.contains(item)) {
            seen.insert(item);
            list.append(item);
        }
    }
}

template <typename T>
void waitFor(const std::shared_future<T> &future)
{
    if (future.valid())
        future.wait();
}
} // namespace

BaseForms::BaseForms(QString tableFile, QStringList hunspellDictionaries, QString cacheFolder)
    : m_tableFile(std::move(tableFile)), m_hunspellDictionaries(std::move(hunspellDictionaries)),
      m_cacheFolder(std::move(cacheFolder))
{
}

BaseForms::~BaseForms()
{
    // A background load still running must not outlive what it reads.
    waitFor(m_table);
    waitFor(m_hunspell);
}

void BaseForms::startTable(std::launch policy) const
{
    std::call_once(m_tableStarted, [this, policy] {
        m_table = std::async(policy, [file = m_tableFile, cacheFolder = m_cacheFolder] {
                      auto loaded = std::make_shared<Table>();
                      const std::optional<MappedFormTable::Stamp> stamp =
                          cacheFolder.isEmpty() ? std::nullopt : MappedFormTable::stampOf(file);
                      const QString cacheFile = stamp ? cachedTablePath(cacheFolder, file) : QString();
                      if (stamp) {
                          if (std::unique_ptr<MappedFormTable> mapped = MappedFormTable::open(cacheFile, *stamp)) {
                              loaded->lookup = std::move(mapped);
                              return std::shared_ptr<const Table>(std::move(loaded));
                          }
                      }
                      auto parsed = std::make_unique<FormTable>();
                      loaded->result = parsed->load(file);
                      // Kept for the next start; a cache that cannot be
                      // written only means parsing again.
                      if (stamp && loaded->result.ok && MappedFormTable::stampOf(file) == stamp)
                          (void)writeFileAtomically(cacheFile, MappedFormTable::serialize(*stamp, *parsed));
                      loaded->lookup = std::move(parsed);
                      return std::shared_ptr<const Table>(std::move(loaded));
                  }).share();
    });
}

void BaseForms::reduceHunspellTo(QString cacheKey, HeadwordList headwords)
{
    m_reductionKey = std::move(cacheKey);
    m_headwords = std::move(headwords);
}

namespace {

// The reduced copy of the dictionary in the cache folder, made when missing;
// the system dictionary itself when no copy can be made.
QStringList reducedDictionaries(const QStringList &dictionaries, const QString &cacheFolder, const QString &key,
                                const BaseForms::HeadwordList &headwords)
{
    const QString system = firstInstalledDictionary(dictionaries);
    if (system.isEmpty() || cacheFolder.isEmpty() || !headwords)
        return dictionaries;
    const QString name = QFileInfo(system).fileName();
    const QByteArray hash =
        QCryptographicHash::hash((key + u'\n' + system).toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    const QString copy = cacheFolder + QStringLiteral("/hunspell-%1-%2").arg(name, QString::fromLatin1(hash));
    if (QFileInfo::exists(copy + QStringLiteral(".aff")) && QFileInfo::exists(copy + QStringLiteral(".dic")))
        return {copy, system};
    const FileBytes words = readDataFile(system + QStringLiteral(".dic"));
    const FileBytes affixes = readDataFile(system + QStringLiteral(".aff"));
    if (!words.ok || !affixes.ok)
        return dictionaries;
    const QStringList list = headwords();
    const QSet<QString> keep(list.cbegin(), list.cend());
    const std::optional<HunspellFiles> reduced =
        reducedDictionary({affixes.bytes, words.bytes}, [&](const QString &word) { return keep.contains(word); });
    // The word list last: a copy is taken as made only once both are there.
    if (!reduced || !writeFileAtomically(copy + QStringLiteral(".aff"), reduced->affixes)
        || !writeFileAtomically(copy + QStringLiteral(".dic"), reduced->words))
        return dictionaries;
    // Copies made for earlier headwords are of no more use.
    const QFileInfo made(copy + QStringLiteral(".dic"));
    for (const QFileInfo &old : QDir(cacheFolder).entryInfoList({QStringLiteral("hunspell-%1-*").arg(name)}, QDir::Files)) {
        if (old.completeBaseName() != made.completeBaseName())
            QFile::remove(old.filePath());
    }
    return {copy, system};
}

} // namespace

void BaseForms::startHunspell(std::launch policy) const
{
    std::call_once(m_hunspellStarted, [this, policy] {
        m_hunspell = std::async(policy, [dictionaries = m_hunspellDictionaries, cacheFolder = m_cacheFolder,
                                         key = m_reductionKey, headwords = m_headwords] {
                         return std::shared_ptr<const HunspellStemmer>(std::make_shared<HunspellStemmer>(
                             reducedDictionaries(dictionaries, cacheFolder, key, headwords)));
                     }).share();
    });
}

void BaseForms::loadInBackground() const
{
    startTable(std::launch::async);
    startHunspell(std::launch::async);
}

const BaseForms::Table &BaseForms::table() const
{
    startTable(std::launch::deferred);
    return *m_table.get();
}

const HunspellStemmer &BaseForms::hunspell() const
{
    startHunspell(std::launch::deferred);
    return *m_hunspell.get();
}

const FormTable::LoadResult &BaseForms::tableLoadResult() const
{
    return table().result;
}

bool BaseForms::hunspellLoaded() const
{
    return hunspell().isLoaded();
}

QStringList BaseForms::baseForms(const QString &word, const HeadwordTest &isHeadword) const
{
    const FormLookup &forms = *table().lookup;
    const QStringList listed = forms.bases(word);
    const QStringList rewritten = forms.rewrites(word);
    QStringList candidates;
    QSet<QString> seen;
    appendNew(candidates, seen, listed, word);
    for (const QString &rewrite : rewritten) {
        appendNew(candidates, seen, {rewrite}, word);
        appendNew(candidates, seen, forms.bases(rewrite), word);
    }
    QStringList found;
    for (const QString &candidate : std::as_const(candidates)) {
        if (isHeadword(candidate))
            found.append(candidate);
    }
    // A form our table lists is settled: the table lists every base it has
    // (falamos is falar, never falir as the stemmer would also say).
    if (!found.isEmpty() || !listed.isEmpty())
        return found;

    const HunspellStemmer &stemmer = hunspell();
    QStringList stems;
    QSet<QString> seenStems;
    appendNew(stems, seenStems, stemmer.stems(word), word);
    for (const QString &rewrite : rewritten)
        appendNew(stems, seenStems, stemmer.stems(rewrite), word);
    for (const QString &stem : std::as_const(stems)) {
        if (isHeadword(stem))
            found.append(stem);
    }
    return found;
}

PairBaseForms::PairBaseForms(const QString &language1Table, const QString &language2Table,
                             const QString &hunspellFolder, const QString &cacheFolder)
    : m_language1(language1Table, italianDictionaries(hunspellFolder), cacheFolder),
      m_language2(language2Table, portugueseDictionaries(hunspellFolder), cacheFolder)
{
}

void PairBaseForms::loadInBackground() const
{
    m_language1.loadInBackground();
    m_language2.loadInBackground();
}

} // namespace parlora::morphology
