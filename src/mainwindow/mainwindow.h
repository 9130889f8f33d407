#pragma once

#include "dictionary/progresssink.h"
#include "mainwindow/parlorasession.h"

#include <QMainWindow>

#include <functional>
#include <optional>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QToolBar;

namespace parlora {

class Keypad;
class PersonalPanel;
class SessionSaver;
class ResultListBox;
class TextField;
class UserPrompts;

// frmMain, the program's one main window: the translation input and results,
// the personal dictionary panel on the right and the keypad below, both
// revealed by widening or lengthening the fixed-size window.
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

    // ProgressSink: the status bar and the progress bar while loading and
    // translating.
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
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Building the window.
    void createMainArea();
    void createToolbar();
    void createPersonalPanel();
    void createKeypad();
    void createMenus();
    void createPopupMenus();
    void connectFocusTracking();
    void placeWindow();
    void resizeClientArea(int width, int height);

    // Start-up problems and shutdown.
    void reportLoadProblems(const LoadResult &result);
    void reportBackgroundSaveFailure(const QString &file, const QString &reason);
    void shutDown();
    bool saveWithRetry(const std::function<SaveResult()> &save, int failureMessage, const QString &fileName);

    // Translation and direction.
    void translateFromButton();
    void translateInput();
    void takeSimilarWord();
    void addResultLine(ResultListBox *list, const QString &text);
    void setDirection(bool language1ToLanguage2);
    void swapDirection();
    void showDirection();

    // Panels.
    void togglePersonalPanel();
    void toggleKeypad();
    void clearFields();
    void dispatchToolbarKey(const QString &key);

    // Editing and focus.
    void cut();
    void copy();
    void paste();
    QString focusedControlText(bool &hasText) const;
    void textFieldFocused(TextField *field);
    void textFieldLeft();
    void showHint(int message);
    TextField *lastTextFieldWidget() const;
    void typeLetter(const QString &letter);
    void showPopup(QMenu *menu, QWidget *control, const QPoint &globalPosition);

    // Personal dictionary panel.
    void undoPersonal();
    void redoPersonal();
    void updateUndoRedo(bool canUndo, bool canRedo);
    void setDeleteEnabled(bool enabled);

    QString message(int index) const;
    QString applicationTitle() const;

    ParloraSession &m_session;
    UserPrompts &m_prompts;
    SessionSaver *m_saver = nullptr;
    bool m_firstActivationDone = false;
    bool m_ended = false;
    // WidestItem: the widest line added to either result list since the
    // last translation started.
    int m_widestItem = 0;
    int m_progressMaximum = 0;
    // The tracked control that last gained the focus, until it really loses
    // it (not to a menu or another window).
    QWidget *m_trackedFocus = nullptr;
    QIcon m_picItal;
    QIcon m_picPort;

    QWidget *m_client = nullptr;
    QToolBar *m_toolbar = nullptr;
    QAction *m_tbOpzioni = nullptr;
    QAction *m_tbCut = nullptr;
    QAction *m_tbCopy = nullptr;
    QAction *m_tbPaste = nullptr;
    QAction *m_tbDizionario = nullptr;
    QAction *m_tbTastierino = nullptr;
    QAction *m_tbRecycling = nullptr;
    QWidget *m_line2 = nullptr;
    QLabel *m_lblLingua1 = nullptr;
    QLabel *m_lblLingua2 = nullptr;
    QPushButton *m_cmdTraduz = nullptr;
    TextField *m_txtParola = nullptr;
    ResultListBox *m_lstTraduzioni = nullptr;
    ResultListBox *m_lstSimili = nullptr;
    QPlainTextEdit *m_text1 = nullptr;
    QStatusBar *m_statusBar1 = nullptr;
    QProgressBar *m_barAtividade = nullptr;
    QPushButton *m_cmdTast = nullptr;
    QPushButton *m_cmdDiz = nullptr;

    PersonalPanel *m_frm1 = nullptr;
    TextField *m_txtParolaIta = nullptr;
    TextField *m_txtParolaLin = nullptr;
    QListWidget *m_lstDicPer = nullptr;

    Keypad *m_frakeyb = nullptr;

    QAction *m_menuImporta = nullptr;
    QAction *m_menuTaglia = nullptr;
    QAction *m_menuIncolla = nullptr;
    QAction *m_menuItaPorto = nullptr;
    QAction *m_menuPortoIta = nullptr;
    QAction *m_menuDizionarioPersonale = nullptr;
    QAction *m_menuTastiera = nullptr;
    QMenu *m_menuDizionario = nullptr;
    QAction *m_menuCancella = nullptr;
    QAction *m_menuAnnulla = nullptr;
    QAction *m_menuRipeti = nullptr;
    QMenu *m_menuPopup = nullptr;
    QMenu *m_menuPopup2 = nullptr;
    QMenu *m_menuDizionario2 = nullptr;
    QAction *m_menuCancella2 = nullptr;
    QAction *m_menuAnnulla2 = nullptr;
    QAction *m_menuRipeti2 = nullptr;
};

} // namespace parlora
