#include "morphology/baseforms.h"

namespace parlora::morphology {

namespace {
void appendNew(QStringList &list, const QStringList &more, const QString &word)
{
    for (const QString &item : more) {
        if (item != word && !list.contains(item))
            list.append(item);
    }
}
} // namespace

BaseForms::BaseForms(QString tableFile, QStringList hunspellDictionaries)
    : m_tableFile(std::move(tableFile)), m_hunspellDictionaries(std::move(hunspellDictionaries))
{
}

BaseForms::~BaseForms()
{
    // A background load still running must not outlive what it reads.
    if (m_sources.valid())
        m_sources.wait();
}

void BaseForms::start(std::launch policy) const
{
    std::call_once(m_started, [this, policy] {
        m_sources = std::async(policy, [tableFile = m_tableFile, dictionaries = m_hunspellDictionaries] {
                        auto loaded = std::make_shared<Sources>();
                        loaded->tableResult = loaded->table.load(tableFile);
                        loaded->hunspell = std::make_unique<HunspellStemmer>(dictionaries);
                        return std::shared_ptr<const Sources>(std::move(loaded));
                    }).share();
    });
}

void BaseForms::loadInBackground() const
{
    start(std::launch::async);
}

void BaseForms::load() const
{
    start(std::launch::deferred);
    m_sources.wait();
}

const BaseForms::Sources &BaseForms::sources() const
{
    load();
    return *m_sources.get();
}

const FormTable::LoadResult &BaseForms::tableLoadResult() const
{
    return sources().tableResult;
}

bool BaseForms::hunspellLoaded() const
{
    return sources().hunspell->isLoaded();
}

QStringList BaseForms::candidates(const QString &word) const
{
    const Sources &from = sources();
    QStringList found;
    const QStringList listed = from.table.bases(word);
    appendNew(found, listed, word);
    // A form our table lists is settled: the table lists every base it has
    // (falamos is falar, never falir as the stemmer would also say).
    if (listed.isEmpty())
        appendNew(found, from.hunspell->stems(word), word);
    for (const QString &rewritten : from.table.rewrites(word)) {
        appendNew(found, {rewritten}, word);
        appendNew(found, from.table.bases(rewritten), word);
        appendNew(found, from.hunspell->stems(rewritten), word);
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
