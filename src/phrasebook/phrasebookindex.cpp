#include "phrasebook/phrasebookindex.h"

#include "phrasebook/phrasebooksearch.h"
#include "words/searchstate.h"
#include "words/textrules.h"

#include <QSet>

namespace parlora::phrasebook {

namespace {
constexpr QChar Space = u' ';
// Rewritten words looked for by scanning before the words get an index.
constexpr int ScansBeforeIndexing = 64;
} // namespace

PhrasebookIndex::PhrasebookIndex(const Phrasebook &phrasebook, bool direction)
    : m_phrasebook(phrasebook), m_direction(direction)
{
    m_lowered.reserve(phrasebook.Count());
    // Lower case: the query is, and a phrase's first word is capitalised.
    for (int p = 0; p < phrasebook.Count(); ++p)
        m_lowered.append(words::LowerCase(SourceSide(phrasebook.Search.at(p), direction)));
}

void PhrasebookIndex::indexWords() const
{
    for (int p = 0; p < int(m_lowered.size()); ++p) {
        const QStringView text = m_lowered.at(p);
        // Only the parts with a space on both sides are whole words: the first
        // and the last part touch the ends of the text.
        qsizetype start = text.indexOf(Space);
        while (start >= 0) {
            const qsizetype end = text.indexOf(Space, start + 1);
            if (end < 0)
                break;
            QList<int> &phrases = m_phrasesByWord[text.sliced(start + 1, end - start - 1)];
            if (phrases.isEmpty() || phrases.constLast() != p)
                phrases.append(p);
            start = end;
        }
    }
    m_wordsIndexed = true;
}

bool PhrasebookIndex::isBuiltFrom(const Phrasebook &phrasebook) const
{
    return phrasebook.Display.size() == m_phrasebook.Display.size()
        && phrasebook.Search.size() == m_phrasebook.Search.size()
        && phrasebook.Display.constData() == m_phrasebook.Display.constData()
        && phrasebook.Search.constData() == m_phrasebook.Search.constData();
}

QList<int> PhrasebookIndex::phrasesHolding(const QString &word) const
{
    // A few searches scan the phrases; many (the window's) are worth an
    // index of their words.
    if (!m_wordsIndexed && ++m_searches > ScansBeforeIndexing)
        indexWords();
    if (m_wordsIndexed && !word.contains(Space))
        return m_phrasesByWord.value(QStringView(word));
    // A rewritten query of several words is rare; scan for it.
    const QString wholeWord = Space + word + Space;
    QList<int> phrases;
    for (int p = 0; p < m_phrasebook.Count(); ++p) {
        if (m_lowered.at(p).contains(wholeWord))
            phrases.append(p);
    }
    return phrases;
}

void PhrasebookIndex::appendPhrase(SearchState &state, int phrase, const QString &word) const
{
    const PhraseRecord &shown = m_phrasebook.Display.at(phrase);
    words::AppendResultBlock(state, HighlightPhrase(SourceSide(shown, m_direction), word),
                             TargetSide(shown, m_direction));
}

void PhrasebookIndex::Search(SearchState &state, const QString &query, const GrammarList &grammar,
                             const QStringList &baseForms) const
{
    struct Found {
        int phrase;
        QString word;
    };
    QList<Found> found;
    for (const GrammarRule &rule : grammar.Rules) {
        const std::optional<QString> rewritten = RewriteQuery(query, rule);
        if (!rewritten)
            continue;
        for (int p : phrasesHolding(*rewritten))
            found.append({p, *rewritten});
    }
    // The base forms come after the grammar's rewrites, each phrase once.
    if (!baseForms.isEmpty()) {
        QSet<int> shown;
        for (const Found &f : std::as_const(found))
            shown.insert(f.phrase);
        for (const QString &base : baseForms) {
            for (int p : phrasesHolding(base)) {
                if (!shown.contains(p)) {
                    shown.insert(p);
                    found.append({p, base});
                }
            }
        }
    }

    // A short or empty query can find thousands of phrases: grow the result
    // text once rather than copying it over and over.
    qsizetype length = state.resultText.size();
    for (const Found &f : std::as_const(found)) {
        const PhraseRecord &shown = m_phrasebook.Display.at(f.phrase);
        length += shown.Language1.size() + shown.Language2.size() + 3 * words::BlockLineEnd.size();
    }
    state.resultText.reserve(length);
    for (const Found &f : std::as_const(found))
        appendPhrase(state, f.phrase, f.word);
}

} // namespace parlora::phrasebook
