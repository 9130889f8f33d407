#include "platform/applicationfolder.h"

#include <QDir>
#include <QFileInfo>

namespace parlora {

namespace {
// From bin/ to share/parlora/ in a GNU-style installation tree.
const QString InstalledBesideProgram = QStringLiteral("../share/parlora");
const QString DictionaryFolderName = QStringLiteral("dic");
} // namespace

QString DataFolderSearch::describeMissing(const QString &messageTemplate) const
{
    QStringList folders;
    for (const QString &folder : tried)
        folders.append(QDir::toNativeSeparators(folder));
    return messageTemplate.arg(QDir::toNativeSeparators(mainDictionary), folders.join(QStringLiteral(", ")));
}

QString installedDataFolder()
{
    return QStringLiteral(PARLORA_INSTALLED_DATA_DIR);
}

DataFolderSearch findDataFolder(const QString &programFolder, const QString &mainDictionaryName,
                                const QString &installedFolder)
{
    DataFolderSearch search;
    search.mainDictionary = DictionaryFolderName + QLatin1Char('/') + mainDictionaryName;

    const QString ownFolder = QDir::cleanPath(programFolder);
    const QStringList candidates = {ownFolder, QDir::cleanPath(ownFolder + QLatin1Char('/') + InstalledBesideProgram),
                                    QDir::cleanPath(installedFolder)};
    for (const QString &candidate : candidates) {
        // An empty installed folder means the build has none.
        if (candidate.isEmpty() || search.tried.contains(candidate))
            continue;
        search.tried.append(candidate);
        // Any kind of file counts, so a dictionary that cannot be read is
        // reported by the loader rather than skipped.
        if (QFileInfo::exists(candidate + QLatin1Char('/') + search.mainDictionary)) {
            search.folder = candidate;
            search.besideProgram = candidate == ownFolder;
            break;
        }
    }
    return search;
}

} // namespace parlora
