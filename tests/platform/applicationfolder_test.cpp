#include "platform/applicationfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace parlora;

namespace {

const QString MainDictionary = QStringLiteral("portital.diz");

void makeDataFolder(const QString &folder)
{
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/dic")));
    QFile file(folder + QStringLiteral("/dic/") + MainDictionary);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

// Layouts under one temporary root: a build folder (app/), an installation
// (usr/bin beside usr/share/parlora), an installation in another prefix,
// and a copied program alone (home/bin). Only the main dictionary marks a
// data folder: a dic/ left with the user's own files, or the language files
// alone, must not stop the search; one that is there but cannot be used
// still marks it, since the loader explains it and passing it over would
// send the user to the wrong folder.
TEST(FindDataFolder, SearchesOwnFolderThenShareThenInstalledPrefix)
{
    const struct {
        const char *name;
        QStringList dataFolders;
        QString programFolder;
        QString installedFolder;
        QString expectedFolder; // empty: none found
        bool besideProgram;
        QStringList expectedTried;
        QStringList otherFolders = {}; // made empty, as decoys
    } rows[] = {
        {"BuildFolder", {"app"}, "app", "usr/share/parlora", "app", true, {"app"}},
        {"OwnFolderWinsOverInstallation", {"app", "share/parlora"}, "app", "", "app", true, {"app"}},
        {"InstalledTree", {"usr/share/parlora"}, "usr/bin", "usr/share/parlora", "usr/share/parlora", false,
         {"usr/bin", "usr/share/parlora"}},
        {"MovedInstallation", {"opt/share/parlora", "usr/share/parlora"}, "opt/bin", "usr/share/parlora",
         "opt/share/parlora", false, {"opt/bin", "opt/share/parlora"}},
        {"CopiedProgramFindsInstalledPrefix", {"usr/share/parlora"}, "home/bin", "usr/share/parlora",
         "usr/share/parlora", false, {"home/bin", "home/share/parlora", "usr/share/parlora"}},
        {"NothingAnywhere", {}, "home/bin", "usr/share/parlora", "", false,
         {"home/bin", "home/share/parlora", "usr/share/parlora"}},
        {"BuildWithoutInstalledFolder", {}, "app", "", "", false, {"app", "share/parlora"}},
        {"FolderWithoutTheMainDictionaryIsPassedOver", {"usr/share/parlora"}, "usr/bin", "", "usr/share/parlora",
         false, {"usr/bin", "usr/share/parlora"}, {"usr/bin/dic/portital.per", "usr/bin/lang"}},
        {"UnusableMainDictionaryStillMarksTheFolder", {}, "app", "", "app", true, {"app"}, {"app/dic/portital.diz"}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir root;
        for (const QString &folder : row.dataFolders)
            makeDataFolder(root.filePath(folder));
        for (const QString &folder : row.otherFolders + QStringList{row.programFolder})
            ASSERT_TRUE(QDir().mkpath(root.filePath(folder)));
        const QString installed = row.installedFolder.isEmpty() ? QString() : root.filePath(row.installedFolder);

        const DataFolderSearch search = findDataFolder(root.filePath(row.programFolder), MainDictionary, installed);

        EXPECT_EQ(search.found(), !row.expectedFolder.isEmpty());
        EXPECT_EQ(search.folder, row.expectedFolder.isEmpty() ? QString() : root.filePath(row.expectedFolder));
        EXPECT_EQ(search.besideProgram, row.besideProgram);
        QStringList tried;
        for (const QString &folder : row.expectedTried)
            tried.append(root.filePath(folder));
        EXPECT_EQ(search.tried, tried);
    }
}

// Paths as the program gets them may end in a slash or pass through "..";
// the folders tried are shown to the user, so they must read cleanly, and a
// folder reached twice is tried once.
TEST(FindDataFolder, ShowsCleanFoldersEachOnce)
{
    QTemporaryDir root;
    ASSERT_TRUE(QDir().mkpath(root.filePath(QStringLiteral("usr/bin"))));
    const DataFolderSearch search =
        findDataFolder(root.filePath(QStringLiteral("usr/lib/../bin/")), MainDictionary,
                       root.filePath(QStringLiteral("usr/share/parlora/")));
    EXPECT_FALSE(search.found());
    EXPECT_EQ(search.tried,
              QStringList({root.filePath(QStringLiteral("usr/bin")), root.filePath(QStringLiteral("usr/share/parlora"))}));
    EXPECT_EQ(search.describeMissing(QStringLiteral("%1 not in %2")),
              QStringLiteral("dic/portital.diz not in %1, %2")
                  .arg(root.filePath(QStringLiteral("usr/bin")), root.filePath(QStringLiteral("usr/share/parlora"))));
}

// A relative folder compiled in would depend on where the program was
// started from.
TEST(FindDataFolder, InstalledFolderIsAbsolute)
{
    EXPECT_TRUE(QDir::isAbsolutePath(installedDataFolder())) << qPrintable(installedDataFolder());
}

} // namespace
