#include "generateddata.h"

#include "dictionary/languagepair.h"
#include "dictionary/phrasepadding.h"

#include <QDir>
#include <QStringList>

#include <random>

namespace parlora::generated {

namespace {

const QStringList ItalianOnsets{"b", "c", "d", "f", "g", "l", "m", "n", "p", "r", "s", "t", "v", "z",
                                "ch", "gh", "gl", "gn", "sc", "st", "tr", "pr", "br", "", ""};
const QStringList ItalianVowels{"a", "e", "i", "o", "u", "a", "e", "i", "o", "ie", "uo"};
const QStringList ItalianEndings{"o", "a", "e", "i", "are", "ere", "ire", "ato", "ando", "zione", "mente",
                                 QString::fromUtf8("tà"), QString::fromUtf8("ità"), QString::fromUtf8("è"),
                                 QString::fromUtf8("ò"), "etto", "ino", "o", "a"};
const QStringList PortugueseOnsets{"b", "c", "d", "f", "g", "l", "m", "n", "p", "r", "s", "t", "v", "x",
                                   "ch", "lh", "nh", "qu", "tr", "pr", "br", "", ""};
const QStringList PortugueseVowels{"a", "e", "i", "o", "u", "a", "e", "o", QString::fromUtf8("á"),
                                   QString::fromUtf8("é"), QString::fromUtf8("ê"), QString::fromUtf8("ô"),
                                   QString::fromUtf8("í"), QString::fromUtf8("ú")};
const QStringList PortugueseEndings{"o", "a", "e", "os", "as", "ar", "er", "ir", "ado", "ando", "mente",
                                    QString::fromUtf8("ção"), QString::fromUtf8("ões"), QString::fromUtf8("ão"),
                                    QString::fromUtf8("ç"), "inho", "o", "a"};
const QStringList ItalianLinks{"di", "a", "da", "in", "con", "per", "il", "la", "le", "un", "una", "e"};
const QStringList PortugueseLinks{"de", "a", "da", "do", "em", "com", "para", "o", "os", "um", "uma", "e"};
const QStringList Decorations{"", "", "", "", "", "", "!", "?", ".", "...", " (fam.)", " (fig.)", ";", ":"};

class Maker {
public:
    explicit Maker(quint32 seed) : m_random(seed) {}

    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(m_random); }
    bool chance(int percent) { return below(100) < percent; }
    const QString &pick(const QStringList &list) { return list.at(below(int(list.size()))); }

    QString word(bool italian)
    {
        QString text;
        const int syllables = 1 + below(3);
        for (int s = 0; s < syllables; ++s)
            text += pick(italian ? ItalianOnsets : PortugueseOnsets) + pick(italian ? ItalianVowels : PortugueseVowels);
        text += pick(italian ? ItalianOnsets : PortugueseOnsets) + pick(italian ? ItalianEndings : PortugueseEndings);
        return text;
    }

    // A limited vocabulary makes entries repeat and words share stems, as
    // in a real dictionary.
    QStringList vocabulary(bool italian, int size)
    {
        QStringList words;
        for (int i = 0; i < size; ++i)
            words.append(word(italian));
        // Apostrophe forms as the dictionaries write them.
        words.append(italian ? QStringList{"l'acqua", "perche'", "po'", "dell'uomo"} : QStringList{"d'agua", "pra'"});
        return words;
    }

    QString entry(const QStringList &vocabulary, bool italian)
    {
        QString text = pick(vocabulary);
        if (chance(25)) {
            text += ' ' + pick(italian ? ItalianLinks : PortugueseLinks) + ' ' + pick(vocabulary);
            if (chance(30))
                text += ' ' + pick(vocabulary);
        }
        if (chance(10))
            text.prepend(italian ? QStringLiteral("(di) ") : QStringLiteral("(de) "));
        if (chance(12))
            text.replace(0, 1, text.left(1).toUpper());
        if (chance(3))
            text += ", " + pick(vocabulary);
        if (chance(2))
            text += ' ' + text.section(' ', 0, 0); // a word repeated within the entry
        if (chance(2))
            text.replace(' ', QStringLiteral("  "));
        text += pick(Decorations);
        return text;
    }

