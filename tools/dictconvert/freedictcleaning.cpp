#include "freedictcleaning.h"

#include "platform/textfile.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <deque>

namespace parlora::dictconvert {

QString cleaningRuleDescription(CleaningRule rule)
{
    switch (rule) {
    case CleaningRule::InflectedForm:
        return QStringLiteral("conjugated forms marked by a pronoun");
    case CleaningRule::NothingLeft:
        return QStringLiteral("nothing left but notes and marks");
    case CleaningRule::NumberedGloss:
        return QStringLiteral("numbered Italian glosses taken for senses");
    case CleaningRule::ProperNameCopied:
        return QStringLiteral("proper names the same in both languages");
    case CleaningRule::ItalianWords:
        return QStringLiteral("Italian words on the Portuguese side");
    case CleaningRule::EnglishWords:
        return QStringLiteral("English words on the Portuguese side");
    case CleaningRule::Rejected:
        return QStringLiteral("pairs in the reviewed list of wrong pairs");
    case CleaningRule::NotWindows1252:
        return QStringLiteral("letters outside Windows-1252");
    case CleaningRule::Repeated:
        return QStringLiteral("repeated pairs, compared up to case");
    case CleaningRule::InLexicon:
        return QStringLiteral("pairs the core lexicon already holds");
    case CleaningRule::OverBudget:
        return QStringLiteral("weak records over the record limit");
    case CleaningRule::NotesRemoved:
        return QStringLiteral("bracketed notes and optional letters removed");
    case CleaningRule::MarksRemoved:
        return QStringLiteral("gender and number marks removed");
    case CleaningRule::AlternativesSplit:
        return QStringLiteral("slashed alternatives resolved");
    case CleaningRule::PunctuationTrimmed:
        return QStringLiteral("end punctuation removed");
    case CleaningRule::SpellingUpdated:
        return QStringLiteral("spelling brought to the 1990 agreement (Brazil)");
    case CleaningRule::CaseLowered:
        return QStringLiteral("capitals lowered to follow the headword");
    }
    return QString();
}

bool dropsRecords(CleaningRule rule)
{
    return int(rule) <= int(CleaningRule::OverBudget);
}

namespace {

bool isOpening(QChar c) { return c == u'(' || c == u'['; }
bool isClosing(QChar c) { return c == u')' || c == u']'; }

// Personal pronouns: a note made of them marks a conjugated form.
bool isPronounNote(QStringView note)
{
    static const QSet<QString> pronouns = {"eu", "tu", "você", "ele", "ela", "nós", "vós", "vocês", "eles", "elas"};
    const QStringList words = note.toString().split(QRegularExpression(QStringLiteral("[\\s/,]+")), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return false;
    for (const QString &word : words) {
        if (!pronouns.contains(word.toLower()))
            return false;
    }
    return true;
}

// Removes bracketed groups. A group between spaces is a note and goes; a
// group at a word's start holds letters the word may begin with
// ("(a)parafusar" -> "aparafusar") and is kept without its brackets; a group
// at a word's end is an optional ending or a note ("roupa(s)",
// "quebrar(-se)", "ananás(pt-pt)") and goes. An unclosed group runs to the end.
QString removeBracketedGroups(QStringView text, bool &pronounNote)
{
    QString result;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (isClosing(c)) {
            ++i; // a stray closing bracket
            continue;
        }
        if (!isOpening(c)) {
            result.append(c);
            ++i;
            continue;
        }
        int depth = 0;
        qsizetype end = i;
        for (; end < text.size(); ++end) {
            if (isOpening(text[end]))
                ++depth;
            else if (isClosing(text[end]) && --depth == 0)
                break;
        }
        const QStringView inside = text.sliced(i + 1, std::min(end, text.size()) - i - 1);
        if (isPronounNote(inside))
            pronounNote = true;
        const bool letterBefore = !result.isEmpty() && result.back().isLetter();
        const bool letterAfter = end + 1 < text.size() && text[end + 1].isLetter();
        if (letterAfter && !letterBefore && !inside.contains(u' '))
            result.append(inside);
        i = end + 1;
    }
    return result;
}

// "m", "f", "m/f", "pl"... standing alone: "casaco m", "edifício m de
// apartamentos". No Portuguese word is spelled so.
const QRegularExpression &genderMark()
{
    static const QRegularExpression pattern(QStringLiteral("(^|\\s)(m|f|m/f|f/m|mf|pl|sm|sf)(?=\\s|$)"));
    return pattern;
}

// "/a", "/os", "/as" after a word: the feminine or plural endings.
const QRegularExpression &endingAlternative()
{
    static const QRegularExpression pattern(QStringLiteral("(?<=\\w)/(a|o|as|os|s|es)(?=$|[\\s/])"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    return pattern;
}

// "/word" right after a word: an alternative for that word; the first stays.
const QRegularExpression &wordAlternative()
{
    static const QRegularExpression pattern(QStringLiteral("(?<=\\w)/[^\\s/]+"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    return pattern;
}

void noteChange(TextCleaning &cleaning, CleaningRule rule)
{
    if (!cleaning.changes.contains(rule))
        cleaning.changes.append(rule);
}

} // namespace

TextCleaning cleanTranslationText(QStringView translation)
{
    TextCleaning cleaning;
    QString text = translation.toString();

    bool pronounNote = false;
    if (text.contains(u'(') || text.contains(u'[') || text.contains(u')') || text.contains(u']')) {
        text = removeBracketedGroups(text, pronounNote);
        noteChange(cleaning, CleaningRule::NotesRemoved);
    }
    if (pronounNote) {
        cleaning.dropRule = CleaningRule::InflectedForm;
        return cleaning;
    }
    text = text.simplified();

    while (genderMark().match(text).hasMatch()) {
        text.replace(genderMark(), QStringLiteral("\\1"));
        text = text.simplified();
        noteChange(cleaning, CleaningRule::MarksRemoved);
    }
    if (text.contains(endingAlternative())) {
        text.remove(endingAlternative());
        noteChange(cleaning, CleaningRule::MarksRemoved);
    }

    QStringList pieces{text};
    if (text.contains(u'/')) {
        noteChange(cleaning, CleaningRule::AlternativesSplit);
        // A slash with a space beside it separates whole translations; one
        // inside a word offers another word for it.
        pieces = text.split(QRegularExpression(QStringLiteral("\\s+/\\s*|\\s*/\\s+")), Qt::SkipEmptyParts);
        for (QString &piece : pieces) {
            piece.remove(wordAlternative());
            piece.remove(u'/');
        }
    }

    static const QRegularExpression endPunctuation(QStringLiteral("[!?¡¿]+$|^[¡¿]+"));
    for (const QString &piece : std::as_const(pieces)) {
        QString trimmed = piece;
        trimmed.remove(endPunctuation);
        trimmed = trimmed.simplified();
        if (trimmed != piece.simplified())
            noteChange(cleaning, CleaningRule::PunctuationTrimmed);
        if (!trimmed.isEmpty() && !cleaning.translations.contains(trimmed))
            cleaning.translations.append(trimmed);
    }
    if (cleaning.translations.isEmpty())
        cleaning.dropRule = CleaningRule::NothingLeft;
    return cleaning;
}

namespace {

bool isAcronym(QStringView word)
{
    int letters = 0;
    for (QChar c : word) {
        if (c.isLetter()) {
            if (!c.isUpper())
                return false;
            ++letters;
        }
    }
    return letters >= 2;
}

} // namespace

QString followHeadwordCase(QStringView headword, const QString &translation)
{
    if (headword.isEmpty() || !headword.front().isLower())
        return translation;
    qsizetype firstWord = -1;
    bool firstCapital = false;
    bool laterCapital = false;
    qsizetype i = 0;
    while (i < translation.size()) {
        if (!translation[i].isLetter()) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < translation.size() && translation[end].isLetter())
            ++end;
        const QStringView word = QStringView(translation).sliced(i, end - i);
        const bool capital = word.front().isUpper() && !isAcronym(word);
        if (firstWord < 0) {
            firstWord = i;
            firstCapital = capital;
        } else {
            laterCapital = laterCapital || capital;
        }
        i = end;
    }
    if (!firstCapital || laterCapital)
        return translation;
    QString result = translation;
    result[firstWord] = result[firstWord].toLower();
    return result;
}

QString withoutCaseAndAccents(QStringView text)
{
    const QString decomposed = text.toString().toLower().normalized(QString::NormalizationForm_D);
    QString result;
    result.reserve(decomposed.size());
    for (QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            result.append(c);
    }
    return result;
}

namespace {

// The systematic differences between the older or European spellings and the
// Brazilian spelling of the 1990 agreement, each applied at one place at a time.
struct Respelling {
    QStringView from;
    QStringView to;
};
constexpr Respelling Respellings[] = {
    {u"ü", u"u"},   // cinqüenta
    {u"éi", u"ei"}, // idéia
    {u"ói", u"oi"}, // heróico
    {u"ôo", u"oo"}, // vôo
    {u"êe", u"ee"}, // lêem
    {u"é", u"ê"},   // académico
    {u"ó", u"ô"},   // quilómetro
    {u"ct", u"t"},  // actividade
    {u"cç", u"ç"},  // acção
    {u"pç", u"ç"},  // adopção
    {u"pt", u"t"},  // óptimo
    {u"cc", u"c"},  // accionista
    {u"é", u"e"},   // the accents the agreement dropped: pólo, pêra
    {u"ó", u"o"},
    {u"ê", u"e"},
    {u"ô", u"o"},
};
// Respellings combine (electrónico -> eletrônico), up to this many.
constexpr int MaxRespellings = 3;
// A long word offers many places; asking the dictionary about all their
// combinations would take long for nothing.
constexpr qsizetype MaxCandidates = 2000;

} // namespace

SpellingUpdater::SpellingUpdater(const WordKnowledge &knowledge, QHash<QString, QString> table)
    : m_knowledge(knowledge), m_table(std::move(table))
{
}

QString SpellingUpdater::updateWord(const QString &word, QStringView italianSide) const
{
    if (const auto listed = m_table.constFind(word); listed != m_table.cend())
        return *listed;
    // "Académico" at the start of a name: the table holds the lower-case word.
    if (!word.isEmpty() && word.front().isUpper()) {
        QString lower = word;
        lower[0] = lower[0].toLower();
        if (const auto listed = m_table.constFind(lower); listed != m_table.cend()) {
            QString updated = *listed;
            if (!updated.isEmpty())
                updated[0] = updated[0].toUpper();
            return updated;
        }
    }
    if (!m_knowledge.available(Speller::Brazilian) || m_knowledge.knows(Speller::Brazilian, word))
        return word;

    // A consonant the Italian word keeps is pronounced, not silent: leptone
    // is leptão, which must not become letão.
    const bool keepCt = italianSide.contains(u"ct", Qt::CaseInsensitive);
    const bool keepPt = italianSide.contains(u"pt", Qt::CaseInsensitive);
    const QString cacheKey = word + (keepCt ? u'1' : u'0') + (keepPt ? u'1' : u'0');
    if (const auto cached = m_cache.constFind(cacheKey); cached != m_cache.cend())
        return *cached;

    // Breadth first, so the fewest changes win; the order of the table and of
    // the places in the word decides between candidates with as many.
    QString found = word;
    QSet<QString> seen{word};
    std::deque<std::pair<QString, int>> queue{{word, 0}};
    bool done = false;
    while (!queue.empty() && !done && seen.size() < MaxCandidates) {
        const auto [candidate, depth] = queue.front();
        queue.pop_front();
        if (depth == MaxRespellings)
            continue;
        for (const Respelling &respelling : Respellings) {
            if ((keepCt && respelling.from == u"ct") || (keepPt && respelling.from == u"pt"))
                continue;
            for (qsizetype at = candidate.indexOf(respelling.from); at >= 0 && !done;
                 at = candidate.indexOf(respelling.from, at + 1)) {
                QString next = candidate;
                next.replace(at, respelling.from.size(), respelling.to.toString());
                if (seen.contains(next))
                    continue;
                seen.insert(next);
                if (m_knowledge.knows(Speller::Brazilian, next)) {
                    found = next;
                    done = true;
                }
                queue.emplace_back(next, depth + 1);
            }
            if (done)
                break;
        }
    }
    m_cache.insert(cacheKey, found);
    return found;
}

QString SpellingUpdater::update(const QString &portuguese, QStringView italianSide) const
{
    QString result;
    const auto inWord = [](QChar c) { return c.isLetter() || c == u'-'; };
    qsizetype i = 0;
    while (i < portuguese.size()) {
        if (!inWord(portuguese[i])) {
            result.append(portuguese[i++]);
            continue;
        }
        qsizetype end = i;
        while (end < portuguese.size() && inWord(portuguese[end]))
            ++end;
        result.append(updateWord(portuguese.sliced(i, end - i), italianSide));
        i = end;
    }
    return result;
}

PairFileResult readPairFile(const QString &path)
{
    PairFileResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("cannot read %1").arg(path);
        return result;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QString line = lines[n];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() != 2 || fields[0].isEmpty() || fields[1].isEmpty()) {
            result.problems.append(QStringLiteral("%1:%2: expected two tab-separated fields").arg(path).arg(n + 1));
            continue;
        }
        result.pairs.append({fields[0], fields[1]});
    }
    return result;
}

bool isStorable(QStringView text)
{
    // Control characters would be stored as bytes Windows-1252 leaves undefined.
    const bool control = std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F);
    });
    return !control && canEncodeWindows1252(text);
}

