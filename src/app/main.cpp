#include "app/sessionend.h"
#include "buildconfig.h"
#include "app/startoptions.h"
#include "dictionary/languagepair.h"
#include "localisation/builtinmessages.h"
#include "localisation/languagemessages.h"
#include "mainwindow/applicationwindows.h"
#include "mainwindow/parlorasession.h"
#include "mainwindow/userprompts.h"
#include "platform/applicationfolder.h"
#include "platform/datalocations.h"
#include "platform/singleinstance.h"
#include "platform/terminationsignals.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>
#include <optional>

namespace {

constexpr int ExitUsage = 2;
constexpr int ExitNoData = 1;
const QString ProgramVersion = QStringLiteral(PARLORA_VERSION);

int printAndExit(const QString &text, int status)
{
    std::fputs(qPrintable(text), status == 0 ? stdout : stderr);
    return status;
}

// The answers that need no window: usage errors, --help and --version.
std::optional<int> answerInTerminal(const parlora::StartOptions &options)
{
    if (!options.error.isEmpty())
        return printAndExit(QStringLiteral("parlora: %1\n\n%2").arg(options.error, parlora::startOptionsHelp()),
                            ExitUsage);
    if (options.helpWanted)
        return printAndExit(parlora::startOptionsHelp(), 0);
    if (options.versionWanted)
        return printAndExit(QStringLiteral("parlora %1\n").arg(ProgramVersion), 0);
    return std::nullopt;
}

// --help and --version are answered before the display is opened, so they
// work in a terminal that has none (ssh, a build machine, a package script).
// A line not understood here may still hold Qt's own options (-platform,
// -style), which only the windowed start takes off.
std::optional<int> answerWithoutDisplay(int argc, char *argv[])
{
    QCoreApplication terminal(argc, argv);
    const parlora::StartOptions options = parlora::parseStartOptions(QCoreApplication::arguments());
    if (!options.error.isEmpty())
        return std::nullopt;
    return answerInTerminal(options);
}

// No language file can be read without the data folder, so the text is the
// built-in one; the terminal gets it too, for a start from a shell.
int reportMissingData(const parlora::DataFolderSearch &search)
{
    const QString text =
        search.describeMissing(parlora::LanguageMessages::builtIn().message(parlora::Message::DataFolderNotFound));
    std::fputs(qPrintable(QStringLiteral("parlora: %1\n").arg(text)), stderr);
    parlora::MessageBoxPrompts().warning(nullptr, QStringLiteral("Parlora"), text);
    return ExitNoData;
}

} // namespace

int main(int argc, char *argv[])
{
    if (const std::optional<int> status = answerWithoutDisplay(argc, argv))
        return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Parlora"));
    QApplication::setApplicationVersion(ProgramVersion);
    // Lets the desktop match the windows to the installed desktop entry.
    QApplication::setDesktopFileName(QStringLiteral("org.parlora.Parlora"));

    const parlora::StartOptions options = parlora::parseStartOptions(QCoreApplication::arguments());
    if (const std::optional<int> status = answerInTerminal(options))
        return *status;

    // The data lives beside the executable (a build or unpacked copy) or in
    // an installation's share folder; the user's own files stay beside it
    // only in the first case and when that folder can be written.
    const parlora::LanguagePair pair;
    const parlora::DataFolderSearch data =
        parlora::findDataFolder(QCoreApplication::applicationDirPath(), pair.MainDictionaryFile);
    if (!data.found())
        return reportMissingData(data);
    const parlora::DataLocations locations = parlora::chooseDataLocations(
        data.folder, data.besideProgram, pair.PersonalDictionaryFile, parlora::standardUserFolders());

    parlora::SingleInstance instance(parlora::SingleInstance::keyFor(locations.personalDictionaryFile),
                                     parlora::SingleInstance::standardFolder());
    if (!instance.claim() && instance.handOver(QCoreApplication::arguments()))
        return 0;

    parlora::ParloraSession session(data.folder, QDir::currentPath(), locations);
    parlora::MessageBoxPrompts prompts;
    parlora::ApplicationWindows windows(session, prompts);
    parlora::MainWindow &window = windows.mainWindow();
    QObject::connect(&window, &parlora::MainWindow::programEnded, &app,
                     [](int exitCode) { QCoreApplication::exit(exitCode); });

    parlora::TerminationSignals terminationSignals;
    parlora::saveOnEveryEnd(app, window, terminationSignals);
    parlora::takeHandedOverStarts(instance, window);

    window.show();
    if (!options.query.isEmpty())
        QTimer::singleShot(0, &window,
                           [&window, &options] { window.lookUp(options.query, options.language1ToLanguage2); });
    return app.exec();
}
