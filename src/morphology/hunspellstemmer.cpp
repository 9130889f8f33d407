#include "morphology/hunspellstemmer.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <hunspell/hunspell.hxx>

#include <mutex>

namespace parlora::morphology {

namespace {
const QString AffixExtension = QStringLiteral(".aff");
const QString WordsExtension = QStringLiteral(".dic");
const char *const Latin1 = "ISO8859-1";
} // namespace

QString firstInstalledDictionary(const QStringList &dictionaries)
{
    for (const QString &dictionary : dictionaries) {
        if (QFileInfo(dictionary + AffixExtension).isFile() && QFileInfo(dictionary + WordsExtension).isFile())
            return dictionary;
    }
    return {};
}

namespace {
// Hunspell keeps one table for all its dictionaries, made by the first and
// freed by the last without any lock: the two languages loading at the same
// time each made one, and one was never freed. Making and freeing them one
// at a time keeps the library's count right.
std::mutex &hunspellLifetimeLock()
{
    static std::mutex lock;
    return lock;
}
} // namespace

HunspellStemmer::HunspellStemmer(const QStringList &dictionaries)
{
    const QString dictionary = firstInstalledDictionary(dictionaries);
    if (dictionary.isEmpty())
        return;
    const std::lock_guard lifetime(hunspellLifetimeLock());
    m_hunspell = std::make_unique<Hunspell>(QFile::encodeName(dictionary + AffixExtension).constData(),
                                            QFile::encodeName(dictionary + WordsExtension).constData());
    m_dictionary = dictionary;
    const std::string encoding = m_hunspell->get_dict_encoding();
    m_utf8 = encoding == "UTF-8" || encoding == "utf-8";
}

HunspellStemmer::~HunspellStemmer()
{
    const std::lock_guard lifetime(hunspellLifetimeLock());
    m_hunspell.reset();
}

QByteArray HunspellStemmer::encode(const QString &word) const
{
    // The older dictionaries are Latin-1; our languages' letters all fit.
    return m_utf8 ? word.toUtf8() : QStringEncoder(Latin1).encode(word);
}

QString HunspellStemmer::decode(const std::string &text) const
{
    const QByteArray bytes = QByteArray::fromStdString(text);
    return m_utf8 ? QString::fromUtf8(bytes) : QStringDecoder(Latin1).decode(bytes);
}

QStringList HunspellStemmer::stems(const QString &word) const
{
    if (!m_hunspell || word.isEmpty())
        return {};
    QStringList found;
    for (const std::string &stem : m_hunspell->stem(encode(word).toStdString())) {
        const QString decoded = decode(stem).toLower();
        if (decoded != word && !found.contains(decoded))
            found.append(decoded);
    }
    return found;
}

QStringList italianDictionaries(const QString &folder)
{
    return {folder + QStringLiteral("/it_IT")};
}

QStringList portugueseDictionaries(const QString &folder)
{
    // The dictionary and the phrasebook are Brazilian; European Portuguese
    // is the fallback on systems without the Brazilian dictionary.
    return {folder + QStringLiteral("/pt_BR"), folder + QStringLiteral("/pt_PT")};
}

} // namespace parlora::morphology
