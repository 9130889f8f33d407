#pragma once

#include "dictionary/progresssink.h"
#include "mainwindow/parlorasession.h"

#include <QMainWindow>

#include <functional>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;

namespace parlora {

class EditCommands;
class Keypad;
class PersonalPanel;
class ResultPane;
class SessionSaver;
class UserPrompts;
class WindowPanels;

// frmMain, the program's one main window: the translation input and results,
// the personal dictionary panel on the right and the keypad below. The
// window's parts live in their own classes: ResultPane shows translations,
// PersonalPanel edits the user's pairs, Keypad types accented letters,
// EditCommands does the clipboard and focus work and WindowPanels opens and
// closes the panels. The window builds them, owns the actions that reach
// them and runs start-up and shutdown.
class MainWindow : public QMainWindow, public ProgressSink {
    Q_OBJECT
public:
    MainWindow(ParloraSession &session, UserPrompts &prompts, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The start-up before the window is shown: direction, interface
    // language, placement, settings file. Separate from the constructor so
    // that the language's caption applier can already reach this window.
    void startUp();

    // Loads the dictionaries the first time it is called; later calls do
    // nothing. Returns false when the program has to end.
    bool loadDataOnFirstActivation();
    bool ready() const { return m_session.dataLoaded() && !m_ended; }

    bool personalPanelOpen() const;
    bool keypadOpen() const;

    // Looks a text up as if typed, in the given direction or the current
    // one: a word handed over on the command line or by a second start.
    void lookUp(const QString &text, std::optional<bool> language1ToLanguage2 = std::nullopt);
    // Brings the window to the front, for a second start of the program.
    void bringToFront();

    // Saves whatever of the user's is not on disk yet, without asking (the
    // desktop session ends, a signal ends the program). True when all of it
    // is on disk.
    bool saveUserDataNow();
    // The options changed elsewhere (the options window): write them now.
    void optionsChanged();
    SessionSaver &saver() { return *m_saver; }

    // The texts that come from the message table rather than from the
    // caption lines (new menu items, accessible names), after a language
    // switch has put the captions on the window.
    void applyMessages();

    // ProgressSink: the status bar and the progress bar while loading and
    // translating. The bar shows only while there is work in progress.
    void setStatusText(const QString &text) override;
    void setProgressMaximum(int maximum) override;
    void setProgressValue(int value) override;
    void setProgressVisible(bool visible) override;
    void repaint(RepaintTarget target) override;

signals:
    // The program is over (after shutdown, or when the main dictionary is
    // missing); the caller ends the event loop with the code.
    void programEnded(int exitCode);
    // The options and about windows and the help are opened by whoever
    // provides them.
    void optionsRequested();
    void aboutRequested();
    void helpRequested();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Building the window.
    QAction *makeAction(const char *name, QObject *parent = nullptr);
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createCentralArea();
    void createPopupMenus();
    void connectActions();
    void placeWindow();

    // Start-up problems and shutdown.
    void reportLoadProblems(const LoadResult &result);
    void reportBackgroundSaveFailure(const QString &file, const QString &reason);
    void shutDown();
    bool saveWithRetry(const std::function<SaveResult()> &save, int failureMessage, const QString &fileName);

    // Translation and direction.
    void translateFromButton();
    void translateInput();
    void lookUpWord(const QString &word);
    void chooseItalianToPortuguese();
    void choosePortugueseToItalian();
    void swapDirection();
    void setDirection(bool language1ToLanguage2);
    void showDirection();
    void focusInput();
    void clearFields();

    // Panels, and the personal dictionary's history.
    void togglePersonalPanelFromStrip();
    void toggleKeypadFromStrip();
    void undoPersonal();
    void redoPersonal();
    void updateUndoRedo(bool canUndo, bool canRedo);

    void endWork();
    QString message(int index) const;
    QString applicationTitle() const;

    ParloraSession &m_session;
    UserPrompts &m_prompts;
    SessionSaver *m_saver = nullptr;
    bool m_firstActivationDone = false;
    bool m_ended = false;
    int m_progressMaximum = 0;

    ResultPane *m_results = nullptr;
    PersonalPanel *m_frm1 = nullptr;
    Keypad *m_frakeyb = nullptr;
    QPushButton *m_cmdDiz = nullptr;
    QPushButton *m_cmdTast = nullptr;
    QLabel *m_statusText = nullptr;
    QProgressBar *m_barAtividade = nullptr;
    EditCommands *m_editing = nullptr;
    WindowPanels *m_panels = nullptr;

    // Menu bar and toolbar.
    QAction *m_menuImporta = nullptr;
    QAction *m_menuPulisci = nullptr;
    QAction *m_menuEsci = nullptr;
    QAction *m_menuTaglia = nullptr;
    QAction *m_menuCopia1 = nullptr;
    QAction *m_menuIncolla = nullptr;
    QAction *m_menuItaPorto = nullptr;
    QAction *m_menuPortoIta = nullptr;
    QAction *m_menuInverti = nullptr;
    QAction *m_menuNuovaRicerca = nullptr;
    QAction *m_menuDizionarioPersonale = nullptr;
    QAction *m_menuTastiera = nullptr;
    QAction *m_menuConfigurazione = nullptr;
    QMenu *m_menuDizionario = nullptr;
    QAction *m_menuInserisci = nullptr;
    QAction *m_menuCancella = nullptr;
    QAction *m_menuAnnulla = nullptr;
    QAction *m_menuRipeti = nullptr;
    QAction *m_menuHelp = nullptr;
    QAction *m_menuInfo = nullptr;
    QAction *m_tbOpzioni = nullptr;
    QAction *m_tbCut = nullptr;
    QAction *m_tbCopy = nullptr;
    QAction *m_tbPaste = nullptr;
    QAction *m_tbDizionario = nullptr;
    QAction *m_tbTastierino = nullptr;
    QAction *m_tbRecycling = nullptr;
    // Pop-up menus.
    QMenu *m_menuPopup = nullptr;
    QMenu *m_menuPopup2 = nullptr;
    QMenu *m_menuDizionario2 = nullptr;
    QAction *m_menuCopia2 = nullptr;
    QAction *m_menuCopia3 = nullptr;
    QAction *m_menuTraduci = nullptr;
    QAction *m_menuCancella2 = nullptr;
    QAction *m_menuAnnulla2 = nullptr;
    QAction *m_menuRipeti2 = nullptr;
};

} // namespace parlora