    QString phrase(const QStringList &vocabulary, bool italian)
    {
        QString text;
        const int length = 2 + below(7);
        for (int i = 0; i < length; ++i) {
            if (i > 0)
                text += chance(15) ? QStringLiteral(", ") : QStringLiteral(" ");
            text += chance(35) ? pick(italian ? ItalianLinks : PortugueseLinks) : pick(vocabulary);
        }
        if (chance(30))
            text.replace(0, 1, text.left(1).toUpper());
        if (chance(10))
            text += QStringLiteral(" (") + pick(vocabulary) + ')';
        text += pick(QStringList{".", "!", "?", "", "..."});
        return text;
    }

    GrammarList grammar(bool italian)
    {
        const QStringList &endings = italian ? ItalianEndings : PortugueseEndings;
        GrammarList list;
        // Plain ending rules, one identity rule, and a few with wildcards
        // after the "*" (including ones whose rewrite length goes below zero).
        list.Rules.append({QStringLiteral("*"), QStringLiteral("*")});
        const QStringList wildcards{"*[ae]", "*?o", "*#", "*[!aeiou]i", "*[a-f]ra", "*[aeiou][aeiou][aeiou]zz"};
        for (const QString &pattern : wildcards)
            list.Rules.append({pattern, '*' + pick(endings)});
        while (list.Count() < 40) {
            list.Rules.append({'*' + pick(endings), '*' + pick(endings)});
        }
        return list;
    }

private:
    std::mt19937 m_random;
};

QString misspell(Maker &maker, QString text)
{
    if (text.size() < 2)
        return text + 'a';
    const int at = maker.below(int(text.size()));
    switch (maker.below(4)) {
    case 0:
        text.remove(at, 1);
        break;
    case 1:
        text.insert(at, QChar(u'a' + maker.below(26)));
        break;
    case 2:
        text[at] = QChar(u'a' + maker.below(26));
        break;
    default:
        text.chop(std::min<qsizetype>(2, text.size() - 1));
        text += maker.pick({"o", "a", "i", "are", "ando"});
        break;
    }
    return text;
}

// An accented vowel typed as vowel plus apostrophe, as a keyboard without
// accents would.
QString typedWithApostrophes(const QString &text)
{
    QString typed;
    for (QChar c : text) {
        const QString plain = QString(c).normalized(QString::NormalizationForm_D);
        if (plain.size() == 2 && (plain.at(1).unicode() == 0x300 || plain.at(1).unicode() == 0x301))
            typed += plain.at(0) + QStringLiteral("'");
        else
            typed += c;
    }
    return typed;
}

} // namespace

Data MakeData(quint32 seed, const Sizes &sizes)
{
    Maker maker(seed);
    const QStringList italian = maker.vocabulary(true, sizes.vocabulary);
    const QStringList portuguese = maker.vocabulary(false, sizes.vocabulary);

    Data data;
    MainDictionary &main = data.dictionary.mainDictionary;
    for (int i = 0; i < sizes.mainRecords; ++i) {
        // Some records repeat an earlier one, whole or with another translation.
        if (i > 0 && maker.chance(2)) {
            const int earlier = maker.below(i);
            main.Language1Entries.append(main.Language1Entries.at(earlier));
            main.Language2Entries.append(maker.chance(50) ? main.Language2Entries.at(earlier)
                                                          : maker.entry(portuguese, false));
            continue;
        }
        main.Language1Entries.append(maker.chance(1) ? QString() : maker.entry(italian, true));
        main.Language2Entries.append(maker.entry(portuguese, false));
    }

    Phrasebook &phrasebook = data.dictionary.phrasebook;
    for (int i = 0; i < sizes.phrases; ++i) {
        const PhraseRecord shown{maker.phrase(italian, true), maker.phrase(portuguese, false)};
        phrasebook.Display.append(shown);
        phrasebook.Search.append({PadPhrasePunctuation(shown.Language1), PadPhrasePunctuation(shown.Language2)});
    }

    data.dictionary.language1Grammar = maker.grammar(true);
    data.dictionary.language2Grammar = maker.grammar(false);
    data.dictionary.language1Grammar.Rules.resize(std::min(sizes.rulesPerLanguage, 40));
    data.dictionary.language2Grammar.Rules.resize(std::min(sizes.rulesPerLanguage, 40));

    for (int i = 0; i < sizes.personalEntries; ++i) {
        // Personal entries often repeat main entries, as users add what they
        // looked up.
        if (maker.chance(20) && main.Count() > 0) {
            const int record = maker.below(main.Count());
            data.personalEntries.append({main.Language1Entries.at(record).trimmed(), maker.entry(portuguese, false)});
        } else {
            data.personalEntries.append({maker.entry(italian, true), maker.entry(portuguese, false)});
        }
    }
    return data;
}

