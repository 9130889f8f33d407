#pragma once

#include "dictdentry.h"
#include "wordlanguage.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <array>

namespace parlora::dictconvert {

// The rules that clean the translations of the source dictionary. Each rule
// either drops a record or changes its Portuguese side; both are counted.
enum class CleaningRule {
    // Rules that drop a record.
    InflectedForm,    // "(eu) alugo": a conjugated form marked by its pronoun, not a lemma
    NothingLeft,      // nothing but notes and marks
    NumberedGloss,    // a gloss in Italian that starts with the next sense's number
    ProperNameCopied, // a proper name that is written the same in both languages
    ItalianWords,     // Italian words left on the Portuguese side (also words copied untranslated)
    EnglishWords,     // English words no Portuguese dictionary knows (sable, gules, commodity)
    Rejected,         // listed as wrong in the reviewed list of rejected pairs
    NotWindows1252,   // letters the dictionary file cannot hold
    Repeated,         // a pair already present, compared up to case
    InLexicon,        // a pair the core lexicon already holds, compared up to case
    OverBudget,       // a weak record dropped to stay within the file format's record limit
    // Rules that change the Portuguese side.
    NotesRemoved,     // bracketed notes and optional letters: "olhar (para)", "quebrar(-se)"
    MarksRemoved,     // gender and number marks: "casaco m", "louco/a m/f"
    AlternativesSplit, // slashed alternatives: "atualização (Brasil)/actualização (Portugal)"
    PunctuationTrimmed, // "quem dera!" is looked up as "quem dera"
    SpellingUpdated,  // the spelling of the 1990 agreement, in its Brazilian form
    CaseLowered,      // capitals that the Italian headword does not have: "agosto -> Agosto"
};
inline constexpr int CleaningRuleCount = int(CleaningRule::CaseLowered) + 1;

// What the rule does, for the converter's report.
QString cleaningRuleDescription(CleaningRule rule);
bool dropsRecords(CleaningRule rule);

// A pair of the dictionary file as written: the Italian side and one Portuguese side.
using PairKey = QPair<QString, QString>;

struct CleaningCounts {
    std::array<int, CleaningRuleCount> counts{};
    // The reviewed list's pairs that were met, so that stale entries show.
    QSet<PairKey> rejectedSeen;
    // With keepLog set, one "rule<TAB>italian<TAB>portuguese" line per record
    // a rule dropped or changed, for a person reviewing the rules' work.
    bool keepLog = false;
    QStringList log;

    void add(CleaningRule rule, int by = 1) { counts[size_t(rule)] += by; }
    void add(CleaningRule rule, const QString &italian, const QString &portuguese)
    {
        add(rule);
        if (keepLog)
            log.append(cleaningRuleDescription(rule) + u'\t' + italian + u'\t' + portuguese);
    }
    int operator[](CleaningRule rule) const { return counts[size_t(rule)]; }
};

// The text rules, which need no dictionary: notes, marks, alternatives and
// end punctuation. Returns the translations the text stands for (none when
// the record is to be dropped, with the rule in dropRule).
struct TextCleaning {
    QStringList translations;
    CleaningRule dropRule = CleaningRule::NothingLeft;
    QList<CleaningRule> changes; // the changing rules that applied, each once
};
TextCleaning cleanTranslationText(QStringView translation);

// Lower-cases the capital that starts a Portuguese side when its Italian
// headword starts in lower case (agosto -> Agosto, ceco -> Tcheco). A side
// with more capitalised words is a name (Idade Média, cruz de Santo André)
// and stays as it is; so do acronyms (CEP).
QString followHeadwordCase(QStringView headword, const QString &translation);

// Both sides compared without case and accents: "Fabio" and "Fábio" are the
// same name.
QString withoutCaseAndAccents(QStringView text);

// Brings Portuguese spelling to the 1990 agreement in its Brazilian form.
// A reviewed table comes first, for European forms that the Brazilian
// dictionary also accepts (facto -> fato); then a word the Brazilian
// dictionary does not know is respelled by the systematic differences
// (idéia -> ideia, vôo -> voo, cinqüenta -> cinquenta, académico -> acadêmico,
// actividade -> atividade) when the respelled word is known. Words that no
// respelling makes Brazilian (ecrã, comboio) stay as they are.
class SpellingUpdater {
public:
    SpellingUpdater(const WordKnowledge &knowledge, QHash<QString, QString> table);

    // The side with each word updated; other characters stay in place. The
    // Italian side tells which consonants are pronounced (see updateWord).
    QString update(const QString &portuguese, QStringView italianSide = {}) const;
    // One word; returned unchanged when nothing applies. A "c" or "p" before
    // "t" is dropped only where the Italian side has no such pair: Italian
    // assimilates the silent consonant (attività, ottimo), so a pair it keeps
    // (leptone) is pronounced in Portuguese too.
    QString updateWord(const QString &word, QStringView italianSide = {}) const;

private:
    const WordKnowledge &m_knowledge;
    QHash<QString, QString> m_table;
    mutable QHash<QString, QString> m_cache;
};

// Reads "old<TAB>current" (spelling table) or "italian<TAB>portuguese"
// (rejected pairs) lines; "#" lines and blank lines are comments. Lines of
// another shape are reported in problems as "file:line".
struct PairFileResult {
    QList<PairKey> pairs;
    QStringList problems;
    QString error; // the file could not be read
};
PairFileResult readPairFile(const QString &path);

// Everything the cleaning of one record needs.
struct CleaningSetup {
    const WordKnowledge *knowledge = nullptr;
    const SpellingUpdater *spelling = nullptr;
    QSet<PairKey> rejected;
};

// Runs every rule but the repeat and budget rules on one translation of an
// article: returns the records' Portuguese sides (usually one, none when
// dropped, more when alternatives were split) and counts what it did.
QStringList cleanTranslation(const DictdEntry &entry, const QString &translation, const CleaningSetup &setup,
                             CleaningCounts &counts);

// Text the dictionary file can hold: Windows-1252 letters and no control
// characters.
bool isStorable(QStringView text);

// Whether a numbered line after a sense reads as an Italian gloss: more words
// that are Italian only than words that are Portuguese and not Italian.
bool readsAsItalianGloss(const WordKnowledge &knowledge, QStringView text);

} // namespace parlora::dictconvert
