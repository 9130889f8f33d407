#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class Hunspell;

namespace parlora::morphology {

// Hunspell's stemmer over one system dictionary, for the regular inflection
// our own tables leave out. A dictionary that cannot be found or read means
// no stems, never an error: the tables still work without it.
class HunspellStemmer {
public:
    // The first dictionary of the list whose .aff and .dic files both exist
    // is used; each entry is a path without the extension
    // (/usr/share/hunspell/pt_BR).
    explicit HunspellStemmer(const QStringList &dictionaries);
    ~HunspellStemmer();
    HunspellStemmer(const HunspellStemmer &) = delete;
    HunspellStemmer &operator=(const HunspellStemmer &) = delete;

    bool isLoaded() const { return m_hunspell != nullptr; }
    // The dictionary in use, empty when none was found.
    const QString &dictionary() const { return m_dictionary; }
    // The stems Hunspell knows for the word, in its order, without the word.
    QStringList stems(const QString &word) const;

private:
    QByteArray encode(const QString &word) const;
    QString decode(const std::string &text) const;

    std::unique_ptr<Hunspell> m_hunspell;
    QString m_dictionary;
    bool m_utf8 = true;
};

// The first of the dictionaries whose .aff and .dic files both exist, as a
// path without the extension; empty when there is none.
QString firstInstalledDictionary(const QStringList &dictionaries);

// Where Debian keeps the system dictionaries, and the ones each of our
// languages uses, in order of preference.
inline const QString SystemDictionaryFolder = QStringLiteral("/usr/share/hunspell");
QStringList italianDictionaries(const QString &folder = SystemDictionaryFolder);
QStringList portugueseDictionaries(const QString &folder = SystemDictionaryFolder);

} // namespace parlora::morphology