void FillPersonalDictionary(PersonalDictionary &personal, const Data &data)
{
    for (const auto &[wordText, translationText] : data.personalEntries) {
        QString word = wordText;
        QString translation = translationText;
        personal.InsertEntry(word, translation);
    }
}

QList<Query> MakeQueries(const Data &data, quint32 seed, int count)
{
    Maker maker(seed);
    const MainDictionary &main = data.dictionary.mainDictionary;
    QList<Query> queries;
    for (int i = 0; i < count; ++i) {
        Query query;
        query.direction = maker.chance(50);
        const QStringList &sources = query.direction ? main.Language1Entries : main.Language2Entries;
        const QString entry = sources.isEmpty() ? QStringLiteral("casa") : maker.pick(sources);
        const QString firstWord = entry.section(' ', 0, 0);
        switch (i % 12) {
        case 0: query.text = entry; break;
        case 1: query.text = entry.toUpper(); break;
        case 2: query.text = typedWithApostrophes(entry.toLower()); break;
        case 3: query.text = firstWord; break;
        case 4: query.text = misspell(maker, firstWord.toLower()); break;
        case 5: query.text = firstWord.left(std::max<qsizetype>(3, firstWord.size() - 2)); break;
        case 6: query.text = maker.word(maker.chance(50)); break;
        case 7: query.text = entry.left(1 + maker.below(2)); break;
        case 8: query.text = QStringLiteral("  ") + entry + QStringLiteral(" "); break;
        case 9: query.text = entry + ' ' + maker.pick(sources) + ' ' + maker.pick(sources); break;
        case 10:
            // Now and then only spaces, which searches for the empty text.
            query.text = i % 48 == 10 || data.personalEntries.isEmpty()
                ? QStringLiteral(" ")
                : data.personalEntries.at(maker.below(int(data.personalEntries.size()))).first;
            break;
        default: query.text = misspell(maker, entry.toLower()); break;
        }
        queries.append(query);
    }
    return queries;
}

SaveResult WriteDataFiles(const Data &data, const QString &folder)
{
    const LanguagePair pair;
    const QString dic = folder + QStringLiteral("/dic/");
    if (!QDir().mkpath(dic))
        return SaveResult::failure(QStringLiteral("cannot create ") + dic);

    QStringList lines;
    const MainDictionary &main = data.dictionary.mainDictionary;
    for (int i = 0; i < main.Count(); ++i)
        lines << main.Language1Entries.at(i) << main.Language2Entries.at(i) << QString();
    SaveResult result = writeTextLines(dic + pair.MainDictionaryFile, lines);

    lines.clear();
    for (const PhraseRecord &phrase : data.dictionary.phrasebook.Display)
        lines << phrase.Language1 << phrase.Language2 << QString();
    if (result)
        result = writeTextLines(dic + pair.PhrasebookFile, lines);

    auto grammarLines = [](const GrammarList &grammar) {
        QStringList text{QStringLiteral("# generated ending rules")};
        for (const GrammarRule &rule : grammar.Rules)
            text << rule.Pattern << rule.Replacement;
        return text;
    };
    if (result)
        result = writeTextLines(dic + pair.Language1GrammarFile, grammarLines(data.dictionary.language1Grammar));
    if (result)
        result = writeTextLines(dic + pair.Language2GrammarFile, grammarLines(data.dictionary.language2Grammar));

    lines.clear();
    for (const auto &[word, translation] : data.personalEntries)
        lines << word << translation;
    if (result)
        result = writeTextLines(dic + pair.PersonalDictionaryFile, lines);
    return result;
}

} // namespace parlora::generated
