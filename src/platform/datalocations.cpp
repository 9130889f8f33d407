#include "platform/datalocations.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace parlora {

namespace {
const QString UserFolderName = QStringLiteral("parlora");
const QString DictionaryFolderName = QStringLiteral("dic");
} // namespace

QString DataLocations::userDataFolder() const
{
    return QFileInfo(personalDictionaryFile).absolutePath();
}

UserFolders standardUserFolders()
{
    // The generic locations plus our own name, so the folders do not depend
    // on the application name the windows show.
    return {QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') + UserFolderName,
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/') + UserFolderName};
}

bool canWriteInFolder(const QString &folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

DataLocations chooseDataLocations(const QString &dataFolder, bool programFolderHoldsData,
                                  const QString &personalDictionaryName, const UserFolders &user,
                                  const FolderWritableTest &writable)
{
    const QString besideSettings = dataFolder + QLatin1Char('/') + SettingsFileName;
    const QString dictionaryFolder = dataFolder + QLatin1Char('/') + DictionaryFolderName;
    const QString besidePersonal = dictionaryFolder + QLatin1Char('/') + personalDictionaryName;

    // Both folders must take new files: the saves replace files atomically,
    // through a temporary file beside them.
    if (programFolderHoldsData && writable(dataFolder) && writable(dictionaryFolder))
        return {true, besideSettings, besidePersonal, QString(), QString()};

    DataLocations locations;
    locations.portable = false;
    locations.settingsFile = user.config + QLatin1Char('/') + SettingsFileName;
    locations.personalDictionaryFile = user.data + QLatin1Char('/') + personalDictionaryName;
    if (programFolderHoldsData) {
        locations.seedSettingsFile = besideSettings;
        locations.seedPersonalDictionaryFile = besidePersonal;
    }
    return locations;
}

} // namespace parlora
