#include "mainwindow/applicationwindows.h"
#include "mainwindow/parlorasession.h"
#include "mainwindow/userprompts.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Parlora"));
    QApplication::setApplicationVersion(QStringLiteral("3.1"));

    // The data folders and the user's files live beside the executable.
    parlora::ParloraSession session(QCoreApplication::applicationDirPath(), QDir::currentPath());
    parlora::MessageBoxPrompts prompts;
    parlora::ApplicationWindows windows(session, prompts);
    QObject::connect(&windows.mainWindow(), &parlora::MainWindow::programEnded, &app,
                     [](int exitCode) { QCoreApplication::exit(exitCode); });
    windows.mainWindow().show();
    return app.exec();
}
