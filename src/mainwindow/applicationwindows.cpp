#include "mainwindow/applicationwindows.h"

#include "dialogs/aboutwindow.h"
#include "dialogs/captionapplier.h"
#include "dialogs/helpcommand.h"
#include "dialogs/optionswindow.h"
#include "localisation/builtinmessages.h"
#include "mainwindow/parlorasession.h"
#include "mainwindow/userprompts.h"

#include <QCoreApplication>

namespace parlora {

ApplicationWindows::ApplicationWindows(ParloraSession &session, UserPrompts &prompts, ShellOpener opener)
    : m_session(session), m_prompts(prompts), m_opener(std::move(opener)),
      m_main(std::make_unique<MainWindow>(session, prompts))
{
    m_session.interfaceLanguage.setCaptionApplier(
        [this](const QStringList &captionLines) { applyLanguage(captionLines); });
    connect(m_main.get(), &MainWindow::optionsRequested, this, &ApplicationWindows::showOptions);
    connect(m_main.get(), &MainWindow::aboutRequested, this, &ApplicationWindows::showAbout);
    connect(m_main.get(), &MainWindow::helpRequested, this, &ApplicationWindows::showHelp);

    // The windows speak Italian until a language file says otherwise.
    applyLanguage(builtInCaptionLines());
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

void ApplicationWindows::applyLanguage(const QStringList &captionLines)
{
    // A window that does not exist gets the current language when it is made.
    applyCaptions(captionLines, [this](CaptionWindow window) -> QWidget * {
        switch (window) {
        case CaptionWindow::Main: return m_main.get();
        case CaptionWindow::Config: return &optionsWindow();
        case CaptionWindow::Info: return m_about.data();
        }
        return nullptr;
    });
    m_main->applyMessages();
    optionsWindow().applyMessages();
    if (m_about)
        m_about->applyMessages(m_session.messages());
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
    if (!m_about) {
        m_about = new AboutWindow(m_session.data.mainDictionary, m_session.personalDictionary, m_opener, m_main.get());
        m_about->setLinkFailureReporter([this](const QString &address) { reportLinkFailure(m_about, address); });
        const QStringList &current = m_session.interfaceLanguage.fixedLines();
        applyCaptions(current.isEmpty() ? builtInCaptionLines() : current,
                      [this](CaptionWindow window) -> QWidget * {
                          return window == CaptionWindow::Info ? m_about.data() : nullptr;
                      });
        m_about->applyMessages(m_session.messages());
    }
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
    const QString language = m_session.interfaceLanguage.GetInterfaceLanguage();
    if (!OpenHelp(m_session.folder, language, m_opener))
        reportLinkFailure(m_main.get(),
                          helpAddress(m_session.folder, language).toDisplayString(QUrl::PreferLocalFile));
}

void ApplicationWindows::reportLinkFailure(QWidget *window, const QString &address)
{
    m_prompts.inform(window, QCoreApplication::applicationName(),
                     m_session.message(Message::LinkCannotBeOpened).arg(address));
}

} // namespace parlora
