// The main window's work with the session: start-up and loading, translating
// and the direction, the personal dictionary's history, progress, saving and
// shutdown.
#include "mainwindow/mainwindow.h"

#include "localisation/builtinmessages.h"
#include "localisation/rememberedlanguage.h"
#include "mainwindow/editcommands.h"
#include "mainwindow/personalpanel.h"
#include "mainwindow/resultlistbox.h"
#include "mainwindow/resultpane.h"
#include "mainwindow/sessionsaver.h"
#include "mainwindow/textfield.h"
#include "mainwindow/userprompts.h"
#include "mainwindow/windowpanels.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <QScreen>
#include <QTimer>

namespace parlora {

namespace {
// The window's first size, as it was designed (5530 by 6525 twips with its
// frame); a larger desktop font makes it as large as its contents need.
constexpr QSize DesignedSize(362, 410);
} // namespace

void MainWindow::startUp()
{
    Settings &settings = m_session.settings;
    settings.Direction = false;
    // Italian first, so that a missing file for the saved language still
    // leaves the interface in a language.
    m_session.interfaceLanguage.SetInterfaceLanguage(QStringLiteral("Italiano"));
    m_session.languagePair = LanguagePair{};
    const LanguagePair &pair = m_session.languagePair;
    m_menuItaPorto->setText(QStringLiteral("&%1 --> %2").arg(pair.Language1Name, pair.Language2Name));
    m_menuPortoIta->setText(QStringLiteral("&%1 --> %2").arg(pair.Language2Name, pair.Language1Name));
    m_frm1->showLanguageNames(pair);
    resize(DesignedSize.expandedTo(minimumSizeHint()));
    placeWindow();

    // A settings file that cannot be created is only noticed at the end,
    // where the user is told and can retry.
    const QString settingsFile = m_session.locations.settingsFile;
    const StartupSettings stored = readSettingsFile(settingsFile, true, m_session.locations.seedSettingsFile);
    settings = stored.settings;
    const FileBytes byte = readDataFile(settingsFile);
    const bool byteNamesLanguage = byte.ok && !byte.bytes.isEmpty() && settingsByteNamesLanguage(quint8(byte.bytes.at(0)));
    const QString remembered = readRememberedLanguage(rememberedLanguageFile(settingsFile));
    // A language of the user's own, which the settings byte cannot name.
    if (byteNamesLanguage || remembered.isEmpty()
        || !m_session.interfaceLanguage.SetInterfaceLanguage(remembered))
        m_session.interfaceLanguage.SetInterfaceLanguage(stored.interfaceLanguage);
    showDirection();
}

void MainWindow::placeWindow()
{
    // Left of the screen's centre, vertically centred.
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize outer = frameGeometry().size();
    move(area.left() + std::max(0, area.width() / 3 - outer.width() / 2),
         area.top() + std::max(0, (area.height() - outer.height()) / 2));
    resizeWithinScreen(this, size());
}

bool MainWindow::loadDataOnFirstActivation()
{
    if (m_firstActivationDone)
        return !m_ended;
    m_firstActivationDone = true;

    repaint(RepaintTarget::MainWindow);
    setStatusText(QString());
    const LoadResult result = m_session.loadData(*this);
    endWork();
    if (result.outcome != LoadOutcome::Loaded) {
        const QString text = result.outcome == LoadOutcome::MainDictionaryMissing
            ? message(Message::MainDictionaryMissing)
            : message(Message::MainDictionaryUnreadable)
                  .arg(QDir::toNativeSeparators(result.mainDictionary.file), result.mainDictionary.reason);
        m_prompts.inform(this, applicationTitle(), text);
        // Nothing was loaded, so nothing may be written back either.
        m_ended = true;
        emit programEnded(1);
        return false;
    }
    reportLoadProblems(result);
    m_results->input()->setFocus(Qt::OtherFocusReason);
    return true;
}

void MainWindow::reportLoadProblems(const LoadResult &result)
{
    for (const FileProblem &problem : result.unreadableFiles)
        m_prompts.warning(this, applicationTitle(),
                          message(Message::DataFileUnreadable)
                              .arg(QDir::toNativeSeparators(problem.file), problem.reason));
    const PersonalDictionary &personal = m_session.personalDictionary;
    if (result.personalDictionary) {
        const FileProblem &problem = *result.personalDictionary;
        // A file that is there but unreadable is kept; one that could not be
        // created is the folder's problem.
        const bool exists = QFileInfo::exists(problem.file);
        const QString where = exists ? problem.file : QFileInfo(problem.file).absolutePath();
        m_prompts.warning(this, applicationTitle(),
                          message(exists ? Message::PersonalDictionaryUnreadable : Message::PersonalDictionaryNotCreated)
                              .arg(QDir::toNativeSeparators(where), problem.reason));
    } else if (personal.LastLoadReport().notUnderstood()) {
        m_prompts.warning(this, applicationTitle(),
                          message(Message::PersonalDictionaryNotUnderstood)
                              .arg(QDir::toNativeSeparators(personal.FileName()),
                                   QDir::toNativeSeparators(personal.FileName() + QStringLiteral(".bak"))));
    }
}

bool MainWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && !m_firstActivationDone) {
        const bool handled = QMainWindow::event(event);
        loadDataOnFirstActivation();
        return handled;
    }
    return QMainWindow::event(event);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Some desktops never activate a window shown in the background; the
    // data is loaded all the same once the window is on screen.
    QTimer::singleShot(0, this, [this] { loadDataOnFirstActivation(); });
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Closing is never refused.
    if (!m_ended)
        shutDown();
    event->accept();
}

