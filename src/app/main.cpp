#include "app/sessionend.h"
#include "buildconfig.h"
#include "app/startoptions.h"
#include "dictionary/languagepair.h"
#include "mainwindow/applicationwindows.h"
#include "mainwindow/parlorasession.h"
#include "mainwindow/userprompts.h"
#include "platform/datalocations.h"
#include "platform/singleinstance.h"
#include "platform/terminationsignals.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int ExitUsage = 2;
const QString ProgramVersion = QStringLiteral(PARLORA_VERSION);

int printAndExit(const QString &text, int status)
{
    std::fputs(qPrintable(text), status == 0 ? stdout : stderr);
    return status;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Parlora"));
    QApplication::setApplicationVersion(ProgramVersion);

    const parlora::StartOptions options = parlora::parseStartOptions(QCoreApplication::arguments());
    if (!options.error.isEmpty())
        return printAndExit(QStringLiteral("parlora: %1\n\n%2").arg(options.error, parlora::startOptionsHelp()),
                            ExitUsage);
    if (options.helpWanted)
        return printAndExit(parlora::startOptionsHelp(), 0);
    if (options.versionWanted)
        return printAndExit(QStringLiteral("parlora %1\n").arg(ProgramVersion), 0);

    // The data folders live beside the executable; the user's own files
    // there too when that folder can be written, else in the user's folders.
    const QString programFolder = QCoreApplication::applicationDirPath();
    const parlora::DataLocations locations = parlora::chooseDataLocations(
        programFolder, true, parlora::LanguagePair().PersonalDictionaryFile, parlora::standardUserFolders());

    parlora::SingleInstance instance(parlora::SingleInstance::keyFor(locations.personalDictionaryFile),
                                     parlora::SingleInstance::standardFolder());
    if (!instance.claim() && instance.handOver(QCoreApplication::arguments()))
        return 0;

    parlora::ParloraSession session(programFolder, QDir::currentPath(), locations);
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
