#include "app/sessionend.h"

#include "app/startoptions.h"
#include "mainwindow/mainwindow.h"
#include "platform/singleinstance.h"
#include "platform/terminationsignals.h"

#include <QGuiApplication>
#include <QSessionManager>

namespace parlora {

void saveOnEveryEnd(QGuiApplication &application, MainWindow &window, TerminationSignals &terminations)
{
    QObject::connect(&terminations, &TerminationSignals::terminationRequested, &window, [&window] {
        window.saveUserDataNow();
        QCoreApplication::quit();
    });
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager &) { window.saveUserDataNow(); });
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &window, [&window] { window.saveUserDataNow(); });
}

void takeHandedOverStarts(SingleInstance &instance, MainWindow &window)
{
    QObject::connect(&instance, &SingleInstance::argumentsReceived, &window, [&window](const QStringList &arguments) {
        window.bringToFront();
        const StartOptions handed = parseStartOptions(arguments);
        if (handed.error.isEmpty() && !handed.query.isEmpty())
            window.lookUp(handed.query, handed.language1ToLanguage2);
    });
}

} // namespace parlora
