#include "wordlanguage.h"

#include <QFile>
#include <QStringEncoder>

#include <hunspell.h>

namespace parlora::dictconvert {

struct HunspellKnowledge::Dictionary {
    Hunhandle *handle = nullptr;
    QStringEncoder encoder;

    ~Dictionary()
    {
        if (handle)
            Hunspell_destroy(handle);
    }
};

HunspellKnowledge::HunspellKnowledge(const QString &folder)
{
    for (int s = 0; s < SpellerCount; ++s) {
        const QString base = folder + u'/' + dictionaryName(Speller(s));
        const QString aff = base + QStringLiteral(".aff");
        const QString dic = base + QStringLiteral(".dic");
        if (!QFile::exists(aff) || !QFile::exists(dic))
            continue;
        auto dictionary = std::make_unique<Dictionary>();
        dictionary->handle = Hunspell_create(QFile::encodeName(aff).constData(), QFile::encodeName(dic).constData());
        if (!dictionary->handle)
            continue;
        const QByteArray encoding = Hunspell_get_dic_encoding(dictionary->handle);
        dictionary->encoder = QStringEncoder(encoding.constData());
        if (!dictionary->encoder.isValid())
            continue;
        m_dictionaries[s] = std::move(dictionary);
    }
}

HunspellKnowledge::~HunspellKnowledge() = default;

QString HunspellKnowledge::dictionaryName(Speller speller)
{
    switch (speller) {
    case Speller::Italian:
        return QStringLiteral("it_IT");
    case Speller::Brazilian:
        return QStringLiteral("pt_BR");
    case Speller::European:
        return QStringLiteral("pt_PT");
    case Speller::English:
        return QStringLiteral("en_US");
    }
    return QString();
}

bool HunspellKnowledge::available(Speller speller) const
{
    return m_dictionaries[int(speller)] != nullptr;
}

void HunspellKnowledge::addWords(Speller speller, const QStringList &words)
{
    for (const QString &word : words)
        m_added[int(speller)].insert(word);
}

bool HunspellKnowledge::knows(Speller speller, const QString &word) const
{
    const QSet<QString> &added = m_added[int(speller)];
    if (added.contains(word) || (!word.isEmpty() && word.front().isUpper() && added.contains(word.toLower())))
        return true;
    Dictionary *dictionary = m_dictionaries[int(speller)].get();
    if (!dictionary || word.isEmpty())
        return false;
    QHash<QString, bool> &cache = m_cache[int(speller)];
    const auto cached = cache.constFind(word);
    if (cached != cache.cend())
        return *cached;
    const QByteArray encoded = dictionary->encoder.encode(word);
    // A word the dictionary's code page cannot hold is no word of it.
    const bool known = !dictionary->encoder.hasError() && Hunspell_spell(dictionary->handle, encoded.constData()) != 0;
    dictionary->encoder.resetState();
    cache.insert(word, known);
    return known;
}

QStringList wordsOf(QStringView text)
{
    const auto inWord = [](QChar c) { return c.isLetterOrNumber() || c == u'-' || c == u'\''; };
    const auto isJoiner = [](QChar c) { return c == u'-' || c == u'\''; };
    QStringList words;
    qsizetype i = 0;
    while (i < text.size()) {
        while (i < text.size() && !inWord(text[i]))
            ++i;
        qsizetype end = i;
        while (end < text.size() && inWord(text[end]))
            ++end;
        qsizetype first = i;
        qsizetype last = end;
        while (first < last && isJoiner(text[first]))
            ++first;
        while (last > first && isJoiner(text[last - 1]))
            --last;
        if (last > first)
            words.append(text.sliced(first, last - first).toString());
        i = end;
    }
    return words;
}

bool knowsPortuguese(const WordKnowledge &knowledge, const QString &word)
{
    return knowledge.knows(Speller::Brazilian, word) || knowledge.knows(Speller::European, word);
}

bool isItalianOnly(const WordKnowledge &knowledge, const QString &word)
{
    return knowledge.knows(Speller::Italian, word) && !knowsPortuguese(knowledge, word);
}

bool isEnglishNotPortuguese(const WordKnowledge &knowledge, const QString &word)
{
    return knowledge.knows(Speller::English, word) && !knowsPortuguese(knowledge, word);
}

QStringList readWordList(const QString &path, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1").arg(path);
        return {};
    }
    QStringList words;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QString word = line.trimmed();
        if (!word.isEmpty() && !word.startsWith(u'#'))
            words.append(word);
    }
    return words;
}

bool isSharedName(const QString &word, QStringView italianSide)
{
    if (word.isEmpty() || !word.front().isUpper())
        return false;
    for (const QString &italian : wordsOf(italianSide)) {
        if (italian == word)
            return true;
    }
    return false;
}

QStringList italianOnlyWords(const WordKnowledge &knowledge, QStringView portugueseSide, QStringView italianSide)
{
    QStringList found;
    for (const QString &word : wordsOf(portugueseSide)) {
        if (!isSharedName(word, italianSide) && isItalianOnly(knowledge, word))
            found.append(word);
    }
    return found;
}

} // namespace parlora::dictconvert
