#include "mainwindow/mainwindow.h"

#include "localisation/builtinmessages.h"
#include "mainwindow/artwork.h"
#include "mainwindow/controlstyle.h"
#include "mainwindow/keypad.h"
#include "mainwindow/personalpanel.h"
#include "mainwindow/resultlistbox.h"
#include "mainwindow/sessionsaver.h"
#include "mainwindow/textfield.h"
#include "mainwindow/userprompts.h"
#include "platform/clipboard.h"
#include "platform/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

namespace parlora {

using namespace controlstyle;

namespace {

// The window's outer sizes in twips: the two panels lie beyond the right and
// bottom edges of the small window and are revealed by growing it.
constexpr int ClosedWidthTwips = 5530;
constexpr int OpenWidthTwips = 11010;
constexpr int ClosedHeightTwips = 6525;
constexpr int OpenHeightTwips = 7710;
// What a window frame takes from the outer width. The client height is
// chosen directly: below the keypad button (bottom at 5659 twips) and above
// the keypad frame (top at 5760 twips), whatever the menu bar's height.
constexpr int FrameWidthPixels = 6;
constexpr int ClosedClientHeightPixels = 381;

constexpr int ClosedClientWidth = ClosedWidthTwips / TwipsPerPixel - FrameWidthPixels;
constexpr int OpenClientWidth = ClosedClientWidth + (OpenWidthTwips - ClosedWidthTwips) / TwipsPerPixel;
constexpr int ClosedClientHeight = ClosedClientHeightPixels;
constexpr int OpenClientHeight = ClosedClientHeight + (OpenHeightTwips - ClosedHeightTwips) / TwipsPerPixel;

constexpr int ToolbarHeightTwips = 360;
// The input box's left edge: its heading may reach that far left.
constexpr int InputLeftTwips = 225;
constexpr int ToolbarIconPixels = 16;

// A translation resets the translations list's scrollable width to this.
constexpr int ResetListExtent = 64;
// Only lines longer than this widen a list's scrollable width.
constexpr int ShortLineLength = 23;

// Language names differ in length between fonts; the labels that show them
// reach into the free space on their right so that no name is cut.
constexpr int LanguageLabelRoom = 1380;
constexpr qreal StatusFontPoints = 9;

QAction *makeAction(QObject *parent, const char *name, const QString &text)
{
    auto *action = new QAction(text, parent);
    action->setObjectName(QLatin1String(name));
    return action;
}

// Focus moves caused by a menu or another window coming and going are not
// the user moving between fields; the fields' commands stay as they were.
bool isTransientFocusChange(const QFocusEvent *event)
{
    const Qt::FocusReason reason = event->reason();
    return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason
        || reason == Qt::MenuBarFocusReason;
}

bool isEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

MainWindow::MainWindow(ParloraSession &session, UserPrompts &prompts, QWidget *parent)
    : QMainWindow(parent), m_session(session), m_prompts(prompts), m_saver(new SessionSaver(session, this)),
      m_picItal(artwork::portugueseToItalian()), m_picPort(artwork::italianToPortuguese())
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Parlora 3.1"));
    setWindowIcon(artwork::applicationIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(controlstyle::windowFont(font()));

    m_client = new QWidget(this);
    setCentralWidget(m_client);
    createMainArea();
    createToolbar();
    createPersonalPanel();
    createKeypad();
    createMenus();
    createPopupMenus();
    connectFocusTracking();
    resizeClientArea(ClosedClientWidth, ClosedClientHeight);

    // The store enables and disables the undo and redo commands itself,
    // also while it loads at start-up.
    m_session.personalDictionary.setUndoRedoListener(
        [this](bool canUndo, bool canRedo) { updateUndoRedo(canUndo, canRedo); });
    m_saver->setFailureReporter(
        [this](const QString &file, const QString &reason) { reportBackgroundSaveFailure(file, reason); });
    connect(m_saver, &SessionSaver::personalEntriesMerged, this, [this] {
        if (personalPanelOpen())
            m_frm1->render();
    });
}

MainWindow::~MainWindow()
{
    m_session.personalDictionary.setUndoRedoListener({});
}

// ---------------------------------------------------------------------------
// Building the window

void MainWindow::createMainArea()
{
    makeHeadingLabel(m_client, "lblParola1", QStringLiteral("Parola "), twipsRect(495, 690, 510, 195), twips(InputLeftTwips));
    m_lblLingua1 = makeLabel(m_client, "lblLingua1", QStringLiteral("(Italiano)"), twipsRect(1065, 690, 855, 225), true);
    // Reaches up to the language label, for wider fonts.
    makeLabel(m_client, "lblParola2", QStringLiteral("Traduzione"), twipsRect(3105, 690, 930, 195));
    m_lblLingua2 = makeLabel(m_client, "lblLingua2", QStringLiteral("(Português)"), twipsRect(4035, 690, LanguageLabelRoom, 195), true);

    m_cmdTraduz = new QPushButton(m_client);
    m_cmdTraduz->setObjectName(QStringLiteral("cmdTraduz"));
    m_cmdTraduz->setGeometry(twipsRect(1905, 570, 1065, 315));
    m_cmdTraduz->setIconSize(m_cmdTraduz->size() - QSize(6, 6));
    connect(m_cmdTraduz, &QPushButton::clicked, this, &MainWindow::translateFromButton);

    m_txtParola = makeInputField(m_client, "txtParola", twipsRect(InputLeftTwips, 1035, 2400, 360));

    m_lstTraduzioni = new ResultListBox(m_client);
    m_lstTraduzioni->setObjectName(QStringLiteral("lstTraduzioni"));
    m_lstTraduzioni->setGeometry(twipsRect(2700, 1035, 2355, 1230));
    setBackground(m_lstTraduzioni, LightGreen);

    m_lstSimili = new ResultListBox(m_client);
    m_lstSimili->setObjectName(QStringLiteral("lstSimili"));
    m_lstSimili->setGeometry(twipsRect(225, 1425, 2400, 840));
    setBackground(m_lstSimili, LightGreen);
    connect(m_lstSimili, &ResultListBox::doubleClickedAnywhere, this, &MainWindow::takeSimilarWord);

    m_text1 = new QPlainTextEdit(m_client);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setGeometry(twipsRect(240, 2280, 4815, 2775));
    m_text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setBackground(m_text1, m_text1->palette().color(QPalette::ToolTipBase));

    m_statusBar1 = new QStatusBar(m_client);
    m_statusBar1->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar1->setSizeGripEnabled(false);
    m_statusBar1->setGeometry(twipsRect(240, 5070, 4815, 315));
    QFont statusFont = font();
    statusFont.setPointSizeF(StatusFontPoints);
    m_statusBar1->setFont(statusFont);

    // Lies over the right end of the status bar.
    m_barAtividade = new QProgressBar(m_client);
    m_barAtividade->setObjectName(QStringLiteral("barAtividade"));
    m_barAtividade->setGeometry(twipsRect(3570, 5130, 1485, 240));
    m_barAtividade->setTextVisible(false);
    m_barAtividade->setRange(0, 1);
    m_barAtividade->setValue(0);
    m_barAtividade->raise();

    m_cmdTast = new QPushButton(m_client);
    m_cmdTast->setObjectName(QStringLiteral("cmdTast"));
    m_cmdTast->setGeometry(twipsRect(240, 5400, 4815, 259));
    m_cmdTast->setIcon(artwork::chevronStrip(artwork::Chevron::Down));
    m_cmdTast->setIconSize(m_cmdTast->size() - QSize(4, 4));
    connect(m_cmdTast, &QPushButton::clicked, this, [this] {
        toggleKeypad();
        lastTextFieldWidget()->setFocus(Qt::OtherFocusReason);
    });

    m_cmdDiz = new QPushButton(m_client);
    m_cmdDiz->setObjectName(QStringLiteral("cmdDiz"));
    m_cmdDiz->setGeometry(twipsRect(5160, 720, 255, 4215));
    m_cmdDiz->setIcon(artwork::chevronStrip(artwork::Chevron::Right));
    m_cmdDiz->setIconSize(m_cmdDiz->size() - QSize(4, 4));
    connect(m_cmdDiz, &QPushButton::clicked, this, [this] {
        togglePersonalPanel();
        m_txtParola->setFocus(Qt::OtherFocusReason);
    });
}

void MainWindow::createToolbar()
{
    m_toolbar = new QToolBar(m_client);
    m_toolbar->setObjectName(QStringLiteral("tbToolBar"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setIconSize(QSize(ToolbarIconPixels, ToolbarIconPixels));
    m_toolbar->setGeometry(0, 0, ClosedClientWidth, twips(ToolbarHeightTwips));

    // Buttons are told apart by their key, kept in data(); captions and the
    // dispatch find them by it.
    const auto addButton = [this](const char *name, const QString &key, const QString &toolTip,
                                  const QString &imageKey) {
        QAction *action = makeAction(this, name, QString());
        action->setData(key);
        action->setToolTip(toolTip);
        action->setIcon(artwork::toolbarImage(imageKey));
        m_toolbar->addAction(action);
        return action;
    };
    m_toolbar->addSeparator();
    m_tbOpzioni = addButton("tbOpzioni", QStringLiteral("Opzioni"), QStringLiteral("Opzioni"), QStringLiteral("Opt"));
    m_toolbar->addSeparator();
    m_tbCut = addButton("tbCut", QStringLiteral("Cut"), QStringLiteral("Taglia"), QStringLiteral("Cut"));
    m_tbCopy = addButton("tbCopy", QStringLiteral("Copy"), QStringLiteral("Copia"), QStringLiteral("Copy"));
    m_tbPaste = addButton("tbPaste", QStringLiteral("Paste"), QStringLiteral("Incolla"), QStringLiteral("Paste"));
    m_toolbar->addSeparator();
    m_tbDizionario = addButton("tbDizionario", QStringLiteral("Dizionario"), QStringLiteral("Dizionario Personale"),
                               QStringLiteral("Lib"));
    m_tbTastierino = addButton("tbTastierino", QStringLiteral("Tastierino"), QStringLiteral("Tastierino"),
                               QStringLiteral("Let"));
    m_tbRecycling = addButton("tbRecycling", QStringLiteral("Recycling"), QString(), QStringLiteral("Recycling"));
    m_tbDizionario->setCheckable(true);
    m_tbTastierino->setCheckable(true);
    // Cut and paste work only on a text field, which has no focus yet.
    m_tbCut->setEnabled(false);
    m_tbPaste->setEnabled(false);
    connect(m_toolbar, &QToolBar::actionTriggered, this,
            [this](QAction *action) { dispatchToolbarKey(action->data().toString()); });

    auto *line = new QFrame(m_client);
    line->setObjectName(QStringLiteral("Line2"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(0, twips(ToolbarHeightTwips), ClosedClientWidth, 2);
    m_line2 = line;
}

void MainWindow::createPersonalPanel()
{
    m_frm1 = new PersonalPanel(m_session.personalDictionary, m_session.interfaceLanguage, m_prompts, m_client);
    m_frm1->setGeometry(twipsRect(5625, 240, 5175, 5415));
    m_txtParolaIta = m_frm1->wordField();
    m_txtParolaLin = m_frm1->translationField();
    m_lstDicPer = m_frm1->list();
}

void MainWindow::createKeypad()
{
    m_frakeyb = new Keypad(m_client);
    m_frakeyb->setObjectName(QStringLiteral("frakeyb"));
    m_frakeyb->setGeometry(twipsRect(120, 5760, 5085, 1110));
    m_frakeyb->hide();
    connect(m_frakeyb, &Keypad::letterClicked, this, &MainWindow::typeLetter);
}

void MainWindow::createMenus()
{
    QMenuBar *bar = menuBar();
    const auto addMenu = [this, bar](const char *name, const QString &title) {
        auto *menu = new QMenu(title, this);
        menu->setObjectName(QLatin1String(name));
        bar->addMenu(menu);
        return menu;
    };
    const auto addItem = [](QMenu *menu, const char *name, const QString &text) {
        QAction *action = makeAction(menu, name, text);
        menu->addAction(action);
        return action;
    };

    QMenu *menuFile = addMenu("menuFile", QStringLiteral("File"));
    m_menuImporta = addItem(menuFile, "menuImporta", QStringLiteral("Importa file linguaggio"));
    m_menuImporta->setEnabled(false);
    connect(addItem(menuFile, "menuPulisci", QStringLiteral("Pulisci")), &QAction::triggered, this,
            &MainWindow::clearFields);
    QAction *menuEsci = addItem(menuFile, "menuEsci", QStringLiteral("Esci"));
    menuEsci->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(menuEsci, &QAction::triggered, this, &QWidget::close);

    QMenu *menuModifica = addMenu("menuModifica", QStringLiteral("&Modifica"));
    m_menuTaglia = addItem(menuModifica, "menuTaglia", QStringLiteral("Taglia"));
    m_menuTaglia->setEnabled(false);
    connect(m_menuTaglia, &QAction::triggered, this, &MainWindow::cut);
    connect(addItem(menuModifica, "menuCopia1", QStringLiteral("Copia")), &QAction::triggered, this, &MainWindow::copy);
    m_menuIncolla = addItem(menuModifica, "menuIncolla", QStringLiteral("Incolla"));
    m_menuIncolla->setEnabled(false);
    connect(m_menuIncolla, &QAction::triggered, this, &MainWindow::paste);

    QMenu *menuLingua = addMenu("menuLingua", QStringLiteral("Traduzione"));
    m_menuItaPorto = addItem(menuLingua, "menuItaPorto", QStringLiteral("Italiano --> Portoghese"));
    m_menuPortoIta = addItem(menuLingua, "menuPortoIta", QStringLiteral("Portoghese --> Italiano"));
    m_menuItaPorto->setCheckable(true);
    m_menuPortoIta->setCheckable(true);
    connect(m_menuItaPorto, &QAction::triggered, this, [this] { setDirection(true); });
    connect(m_menuPortoIta, &QAction::triggered, this, [this] { setDirection(false); });

    QMenu *menuStrumenti = addMenu("menuStrumenti", QStringLiteral("&Strumenti"));
    m_menuDizionarioPersonale = addItem(menuStrumenti, "menuDizionarioPersonale", QStringLiteral("Dizionario personale"));
    m_menuDizionarioPersonale->setCheckable(true);
    connect(m_menuDizionarioPersonale, &QAction::triggered, this, &MainWindow::togglePersonalPanel);
    m_menuTastiera = addItem(menuStrumenti, "menuTastiera", QStringLiteral("Tastiera"));
    m_menuTastiera->setCheckable(true);
    connect(m_menuTastiera, &QAction::triggered, this, &MainWindow::toggleKeypad);
    connect(addItem(menuStrumenti, "menuConfigurazione", QStringLiteral("&Opzioni...")), &QAction::triggered, this,
            &MainWindow::optionsRequested);

    m_menuDizionario = addMenu("menuDizionario", QStringLiteral("Dizionario"));
    m_menuDizionario->menuAction()->setVisible(false);
    connect(addItem(m_menuDizionario, "menuInserisci", QStringLiteral("Inserisci")), &QAction::triggered, m_frm1,
            &PersonalPanel::insertPair);
    m_menuCancella = addItem(m_menuDizionario, "menuCancella", QStringLiteral("Cancella"));
    connect(m_menuCancella, &QAction::triggered, m_frm1, &PersonalPanel::deleteSelected);
    m_menuAnnulla = addItem(m_menuDizionario, "menuAnnulla", QStringLiteral("Annulla Modifiche"));
    m_menuAnnulla->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(m_menuAnnulla, &QAction::triggered, this, &MainWindow::undoPersonal);
    m_menuRipeti = addItem(m_menuDizionario, "menuRipeti", QStringLiteral("Ripeti Modifiche"));
    m_menuRipeti->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    connect(m_menuRipeti, &QAction::triggered, this, &MainWindow::redoPersonal);

    QMenu *menuAiuto = addMenu("menuAiuto", QStringLiteral("&?"));
    connect(addItem(menuAiuto, "menuHelp", QStringLiteral("Help")), &QAction::triggered, this,
            &MainWindow::helpRequested);
    connect(addItem(menuAiuto, "menuInfo", QStringLiteral("Info")), &QAction::triggered, this,
            &MainWindow::aboutRequested);
}

void MainWindow::createPopupMenus()
{
    // Never in the menu bar: they open where the user right-clicks.
    const auto makeMenu = [this](const char *name, const QString &title) {
        auto *menu = new QMenu(title, this);
        menu->setObjectName(QLatin1String(name));
        return menu;
    };
    const auto addItem = [](QMenu *menu, const char *name, const QString &text) {
        QAction *action = makeAction(menu, name, text);
        menu->addAction(action);
        return action;
    };

    m_menuPopup = makeMenu("menuPopup", QStringLiteral("&Popup"));
    connect(addItem(m_menuPopup, "menuCopia2", QStringLiteral("Copia")), &QAction::triggered, this, &MainWindow::copy);

    m_menuPopup2 = makeMenu("menuPopup2", QStringLiteral("Popup2"));
    connect(addItem(m_menuPopup2, "menuCopia3", QStringLiteral("Copia")), &QAction::triggered, this, &MainWindow::copy);
    connect(addItem(m_menuPopup2, "menuTraduci", QStringLiteral("Traduci")), &QAction::triggered, this,
            &MainWindow::takeSimilarWord);

    m_menuDizionario2 = makeMenu("menuDizionario2", QStringLiteral("Dizionario2"));
    m_menuCancella2 = addItem(m_menuDizionario2, "menuCancella2", QStringLiteral("Cancella"));
    connect(m_menuCancella2, &QAction::triggered, m_frm1, &PersonalPanel::deleteSelected);
    m_menuAnnulla2 = addItem(m_menuDizionario2, "menuAnnulla2", QStringLiteral("Annulla Modifiche"));
    connect(m_menuAnnulla2, &QAction::triggered, this, &MainWindow::undoPersonal);
    m_menuRipeti2 = addItem(m_menuDizionario2, "menuRipeti2", QStringLiteral("Ripeti Modifiche"));
    connect(m_menuRipeti2, &QAction::triggered, this, &MainWindow::redoPersonal);

    setDeleteEnabled(false);
    updateUndoRedo(false, false);
}

void MainWindow::connectFocusTracking()
{
    for (QWidget *widget : {static_cast<QWidget *>(m_txtParola), static_cast<QWidget *>(m_txtParolaIta),
                            static_cast<QWidget *>(m_txtParolaLin), static_cast<QWidget *>(m_lstTraduzioni),
                            static_cast<QWidget *>(m_lstSimili), static_cast<QWidget *>(m_text1),
                            static_cast<QWidget *>(m_lstDicPer)})
        widget->installEventFilter(this);
    // Right clicks arrive at the scroll areas' viewports.
    for (QAbstractScrollArea *area : {static_cast<QAbstractScrollArea *>(m_lstTraduzioni),
                                      static_cast<QAbstractScrollArea *>(m_lstSimili),
                                      static_cast<QAbstractScrollArea *>(m_text1),
                                      static_cast<QAbstractScrollArea *>(m_lstDicPer)}) {
        area->setContextMenuPolicy(Qt::PreventContextMenu);
        area->viewport()->installEventFilter(this);
    }
}

void MainWindow::resizeClientArea(int width, int height)
{
    m_client->setFixedSize(width, height);
    m_toolbar->setFixedWidth(width);
    m_line2->setFixedWidth(width);
    setFixedSize(width, height + menuBar()->sizeHint().height());
}

void MainWindow::placeWindow()
{
    // Left of the screen's centre, vertically centred.
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const qreal outerWidth = qreal(ClosedWidthTwips) / TwipsPerPixel;
    const qreal outerHeight = qreal(ClosedHeightTwips) / TwipsPerPixel;
    const qreal left = area.width() / 3.0 - outerWidth / 2;
    const qreal top = area.height() / 2.0 - outerHeight / 2;
    move(area.left() + qRound(left), area.top() + qRound(top));
}

// ---------------------------------------------------------------------------
// Start-up and shutdown

void MainWindow::startUp()
{
    Settings &settings = m_session.settings;
    settings.Direction = false;
    // Italian first, so that a missing file for the saved language still
    // leaves the interface in a language.
    m_session.interfaceLanguage.SetInterfaceLanguage(QStringLiteral("Italiano"));
    placeWindow();
    m_session.languagePair = LanguagePair{};

    // A settings file that cannot be created is only noticed at the end,
    // where the user is told and can retry.
    const StartupSettings stored =
        readSettingsFile(m_session.locations.settingsFile, true, m_session.locations.seedSettingsFile);
    settings = stored.settings;
    m_session.interfaceLanguage.SetInterfaceLanguage(stored.interfaceLanguage);
    showDirection();
}

bool MainWindow::loadDataOnFirstActivation()
{
    if (m_firstActivationDone)
        return !m_ended;
    m_firstActivationDone = true;

    repaint(RepaintTarget::MainWindow);
    m_text1->clear();
    setStatusText(QString());
    const LoadResult result = m_session.loadData(*this);
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
    m_txtParola->setFocus(Qt::OtherFocusReason);
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
    m_txtParola->setText(text);
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
    m_txtParola->setFocus(Qt::OtherFocusReason);
    m_txtParola->selectAll();
    translateInput();
}

void MainWindow::translateInput()
{
    m_lstSimili->clear();
    m_lstTraduzioni->clear();
    const QString typed = m_txtParola->text();
    if (typed.isEmpty() || !m_session.dataLoaded())
        return;
    m_widestItem = 0;
    m_text1->clear();
    setStatusText(QString());
    m_lstTraduzioni->setHorizontalExtent(ResetListExtent);

    const TranslationResult result = m_session.translator().Translate(
        typed, m_session.settings.Direction, m_session.settings, m_session.messages(), *this);
    // Replaying the lines in the order they were found keeps the widest-line
    // rule for the scroll ranges as if each had been added directly.
    for (const AddedLine &line : result.addedLines)
        addResultLine(line.list == ResultList::Translations ? m_lstTraduzioni : m_lstSimili, line.text);
    QString text = result.resultText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_text1->setPlainText(text);
}

void MainWindow::addResultLine(ResultListBox *list, const QString &text)
{
    // A line already among the translations is never shown twice.
    if (!m_lstTraduzioni->findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty())
        return;
    const int width = list->fontMetrics().horizontalAdvance(text);
    m_widestItem = qMax(m_widestItem, width);
    if (text.size() > ShortLineLength)
        list->setHorizontalExtent(m_widestItem + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    list->addItem(text);
}

void MainWindow::takeSimilarWord()
{
    const QString word = m_lstSimili->selectedText();
    if (m_lstSimili->selectedItems().isEmpty())
        return;
    m_txtParola->setText(word);
    translateFromButton();
}

void MainWindow::setDirection(bool language1ToLanguage2)
{
    m_session.settings.Direction = language1ToLanguage2;
    showDirection();
    m_saver->settingsChanged();
}

void MainWindow::swapDirection()
{
    setDirection(!m_session.settings.Direction);
}

void MainWindow::showDirection()
{
    const bool forward = m_session.settings.Direction;
    const LanguagePair &pair = m_session.languagePair;
    const auto inParentheses = [](const QString &name) { return QStringLiteral("(%1)").arg(name); };
    m_cmdTraduz->setIcon(forward ? m_picPort : m_picItal);
    m_cmdTraduz->setProperty("picture", forward ? QStringLiteral("picPort") : QStringLiteral("picItal"));
    m_lblLingua1->setText(inParentheses(forward ? pair.Language1Name : pair.Language2Name));
    m_lblLingua2->setText(inParentheses(forward ? pair.Language2Name : pair.Language1Name));
    m_menuItaPorto->setChecked(forward);
    m_menuPortoIta->setChecked(!forward);
}

// ---------------------------------------------------------------------------
// Panels

bool MainWindow::personalPanelOpen() const
{
    return m_client->width() != ClosedClientWidth;
}

bool MainWindow::keypadOpen() const
{
    return !m_frakeyb->isHidden();
}

void MainWindow::togglePersonalPanel()
{
    const bool open = !personalPanelOpen();
    resizeClientArea(open ? OpenClientWidth : ClosedClientWidth, m_client->height());
    m_tbDizionario->setChecked(open);
    m_menuDizionarioPersonale->setChecked(open);
    m_menuDizionario->menuAction()->setVisible(open);
    m_cmdDiz->setIcon(artwork::chevronStrip(open ? artwork::Chevron::Left : artwork::Chevron::Right));
    m_cmdDiz->setProperty("picture", open ? QStringLiteral("picLeft") : QStringLiteral("picRight"));
    if (open)
        m_frm1->render();
}

void MainWindow::toggleKeypad()
{
    const bool open = !keypadOpen();
    m_frakeyb->setVisible(open);
    resizeClientArea(m_client->width(), open ? OpenClientHeight : ClosedClientHeight);
    m_menuTastiera->setChecked(open);
    m_cmdTast->setIcon(artwork::chevronStrip(open ? artwork::Chevron::Up : artwork::Chevron::Down));
    m_cmdTast->setProperty("picture", open ? QStringLiteral("picUp") : QStringLiteral("picDown"));
    m_tbTastierino->setChecked(open);
}

void MainWindow::clearFields()
{
    m_txtParola->clear();
    m_lstSimili->clear();
    m_lstTraduzioni->clear();
    m_text1->clear();
    if (m_menuDizionarioPersonale->isChecked()) {
        m_frm1->clearFields();
    }
}

void MainWindow::dispatchToolbarKey(const QString &key)
{
    if (key == QLatin1String("Opzioni"))
        emit optionsRequested();
    else if (key == QLatin1String("Cut"))
        cut();
    else if (key == QLatin1String("Copy"))
        copy();
    else if (key == QLatin1String("Paste"))
        paste();
    else if (key == QLatin1String("Dizionario"))
        togglePersonalPanel();
    else if (key == QLatin1String("Tastierino"))
        toggleKeypad();
    else if (key == QLatin1String("Recycling"))
        swapDirection();
}

// ---------------------------------------------------------------------------
// Editing and focus

QString MainWindow::focusedControlText(bool &hasText) const
{
    hasText = true;
    QWidget *focused = focusWidget();
    if (auto *field = qobject_cast<QLineEdit *>(focused))
        return field->text();
    if (auto *box = qobject_cast<QPlainTextEdit *>(focused))
        return box->toPlainText();
    // A list's text is its selected line, empty when none is selected.
    if (auto *list = qobject_cast<QListWidget *>(focused)) {
        const QList<QListWidgetItem *> selected = list->selectedItems();
        return selected.isEmpty() ? QString() : selected.constFirst()->text();
    }
    hasText = false;
    return {};
}

void MainWindow::cut()
{
    // The whole field, not just its selection.
    QWidget *focused = focusWidget();
    if (auto *field = qobject_cast<QLineEdit *>(focused)) {
        setClipboardText(field->text());
        field->clear();
    } else if (auto *box = qobject_cast<QPlainTextEdit *>(focused)) {
        setClipboardText(box->toPlainText());
        box->clear();
    }
}

void MainWindow::copy()
{
    bool hasText = false;
    const QString text = focusedControlText(hasText);
    // A control without text leaves the clipboard as it was.
    if (hasText)
        setClipboardText(text);
}

void MainWindow::paste()
{
    QWidget *focused = focusWidget();
    if (auto *field = qobject_cast<QLineEdit *>(focused))
        field->setText(clipboardText());
    else if (auto *box = qobject_cast<QPlainTextEdit *>(focused))
        box->setPlainText(clipboardText());
}

void MainWindow::textFieldFocused(TextField *field)
{
    if (field == m_txtParola)
        m_session.lastTextField = LastTextField::Word;
    else if (field == m_txtParolaIta)
        m_session.lastTextField = LastTextField::PersonalWord;
    else
        m_session.lastTextField = LastTextField::PersonalTranslation;
    m_menuTaglia->setEnabled(true);
    m_menuIncolla->setEnabled(true);
    m_tbCut->setEnabled(true);
    m_tbPaste->setEnabled(true);
    if (field == m_txtParola)
        showHint(Message::InputHint);
    else if (field == m_txtParolaIta)
        showHint(Message::PersonalWordHint);
    else
        showHint(Message::PersonalTranslationHint);
}

void MainWindow::textFieldLeft()
{
    m_menuTaglia->setEnabled(false);
    m_menuIncolla->setEnabled(false);
    m_tbCut->setEnabled(false);
    m_tbPaste->setEnabled(false);
}

void MainWindow::showHint(int index)
{
    setStatusText(message(index));
}

TextField *MainWindow::lastTextFieldWidget() const
{
    switch (m_session.lastTextField) {
    case LastTextField::PersonalTranslation: return m_txtParolaLin;
    case LastTextField::PersonalWord: return m_txtParolaIta;
    case LastTextField::Word:
    case LastTextField::None: break;
    }
    return m_txtParola;
}

void MainWindow::typeLetter(const QString &letter)
{
    // Before any field had the focus the letter goes to the translation
    // field of the personal dictionary, as the keypad always did.
    TextField *target = m_session.lastTextField == LastTextField::None ? m_txtParolaLin : lastTextFieldWidget();
    target->replaceSelection(letter);
    target->setFocus(Qt::OtherFocusReason);
}

void MainWindow::showPopup(QMenu *menu, QWidget *control, const QPoint &globalPosition)
{
    control->setFocus(Qt::MouseFocusReason);
    menu->popup(globalPosition);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn: {
        // Coming back from a menu or another window is not a new arrival;
        // but the first focus of a window that was not active yet is.
        if (watched == m_trackedFocus)
            break;
        m_trackedFocus = static_cast<QWidget *>(watched);
        if (auto *field = qobject_cast<TextField *>(watched))
            textFieldFocused(field);
        else if (watched == m_lstSimili)
            showHint(m_session.settings.SimilarWordSearch ? Message::SimilarWordsHint : Message::SimilarWordsOffHint);
        else if (watched == m_lstTraduzioni)
            showHint(Message::TranslationsHint);
        else if (watched == m_text1)
            showHint(Message::ResultTextHint);
        else if (watched == m_lstDicPer) {
            showHint(Message::PersonalListHint);
            setDeleteEnabled(true);
        }
        break;
    }
    case QEvent::FocusOut: {
        if (isTransientFocusChange(static_cast<QFocusEvent *>(event)))
            break;
        m_trackedFocus = nullptr;
        if (qobject_cast<TextField *>(watched))
            textFieldLeft();
        else if (watched == m_lstDicPer) {
            setDeleteEnabled(false);
            m_lstDicPer->clearSelection();
            m_lstDicPer->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
        }
        break;
    }
    case QEvent::ShortcutOverride: {
        // Undo and redo of the personal dictionary win over the fields' own
        // undo while its panel is open.
        auto *key = static_cast<QKeyEvent *>(event);
        if (qobject_cast<TextField *>(watched) && personalPanelOpen()
            && (key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Z)
                || key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)))
            return true;
        break;
    }
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == m_txtParola && isEnterKey(key->key())) {
            // Swallowed: no line break, no beep.
            if (!key->isAutoRepeat())
                translateFromButton();
            return true;
        }
        if ((watched == m_txtParolaIta || watched == m_txtParolaLin) && isEnterKey(key->key())) {
            // Enter adds the pair; the field never receives the line break.
            if (!key->isAutoRepeat())
                m_frm1->insertPair();
            return true;
        }
        if (watched == m_lstDicPer && key->key() == Qt::Key_Delete) {
            m_frm1->deleteSelected();
            return true;
        }
        break;
    }
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::RightButton)
            break;
        // A right click opens the menu without moving the selection.
        const QPoint global = mouse->globalPosition().toPoint();
        if (watched == m_text1->viewport())
            showPopup(m_menuPopup, m_text1, global);
        else if (watched == m_lstTraduzioni->viewport())
            showPopup(m_menuPopup, m_lstTraduzioni, global);
        else if (watched == m_lstSimili->viewport())
            showPopup(m_menuPopup2, m_lstSimili, global);
        else if (watched == m_lstDicPer->viewport())
            showPopup(m_menuDizionario2, m_lstDicPer, global);
        else
            break;
        return true;
    }
    default: break;
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// Personal dictionary panel

void MainWindow::undoPersonal()
{
    // The shortcut belongs to a menu that exists only while the panel is open.
    if (!personalPanelOpen())
        return;
    m_frm1->undo();
}

void MainWindow::redoPersonal()
{
    if (!personalPanelOpen())
        return;
    m_frm1->redo();
}

void MainWindow::updateUndoRedo(bool canUndo, bool canRedo)
{
    m_menuAnnulla->setEnabled(canUndo);
    m_menuAnnulla2->setEnabled(canUndo);
    m_menuRipeti->setEnabled(canRedo);
    m_menuRipeti2->setEnabled(canRedo);
}

void MainWindow::setDeleteEnabled(bool enabled)
{
    m_menuCancella->setEnabled(enabled);
    m_menuCancella2->setEnabled(enabled);
}

// ---------------------------------------------------------------------------
// Progress display

void MainWindow::setStatusText(const QString &text)
{
    m_statusBar1->showMessage(text);
}

void MainWindow::setProgressMaximum(int maximum)
{
    // A maximum of 0 would turn the bar into a busy indicator; it shows an
    // empty bar instead, and a value above a lowered maximum is clamped.
    m_progressMaximum = qMax(0, maximum);
    const int value = qMin(qMax(0, m_barAtividade->value()), m_progressMaximum);
    m_barAtividade->setRange(0, qMax(1, m_progressMaximum));
    m_barAtividade->setValue(value);
}

void MainWindow::setProgressValue(int value)
{
    m_barAtividade->setValue(qBound(0, value, m_progressMaximum));
}

void MainWindow::setProgressVisible(bool visible)
{
    m_barAtividade->setVisible(visible);
}

void MainWindow::repaint(RepaintTarget target)
{
    switch (target) {
    case RepaintTarget::MainWindow: QWidget::repaint(); break;
    case RepaintTarget::StatusBar:
        m_statusBar1->repaint();
        m_barAtividade->repaint();
        break;
    case RepaintTarget::TranslationsList: m_lstTraduzioni->repaint(); break;
    }
}

QString MainWindow::message(int index) const
{
    return m_session.message(index);
}

QString MainWindow::applicationTitle() const
{
    return QCoreApplication::applicationName();
}

} // namespace parlora
