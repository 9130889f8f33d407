#include "morphology/baseforms.h"

#include "morphology/hunspellreduction.h"
#include "morphology/mappedformtable.h"
#include "platform/textfile.h"

#include <QCryptographicHash>
#include <QDateTime>
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

namespace {

// Where the copy reduced for these headwords lives (without extension). The
// system dictionary's own size and time are part of its name, so that an
// updated dictionary is copied again.
QString reducedCopyPath(const QString &system, const QString &cacheFolder, const QString &key)
{
    QString identity = key + u'\n' + system;
    for (const QString &extension : {QStringLiteral(".aff"), QStringLiteral(".dic")}) {
        const QFileInfo file(system + extension);
        identity += QStringLiteral("\n%1 %2").arg(file.size()).arg(file.lastModified().toMSecsSinceEpoch());
    }
    const QByteArray hash = QCryptographicHash::hash(identity.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    return cacheFolder + QStringLiteral("/hunspell-%1-%2").arg(QFileInfo(system).fileName(), QString::fromLatin1(hash));
}

// The reduced copy of the dictionary in the cache folder, made when missing;
// the system dictionary itself when no copy can be made.
QStringList reducedDictionaries(const QStringList &dictionaries, const QString &cacheFolder, const QString &key,
                                const BaseForms::HeadwordList &headwords)
{
    const QString system = firstInstalledDictionary(dictionaries);
    if (system.isEmpty() || cacheFolder.isEmpty() || !headwords)
        return dictionaries;
    const QString name = QFileInfo(system).fileName();
    const QString copy = reducedCopyPath(system, cacheFolder, key);
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
    // Copies made for earlier headwords, and the answers they gave, are of
    // no more use.
    const QFileInfo made(copy + QStringLiteral(".dic"));
    for (const QFileInfo &old : QDir(cacheFolder).entryInfoList({QStringLiteral("hunspell-%1-*").arg(name)}, QDir::Files)) {
        if (old.completeBaseName() != made.completeBaseName())
            QFile::remove(old.filePath());
    }
    return {copy, system};
}

} // namespace

void BaseForms::reduceHunspellTo(QString cacheKey, HeadwordList headwords)
{
    m_reductionKey = std::move(cacheKey);
    m_headwords = std::move(headwords);
    const QString system = firstInstalledDictionary(m_hunspellDictionaries);
    if (!system.isEmpty() && !m_cacheFolder.isEmpty())
        m_answers = std::make_unique<StemAnswers>(reducedCopyPath(system, m_cacheFolder, m_reductionKey)
                                                  + QStringLiteral(".stems"));
}

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

    QStringList asked{word};
    QSet<QString> seenAsked{word};
    appendNew(asked, seenAsked, rewritten, word);
    QStringList stems;
    QSet<QString> seenStems;
    for (const QStringList &answer : hunspellStems(asked))
        appendNew(stems, seenStems, answer, word);
    for (const QString &stem : std::as_const(stems)) {
        if (isHeadword(stem))
            found.append(stem);
    }
    return found;
}

QList<QStringList> BaseForms::hunspellStems(const QStringList &words) const
{
    QList<QStringList> answers;
    for (const QString &word : words) {
        std::optional<QStringList> kept = m_answers ? m_answers->find(word) : std::nullopt;
        if (!kept)
            break;
        answers.append(std::move(*kept));
    }
    if (answers.size() == words.size())
        return answers;

    const HunspellStemmer &stemmer = hunspell();
    answers.clear();
    for (const QString &word : words) {
        answers.append(stemmer.stems(word));
        // Only a loaded dictionary's answer is worth keeping.
        if (m_answers && stemmer.isLoaded() && !m_answers->find(word))
            m_answers->remember(word, answers.last());
    }
    return answers;
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
