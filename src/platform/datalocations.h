#pragma once

#include <QString>

#include <functional>

namespace parlora {

// Where the user's own files live for this run. Decided once at start and
// passed to whoever reads or writes them.
//
// Portable mode keeps them beside the program (parlora.ini in the program's
// folder, the personal dictionary in its dic folder), as a copied or unpacked
// Parlora always did. When that folder cannot be written (an installed copy,
// a read-only medium) they go to the user's folders instead, with the same
// file formats; copies found beside the program are then the starting point.
struct DataLocations {
    bool portable = true;
    QString settingsFile;
    QString personalDictionaryFile;
    // Read-only copies beside the program that seed the user's files the
    // first time (empty in portable mode).
    QString seedSettingsFile;
    QString seedPersonalDictionaryFile;

    // The folder that holds the personal dictionary.
    QString userDataFolder() const;
};

// The user's folders for Parlora: configuration and data.
struct UserFolders {
    QString config;
    QString data;
};

// ~/.config/parlora and ~/.local/share/parlora, or wherever the desktop's
// XDG settings put those.
UserFolders standardUserFolders();

// Whether files can be created and replaced in the folder (checked without
// writing anything, so the terminal tool can ask too).
bool canWriteInFolder(const QString &folder);
using FolderWritableTest = std::function<bool(const QString &folder)>;

inline const QString SettingsFileName = QStringLiteral("parlora.ini");

// dataFolder is the folder that holds dic/; programFolderHoldsData says
// whether that is the program's own folder (only then may the user's files
// live there: an installed copy never writes into its shared data).
DataLocations chooseDataLocations(const QString &dataFolder, bool programFolderHoldsData,
                                  const QString &personalDictionaryName, const UserFolders &user,
                                  const FolderWritableTest &writable = canWriteInFolder);

} // namespace parlora
