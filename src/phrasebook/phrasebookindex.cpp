#include "phrasebook/phrasebookindex.h"

#include "phrasebook/phrasebooksearch.h"
#include "words/searchstate.h"

namespace parlora::phrasebook {

namespace {
constexpr QChar Space = u' ';
}

PhrasebookIndex::PhrasebookIndex(const Phrasebook &phrasebook, bool direction)
    : m_phrasebook(phrasebook), m_direction(direction)
{
    for (int p = 0; p < phrasebook.Count(); ++p) {
        const QStringList parts = SourceSide(phrasebook.Search.at(p), direction).split(Space, Qt::KeepEmptyParts);
        // Only the parts with a space on both sides are whole words: the first
        // and the last part touch the ends of the text.
        for (qsizetype i = 1; i + 1 < parts.size(); ++i) {
            QList<int> &phrases = m_phrasesByWord[parts.at(i)];
            if (phrases.isEmpty() || phrases.constLast() != p)
                phrases.append(p);
        }
    }
}

QList<int> PhrasebookIndex::phrasesHolding(const QString &word) const
{
    if (!word.contains(Space))
        return m_phrasesByWord.value(word);
    // A rewritten query of several words is rare; scan for it.
    const QString wholeWord = Space + word + Space;
    QList<int> phrases;
    for (int p = 0; p < m_phrasebook.Count(); ++p) {
        if (SourceSide(m_phrasebook.Search.at(p), m_direction).contains(wholeWord))
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
                             ProgressSink &progress) const
{
    progress.setProgressMaximum(grammar.Count());
    progress.setProgressVisible(true);
    for (int r = 0; r < grammar.Count(); ++r) {
        progress.setProgressValue(r + 1);
        const std::optional<QString> rewritten = RewriteQuery(query, grammar.Rules.at(r));
        if (!rewritten)
            continue;
        for (int p : phrasesHolding(*rewritten))
            appendPhrase(state, p, *rewritten);
    }
}

} // namespace parlora::phrasebook