void MainWindow::shutDown()
{
    m_ended = true;
    saveWithRetry([this] { return m_saver->saveSettings(); }, Message::SettingsSaveFailed,
                  m_session.locations.settingsFile);
    saveWithRetry([this] { return m_saver->savePersonalDictionary(); }, Message::PersonalDictionarySaveFailed,
                  m_session.locations.personalDictionaryFile);
    emit programEnded(0);
}

bool MainWindow::saveWithRetry(const std::function<SaveResult()> &save, int failureMessage, const QString &fileName)
{
    // The user's words must not be lost silently: say what failed and let
    // them fix it (a full disk, a read-only folder) and try again.
    for (;;) {
        const SaveResult result = save();
        if (result)
            return true;
        const QString text = message(failureMessage).arg(QDir::toNativeSeparators(fileName), result.error)
            + QStringLiteral("\n\n") + message(Message::RetryOrQuitQuestion);
        if (!m_prompts.retryAfterFailure(this, applicationTitle(), text, message(Message::QuitWithoutSaving)))
            return false;
    }
}

bool MainWindow::saveUserDataNow()
{
    // Before the data is loaded nothing of the user's has changed; after a
    // missing main dictionary nothing may be written at all.
    if (!m_session.dataLoaded())
        return true;
    return m_saver->saveEverythingNow();
}

void MainWindow::optionsChanged()
{
    m_saver->settingsChanged();
}

void MainWindow::reportBackgroundSaveFailure(const QString &file, const QString &reason)
{
    const int index = file == m_session.locations.settingsFile ? Message::SettingsSaveFailed
                                                                : Message::PersonalDictionarySaveFailed;
    m_prompts.warning(this, applicationTitle(), message(index).arg(QDir::toNativeSeparators(file), reason));
}

void MainWindow::lookUp(const QString &text, std::optional<bool> language1ToLanguage2)
{
    if (language1ToLanguage2 && *language1ToLanguage2 != m_session.settings.Direction)
        setDirection(*language1ToLanguage2);
    m_results->input()->setText(text);
    if (!loadDataOnFirstActivation())
        return;
    translateFromButton();
}

void MainWindow::bringToFront()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

// ---------------------------------------------------------------------------
// Translation and direction

void MainWindow::translateFromButton()
{
    focusInput();
    translateInput();
}

void MainWindow::focusInput()
{
    m_results->input()->setFocus(Qt::OtherFocusReason);
    m_results->input()->selectAll();
}

