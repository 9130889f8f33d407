// Measures start-up to ready: the windows built, the main window shown, the
// dictionaries loaded and the focus in the input field. Each run starts on a
// fresh copy of the bundled data, so the user's own files are never touched.
//
//   parlora-startup-probe [runs]        prints the median and the spread
//   parlora-startup-probe --pose WORD   shows the window with both panels
//                                       open after translating WORD, for a
//                                       screenshot; closes after a while

#include "mainwindow/applicationwindows.h"
#include "mainwindow/parlorasession.h"
#include "mainwindow/userprompts.h"
#include "platform/speaker.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int DefaultRuns = 15;
constexpr int PoseMilliseconds = 8000;

// Message boxes would stop the clock; the probe only notes them.
class SilentPrompts final : public parlora::UserPrompts {
public:
    void warning(QWidget *, const QString &, const QString &text) override { note(text); }
    void inform(QWidget *, const QString &, const QString &text) override { note(text); }
    bool retryAfterFailure(QWidget *, const QString &, const QString &text, const QString &) override
    {
        note(text);
        return false;
    }

private:
    static void note(const QString &text) { std::fprintf(stderr, "message: %s\n", qPrintable(text)); }
};

parlora::DataLocations portableLocations(const QString &folder)
{
    return parlora::chooseDataLocations(folder, true, parlora::LanguagePair().PersonalDictionaryFile, {});
}

bool copyFolder(const QString &from, const QString &to)
{
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).path());
        if (!QFile::copy(source, target))
            return false;
    }
    return true;
}

// A fresh application folder holding the bundled dic and lang folders.
bool prepareFolder(const QTemporaryDir &folder)
{
    const QString bundled = QCoreApplication::applicationDirPath();
    return folder.isValid() && copyFolder(bundled + QStringLiteral("/dic"), folder.filePath(QStringLiteral("dic")))
        && copyFolder(bundled + QStringLiteral("/lang"), folder.filePath(QStringLiteral("lang")));
}

bool waitUntilReady(parlora::MainWindow &window, QLineEdit *input)
{
    QElapsedTimer timeout;
    timeout.start();
    constexpr int TimeoutMilliseconds = 10000;
    // The window's focus widget: without a window manager the window may
    // never become the active one, yet the focus is in place for it.
    while (!(window.ready() && window.focusWidget() == input)) {
        if (timeout.elapsed() > TimeoutMilliseconds)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

int measure(int runs)
{
    std::vector<double> milliseconds;
    for (int run = 0; run < runs; ++run) {
        QTemporaryDir folder;
        if (!prepareFolder(folder)) {
            std::fprintf(stderr, "cannot copy the bundled data from %s\n", qPrintable(QCoreApplication::applicationDirPath()));
            return 1;
        }
        SilentPrompts prompts;
        QElapsedTimer clock;
        clock.start();
        parlora::ParloraSession session(folder.path(), folder.path(), portableLocations(folder.path()));
        parlora::TextToSpeechSpeaker speaker;
        parlora::ApplicationWindows windows(session, prompts, speaker);
        windows.mainWindow().show();
        if (!waitUntilReady(windows.mainWindow(), windows.mainWindow().findChild<QLineEdit *>(QStringLiteral("txtParola")))) {
            std::fprintf(stderr, "the window did not become ready\n");
            return 1;
        }
        milliseconds.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("start-up to ready over %d runs: median %.1f ms, min %.1f ms, max %.1f ms\n", runs,
                milliseconds[milliseconds.size() / 2], milliseconds.front(), milliseconds.back());
    return 0;
}

int pose(const QString &word)
{
    QTemporaryDir folder;
    if (!prepareFolder(folder))
        return 1;
    // Italian interface, both searches on, Italian to Portuguese.
    QFile settings(folder.filePath(QStringLiteral("parlora.ini")));
    if (!settings.open(QIODevice::WriteOnly) || settings.write(QByteArray("\x27\xff", 2)) != 2)
        return 1;
    settings.close();
    SilentPrompts prompts;
    parlora::ParloraSession session(folder.path(), folder.path(), portableLocations(folder.path()));
    parlora::TextToSpeechSpeaker speaker;
    parlora::ApplicationWindows windows(session, prompts, speaker);
    parlora::MainWindow &window = windows.mainWindow();
    window.show();
    auto *input = window.findChild<QLineEdit *>(QStringLiteral("txtParola"));
    if (!waitUntilReady(window, input))
        return 1;
    window.findChild<QAction *>(QStringLiteral("menuDizionarioPersonale"))->trigger();
    window.findChild<QAction *>(QStringLiteral("menuTastiera"))->trigger();
    window.findChild<QLineEdit *>(QStringLiteral("txtParolaIta"))->setText(QStringLiteral("ciao"));
    window.findChild<QLineEdit *>(QStringLiteral("txtParolaLin"))->setText(QStringLiteral("oi"));
    window.findChild<QAction *>(QStringLiteral("menuInserisci"))->trigger();
    input->setText(word);
    window.findChild<QPushButton *>(QStringLiteral("cmdTraduz"))->click();
    QTimer::singleShot(PoseMilliseconds, &QCoreApplication::quit);
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Parlora"));
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() >= 3 && arguments.at(1) == QLatin1String("--pose"))
        return pose(arguments.at(2));
    const int runs = arguments.size() >= 2 ? arguments.at(1).toInt() : DefaultRuns;
    return measure(runs > 0 ? runs : DefaultRuns);
}
