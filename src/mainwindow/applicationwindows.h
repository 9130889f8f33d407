#pragma once

#include "mainwindow/mainwindow.h"
#include "platform/shellopen.h"

#include <QObject>
#include <QPointer>

#include <memory>

namespace parlora {

class AboutWindow;
class OptionsWindow;
class ParloraSession;
class UserPrompts;

// The program's windows around one session: the main window, the options
// window (created once, then only hidden) and the about window (created
// again after its OK button destroyed it). It also puts the interface
// language's captions and messages on whichever of them exist, and on each
// window as it is created.
class ApplicationWindows : public QObject {
    Q_OBJECT
public:
    // Builds the main window and runs its start-up; showing it is left to
    // the caller.
    ApplicationWindows(ParloraSession &session, UserPrompts &prompts, ShellOpener opener = systemShellOpener());
    ~ApplicationWindows() override;

    MainWindow &mainWindow() { return *m_main; }
    OptionsWindow &optionsWindow();
    // The about window while it exists.
    AboutWindow *aboutWindow() const;

    void showOptions();
    void showAbout();
    void showHelp();

private:
    void applyLanguage(const QStringList &captionLines);
    AboutWindow &ensureAboutWindow();
    void reportLinkFailure(QWidget *window, const QString &address);

    ParloraSession &m_session;
    UserPrompts &m_prompts;
    ShellOpener m_opener;
    std::unique_ptr<MainWindow> m_main;
    QPointer<OptionsWindow> m_options;
    QPointer<AboutWindow> m_about;
};

} // namespace parlora