void MainWindow::translateInput()
{
    m_results->clearLists();
    const QString typed = m_results->input()->text();
    if (typed.isEmpty() || !m_session.dataLoaded())
        return;
    m_results->resultText()->clear();
    setStatusText(QString());
    const TranslationResult result = m_session.translator().Translate(
        typed, m_session.settings.Direction, m_session.settings, m_session.messages(), *this);
    endWork();
    m_results->showResult(result);
}

void MainWindow::lookUpWord(const QString &word)
{
    m_results->input()->setText(word);
    translateFromButton();
}

void MainWindow::chooseItalianToPortuguese()
{
    setDirection(true);
}

void MainWindow::choosePortugueseToItalian()
{
    setDirection(false);
}

void MainWindow::swapDirection()
{
    setDirection(!m_session.settings.Direction);
}

void MainWindow::setDirection(bool language1ToLanguage2)
{
    m_session.settings.Direction = language1ToLanguage2;
    showDirection();
    m_saver->settingsChanged();
}

void MainWindow::showDirection()
{
    const bool forward = m_session.settings.Direction;
    m_results->showDirection(forward, m_session.languagePair);
    m_menuItaPorto->setChecked(forward);
    m_menuPortoIta->setChecked(!forward);
    m_results->updateAccessibleTexts(m_session.messages());
}

void MainWindow::clearFields()
{
    m_results->clearAll();
    if (personalPanelOpen())
        m_frm1->clearFields();
}

// ---------------------------------------------------------------------------
// Panels and the personal dictionary's history

bool MainWindow::personalPanelOpen() const
{
    return m_panels->personalPanelOpen();
}

bool MainWindow::keypadOpen() const
{
    return m_panels->keypadOpen();
}

void MainWindow::togglePersonalPanelFromStrip()
{
    m_panels->togglePersonalPanel();
    m_results->input()->setFocus(Qt::OtherFocusReason);
}

void MainWindow::toggleKeypadFromStrip()
{
    m_panels->toggleKeypad();
    m_editing->lastTextField()->setFocus(Qt::OtherFocusReason);
}

void MainWindow::undoPersonal()
{
    // The menu exists only while the panel is open.
    if (personalPanelOpen())
        m_frm1->undo();
}

void MainWindow::redoPersonal()
{
    if (personalPanelOpen())
        m_frm1->redo();
}

void MainWindow::updateUndoRedo(bool canUndo, bool canRedo)
{
    for (QAction *undo : {m_menuAnnulla, m_menuAnnulla2})
        undo->setEnabled(canUndo);
    for (QAction *redo : {m_menuRipeti, m_menuRipeti2})
        redo->setEnabled(canRedo);
}

// ---------------------------------------------------------------------------
// Progress display

void MainWindow::setStatusText(const QString &text)
{
    m_statusText->setText(text);
}

void MainWindow::setProgressMaximum(int maximum)
{
    // A maximum of 0 would turn the bar into a busy indicator; it shows an
    // empty bar instead, and a value above a lowered maximum is clamped.
    m_progressMaximum = qMax(0, maximum);
    const int value = qMin(qMax(0, m_barAtividade->value()), m_progressMaximum);
    m_barAtividade->setRange(0, qMax(1, m_progressMaximum));
    m_barAtividade->setValue(value);
    m_barAtividade->show();
}

void MainWindow::setProgressValue(int value)
{
    m_barAtividade->setValue(qBound(0, value, m_progressMaximum));
}

void MainWindow::setProgressVisible(bool visible)
{
    m_barAtividade->setVisible(visible);
}

void MainWindow::endWork()
{
    m_barAtividade->hide();
    m_barAtividade->setValue(0);
}

void MainWindow::repaint(RepaintTarget target)
{
    // Nothing else paints while a search runs, so the status bar is laid out
    // and painted here.
    switch (target) {
    case RepaintTarget::MainWindow: QWidget::repaint(); break;
    case RepaintTarget::StatusBar:
        statusBar()->layout()->activate();
        statusBar()->repaint();
        break;
    case RepaintTarget::TranslationsList: m_results->translations()->repaint(); break;
    }
}

} // namespace parlora
