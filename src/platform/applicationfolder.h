#pragma once

#include <QString>
#include <QStringList>

namespace parlora {

// The folder that holds the data folders (dic/, lang/, help/): the
// executable's own folder, or an installation's share/parlora (see
// findDataFolder). It is always passed in explicitly so that tests and the
// terminal tool can point the program at any folder.
class ApplicationFolder {
public:
    explicit ApplicationFolder(QString path) : m_path(std::move(path)) {}

    const QString &path() const { return m_path; }
    // A file of the dic folder, for example "portital.diz".
    QString dataFile(const QString &name) const { return m_path + QStringLiteral("/dic/") + name; }
    QString languageFile(const QString &languageName) const
    {
        return m_path + QStringLiteral("/lang/") + languageName + QStringLiteral(".lng");
    }
    QString file(const QString &relativePath) const { return m_path + QLatin1Char('/') + relativePath; }

private:
    QString m_path;
};

// Where the program's read-only data (dic/, lang/, help/) was found.
struct DataFolderSearch {
    // The folder that holds the data; empty when none of those tried does.
    QString folder;
    // Whether that is the program's own folder. Only then may the user's
    // files live beside the data: an installed copy never writes into it.
    bool besideProgram = false;
    // The file that marks a data folder, relative to it (dic/portital.diz).
    QString mainDictionary;
    // Every folder looked at, in order, each once.
    QStringList tried;

    bool found() const { return !folder.isEmpty(); }
    // The message for data that was not found, filled in: %1 the main
    // dictionary, %2 the folders tried.
    QString describeMissing(const QString &messageTemplate) const;
};

// The folder an installation puts the data into, fixed when the program was
// configured (/usr/share/parlora for a package).
QString installedDataFolder();

// Looks for the folder whose dic/ holds the main dictionary, in this order:
//   1. the program's own folder: a build folder or an unpacked copy, which
//      also keeps the user's files beside the program;
//   2. ../share/parlora beside the program's folder, so an installation
//      that was moved as a whole (/opt, a DESTDIR, a home folder) still
//      finds its data;
//   3. the installation folder compiled in.
// A main dictionary that is there but cannot be read still counts as found,
// so the loader can say what is wrong with it.
DataFolderSearch findDataFolder(const QString &programFolder, const QString &mainDictionaryName,
                                const QString &installedFolder = installedDataFolder());

} // namespace parlora
