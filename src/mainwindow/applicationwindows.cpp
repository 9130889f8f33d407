#include "mainwindow/applicationwindows.h"

#include "dialogs/aboutwindow.h"
#include "dialogs/captionapplier.h"
#include "dialogs/helpcommand.h"
#include "dialogs/optionswindow.h"
#include "mainwindow/parlorasession.h"
#include "mainwindow/userprompts.h"

#include <QCoreApplication>

namespace parlora {

ApplicationWindows::ApplicationWindows(ParloraSession &session, UserPrompts &prompts, ShellOpener opener)
    : m_session(session), m_prompts(prompts), m_opener(std::move(opener)),
      m_main(std::make_unique<MainWindow>(session, prompts))
{
    // The captions reach every window, creating the hidden ones so that they
    // already speak the language when first shown.
    m_session.interfaceLanguage.setCaptionApplier(captionApplierFor([this](CaptionWindow window) -> QWidget * {
        switch (window) {
        case CaptionWindow::Main: return m_main.get();
        case CaptionWindow::Config: return &optionsWindow();
        case CaptionWindow::Info: return &ensureAboutWindow();
        }
        return nullptr;
    }));
    connect(m_main.get(), &MainWindow::optionsRequested, this, &ApplicationWindows::showOptions);
    connect(m_main.get(), &MainWindow::aboutRequested, this, &ApplicationWindows::showAbout);
    connect(m_main.get(), &MainWindow::helpRequested, this, &ApplicationWindows::showHelp);

    m_main->startUp();
    // The options window exists from start-up on, holding the saved options.
    optionsWindow().refill();
}

ApplicationWindows::~ApplicationWindows()
{
    // The language outlives the windows; it must not reach for them later.
    m_session.interfaceLanguage.setCaptionApplier({});
    delete m_about;
    delete m_options;
}

OptionsWindow &ApplicationWindows::optionsWindow()
{
    if (!m_options) {
        m_options = new OptionsWindow(m_session.settings, m_session.interfaceLanguage, m_session.folder, m_main.get());
        m_options->setShellOpener(m_opener);
        // An option the user confirmed is on disk at once, not only at the end.
        m_options->setOptionsChangedListener([this] { m_main->optionsChanged(); });
        m_options->setMessagePresenter([this](QWidget *parent, const QString &text) {
            m_prompts.inform(parent, QCoreApplication::applicationName(), text);
        });
    }
    return *m_options;
}

AboutWindow *ApplicationWindows::aboutWindow() const
{
    return m_about;
}

AboutWindow &ApplicationWindows::ensureAboutWindow()
{
    if (!m_about)
        m_about = new AboutWindow(m_session.data.mainDictionary, m_session.personalDictionary, m_opener, m_main.get());
    return *m_about;
}

void ApplicationWindows::showOptions()
{
    OptionsWindow &options = optionsWindow();
    options.show();
    options.raise();
    options.activateWindow();
}

void ApplicationWindows::showAbout()
{
    AboutWindow &about = ensureAboutWindow();
    about.show();
    about.raise();
    about.activateWindow();
}

void ApplicationWindows::showHelp()
{
    OpenHelp(m_session.folder, m_session.interfaceLanguage.GetInterfaceLanguage(), m_opener);
}

} // namespace parlora