bool readsAsItalianGloss(const WordKnowledge &knowledge, QStringView text)
{
    int italian = 0;
    int portuguese = 0;
    for (const QString &word : wordsOf(text)) {
        const bool knownItalian = knowledge.knows(Speller::Italian, word);
        const bool knownPortuguese = knowsPortuguese(knowledge, word);
        if (knownItalian && !knownPortuguese)
            ++italian;
        else if (knownPortuguese && !knownItalian)
            ++portuguese;
    }
    return italian > portuguese;
}

QStringList cleanTranslation(const DictdEntry &entry, const QString &translation, const CleaningSetup &setup,
                             CleaningCounts &counts)
{
    const TextCleaning text = cleanTranslationText(translation);
    if (text.translations.isEmpty()) {
        counts.add(text.dropRule, entry.headword, translation);
        return {};
    }
    for (CleaningRule change : text.changes)
        counts.add(change, entry.headword, translation + QStringLiteral(" -> ") + text.translations.join(u'|'));

    QStringList kept;
    for (const QString &cleaned : text.translations) {
        QString portuguese = setup.spelling ? setup.spelling->update(cleaned, entry.headword) : cleaned;
        if (portuguese != cleaned)
            counts.add(CleaningRule::SpellingUpdated, entry.headword, cleaned + QStringLiteral(" -> ") + portuguese);
        const QString cased = followHeadwordCase(entry.headword, portuguese);
        if (cased != portuguese)
            counts.add(CleaningRule::CaseLowered, entry.headword, portuguese + QStringLiteral(" -> ") + cased);
        portuguese = cased;

        if (entry.partOfSpeech == u"pn" && withoutCaseAndAccents(portuguese) == withoutCaseAndAccents(entry.headword)) {
            counts.add(CleaningRule::ProperNameCopied, entry.headword, portuguese);
            continue;
        }
        if (setup.knowledge) {
            if (!italianOnlyWords(*setup.knowledge, portuguese, entry.headword).isEmpty()) {
                counts.add(CleaningRule::ItalianWords, entry.headword, portuguese);
                continue;
            }
            const QStringList words = wordsOf(portuguese);
            if (std::any_of(words.cbegin(), words.cend(), [&](const QString &word) {
                    return !isSharedName(word, entry.headword) && isEnglishNotPortuguese(*setup.knowledge, word);
                })) {
                counts.add(CleaningRule::EnglishWords, entry.headword, portuguese);
                continue;
            }
        }
        if (setup.rejected.contains({entry.headword, portuguese})) {
            counts.rejectedSeen.insert({entry.headword, portuguese});
            counts.add(CleaningRule::Rejected, entry.headword, portuguese);
            continue;
        }
        if (!isStorable(entry.headword) || !isStorable(portuguese)) {
            counts.add(CleaningRule::NotWindows1252, entry.headword, portuguese);
            continue;
        }
        kept.append(portuguese);
    }
    return kept;
}

} // namespace parlora::dictconvert
