#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>

namespace parlora::dictconvert {

// The spelling dictionaries the data checks consult.
enum class Speller { Italian, Brazilian, European, English };
inline constexpr int SpellerCount = 4;

// Which spelling dictionaries know a word. The checks ask through this
// interface so that tests can give them a small vocabulary of their own.
class WordKnowledge {
public:
    virtual ~WordKnowledge() = default;
    // False when the dictionary could not be loaded: it then knows nothing.
    virtual bool available(Speller speller) const = 0;
    virtual bool knows(Speller speller, const QString &word) const = 0;
};

// The system's Hunspell dictionaries: it_IT, pt_BR, pt_PT and en_US in one
// folder. Answers are cached, because the converter asks about the same
// words many times.
class HunspellKnowledge : public WordKnowledge {
public:
    explicit HunspellKnowledge(const QString &folder = QStringLiteral("/usr/share/hunspell"));
    ~HunspellKnowledge() override;
    HunspellKnowledge(const HunspellKnowledge &) = delete;
    HunspellKnowledge &operator=(const HunspellKnowledge &) = delete;

    bool available(Speller speller) const override;
    bool knows(Speller speller, const QString &word) const override;

    // Words a dictionary lacks but the language uses (loans such as tablet
    // or quiz in Portuguese): known from now on, whatever the dictionary says.
    void addWords(Speller speller, const QStringList &words);

    // The file base name of a speller's dictionary, e.g. "pt_BR".
    static QString dictionaryName(Speller speller);

private:
    struct Dictionary;
    std::array<std::unique_ptr<Dictionary>, SpellerCount> m_dictionaries;
    std::array<QSet<QString>, SpellerCount> m_added;
    mutable std::array<QHash<QString, bool>, SpellerCount> m_cache;
};

// The words of a text as the spelling checks see them: runs of letters,
// digits, hyphens and apostrophes, without hyphens or apostrophes at their
// ends ("d'água", "segunda-feira" stay whole).
QStringList wordsOf(QStringView text);

bool knowsPortuguese(const WordKnowledge &knowledge, const QString &word);

// Known as Italian and not as Portuguese.
bool isItalianOnly(const WordKnowledge &knowledge, const QString &word);

// Known as English and as no Portuguese word.
bool isEnglishNotPortuguese(const WordKnowledge &knowledge, const QString &word);

// Reads a list of words, one a line (UTF-8; "#" lines and blank lines are
// comments). Empty with an error when the file cannot be read.
QStringList readWordList(const QString &path, QString &error);

// A capitalised word that the Italian side holds as well is a name shared by
// both languages (modulo di Young, macchina di Turing), not a word to judge.
bool isSharedName(const QString &word, QStringView italianSide);

// The words of a Portuguese side that are Italian only, names shared with the
// Italian side left out. Empty when the side reads as Portuguese.
QStringList italianOnlyWords(const WordKnowledge &knowledge, QStringView portugueseSide, QStringView italianSide);

} // namespace parlora::dictconvert
