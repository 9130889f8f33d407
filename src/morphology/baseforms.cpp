#include "morphology/baseforms.h"

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

BaseForms::BaseForms(QString tableFile, QStringList hunspellDictionaries)
    : m_tableFile(std::move(tableFile)), m_hunspellDictionaries(std::move(hunspellDictionaries))
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
        m_table = std::async(policy, [file = m_tableFile] {
                      auto loaded = std::make_shared<Table>();
                      loaded->result = loaded->table.load(file);
                      return std::shared_ptr<const Table>(std::move(loaded));
                  }).share();
    });
}

void BaseForms::startHunspell(std::launch policy) const
{
    std::call_once(m_hunspellStarted, [this, policy] {
        m_hunspell = std::async(policy, [dictionaries = m_hunspellDictionaries] {
                         return std::shared_ptr<const HunspellStemmer>(
                             std::make_shared<HunspellStemmer>(dictionaries));
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
    const FormTable &forms = table().table;
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
                             const QString &hunspellFolder)
    : m_language1(language1Table, italianDictionaries(hunspellFolder)),
      m_language2(language2Table, portugueseDictionaries(hunspellFolder))
{
}

void PairBaseForms::loadInBackground() const
{
    m_language1.loadInBackground();
    m_language2.loadInBackground();
}

} // namespace parlora::morphology
