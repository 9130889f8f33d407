#include "mainwindow/mainwindow.h"

#include "artwork/controlstyle.h"
#include "artwork/icons.h"
#include "buildconfig.h"
#include "localisation/builtinmessages.h"
#include "mainwindow/editcommands.h"
#include "mainwindow/keypad.h"
#include "mainwindow/personalpanel.h"
#include "mainwindow/resultlistbox.h"
#include "mainwindow/resultpane.h"
#include "mainwindow/sessionsaver.h"
#include "mainwindow/textfield.h"
#include "mainwindow/windowpanels.h"
#include "platform/accessibletext.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

namespace parlora {

namespace {

// Shortcuts of the commands that had none; none of them is taken by the
// text fields' own editing keys.
const QKeySequence SwapDirectionKey(Qt::CTRL | Qt::Key_D);
const QKeySequence NewSearchKey(Qt::CTRL | Qt::Key_L);
const QKeySequence PersonalDictionaryKey(Qt::CTRL | Qt::Key_P);
const QKeySequence KeypadKey(Qt::CTRL | Qt::Key_T);

constexpr QSize ToolbarIconSize(16, 16);
// The chevrons on the panels' strips are drawn 13 by 13.
constexpr QSize ChevronSize(13, 13);
// Long hints take two lines of the status bar rather than being cut.
constexpr int StatusTextLines = 2;

QPushButton *makeStrip(QWidget *parent, const char *name, Qt::Orientation orientation)
{
    auto *strip = new QPushButton(parent);
    strip->setObjectName(QLatin1String(name));
    strip->setIconSize(ChevronSize);
    // As thin as the style draws a button around the chevron.
    if (orientation == Qt::Vertical)
        strip->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    else
        strip->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return strip;
}

QMenu *makeMenu(QWidget *parent, const char *name)
{
    auto *menu = new QMenu(parent);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

} // namespace

MainWindow::MainWindow(ParloraSession &session, UserPrompts &prompts, QWidget *parent)
    : QMainWindow(parent), m_session(session), m_prompts(prompts), m_saver(new SessionSaver(session, this))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Parlora %1").arg(QLatin1String(PARLORA_VERSION)));
    setWindowIcon(icons::artwork(QStringLiteral("parlora")));

    createActions();
    createCentralArea();
    createMenus();
    createPopupMenus();
    createToolBar();
    createStatusBar();
    connectActions();

    // The store enables and disables the undo and redo commands itself,
    // also while it loads at start-up.
    m_session.personalDictionary.setUndoRedoListener(
        [this](bool canUndo, bool canRedo) { updateUndoRedo(canUndo, canRedo); });
    updateUndoRedo(false, false);
    m_saver->setFailureReporter(
        [this](const QString &file, const QString &reason) { reportBackgroundSaveFailure(file, reason); });
    connect(m_saver, &SessionSaver::personalEntriesMerged, m_frm1, &PersonalPanel::render);
}

MainWindow::~MainWindow()
{
    m_session.personalDictionary.setUndoRedoListener({});
}

QAction *MainWindow::makeAction(const char *name, QObject *parent)
{
    auto *action = new QAction(parent ? parent : this);
    action->setObjectName(QLatin1String(name));
    return action;
}

void MainWindow::createActions()
{
    m_menuImporta = makeAction("menuImporta");
    // Importing a language file was never available; the item stays greyed.
    m_menuImporta->setEnabled(false);
    m_menuPulisci = makeAction("menuPulisci");
    m_menuEsci = makeAction("menuEsci");
    m_menuEsci->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    m_menuTaglia = makeAction("menuTaglia");
    m_menuCopia1 = makeAction("menuCopia1");
    m_menuIncolla = makeAction("menuIncolla");
    m_menuItaPorto = makeAction("menuItaPorto");
    m_menuPortoIta = makeAction("menuPortoIta");
    m_menuItaPorto->setCheckable(true);
    m_menuPortoIta->setCheckable(true);
    m_menuInverti = makeAction("menuInverti");
    m_menuInverti->setShortcut(SwapDirectionKey);
    m_menuNuovaRicerca = makeAction("menuNuovaRicerca");
    m_menuNuovaRicerca->setShortcut(NewSearchKey);
    m_menuDizionarioPersonale = makeAction("menuDizionarioPersonale");
    m_menuDizionarioPersonale->setShortcut(PersonalDictionaryKey);
    m_menuTastiera = makeAction("menuTastiera");
    m_menuTastiera->setShortcut(KeypadKey);
    m_menuConfigurazione = makeAction("menuConfigurazione");
    m_menuConfigurazione->setIcon(icons::themed(QStringLiteral("preferences-system"), QStringLiteral("options")));
    m_menuInserisci = makeAction("menuInserisci");
    m_menuCancella = makeAction("menuCancella");
    m_menuAnnulla = makeAction("menuAnnulla");
    m_menuRipeti = makeAction("menuRipeti");
    m_menuHelp = makeAction("menuHelp");
    m_menuHelp->setShortcut(QKeySequence::HelpContents);
    m_menuInfo = makeAction("menuInfo");

    m_tbOpzioni = makeAction("tbOpzioni");
    m_tbOpzioni->setIcon(m_menuConfigurazione->icon());
    m_tbCut = makeAction("tbCut");
    m_tbCut->setIcon(icons::themed(QStringLiteral("edit-cut"), QStringLiteral("edit-cut")));
    m_tbCopy = makeAction("tbCopy");
    m_tbCopy->setIcon(icons::themed(QStringLiteral("edit-copy"), QStringLiteral("edit-copy")));
    m_tbPaste = makeAction("tbPaste");
    m_tbPaste->setIcon(icons::themed(QStringLiteral("edit-paste"), QStringLiteral("edit-paste")));
    m_tbDizionario = makeAction("tbDizionario");
    m_tbDizionario->setIcon(icons::artwork(QStringLiteral("personal-dictionary")));
    m_tbTastierino = makeAction("tbTastierino");
    m_tbTastierino->setIcon(icons::artwork(QStringLiteral("keypad")));
    m_tbRecycling = makeAction("tbRecycling");
    m_tbRecycling->setIcon(icons::artwork(QStringLiteral("swap-direction")));
    m_menuTaglia->setIcon(m_tbCut->icon());
    m_menuCopia1->setIcon(m_tbCopy->icon());
    m_menuIncolla->setIcon(m_tbPaste->icon());
}

void MainWindow::createCentralArea()
{
    auto *central = new QWidget(this);
    setCentralWidget(central);
    m_results = new ResultPane(central);
    m_frm1 = new PersonalPanel(m_session.personalDictionary, m_session.interfaceLanguage, m_prompts, central);
    m_frakeyb = new Keypad(central);
    m_frakeyb->setObjectName(QStringLiteral("frakeyb"));
    m_cmdDiz = makeStrip(central, "cmdDiz", Qt::Vertical);
    m_cmdTast = makeStrip(central, "cmdTast", Qt::Horizontal);

    auto *grid = new QGridLayout(central);
    grid->addWidget(m_results, 0, 0);
    grid->addWidget(m_cmdDiz, 0, 1);
    grid->addWidget(m_frm1, 0, 2, 2, 1);
    grid->addWidget(m_cmdTast, 1, 0);
    grid->addWidget(m_frakeyb, 2, 0, 1, 2);
    // Extra room goes to the translation side; the panels keep their size.
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(0, 1);

    EditTargets targets;
    targets.input = m_results->input();
    targets.personalWord = m_frm1->wordField();
    targets.personalTranslation = m_frm1->translationField();
    targets.translations = m_results->translations();
    targets.similarWords = m_results->similarWords();
    targets.resultText = m_results->resultText();
    targets.personalList = m_frm1->list();
    m_editing = new EditCommands(m_session, targets, this);
    m_editing->setHintDisplay([this](int index) { setStatusText(message(index)); });
    m_editing->setCutAndPasteActions({m_menuTaglia, m_menuIncolla, m_tbCut, m_tbPaste});
}

void MainWindow::createMenus()
{
    QMenuBar *bar = menuBar();
    const auto addMenu = [this, bar](const char *name, std::initializer_list<QAction *> actions) {
        QMenu *menu = makeMenu(this, name);
        bar->addMenu(menu);
        for (QAction *action : actions) {
            if (action)
                menu->addAction(action);
            else
                menu->addSeparator();
        }
        return menu;
    };
    addMenu("menuFile", {m_menuImporta, m_menuPulisci, nullptr, m_menuEsci});
    addMenu("menuModifica", {m_menuTaglia, m_menuCopia1, m_menuIncolla});
    addMenu("menuLingua", {m_menuItaPorto, m_menuPortoIta, nullptr, m_menuInverti, m_menuNuovaRicerca});
    addMenu("menuStrumenti", {m_menuDizionarioPersonale, m_menuTastiera, nullptr, m_menuConfigurazione});
    m_menuDizionario = addMenu("menuDizionario", {m_menuInserisci, m_menuCancella, nullptr, m_menuAnnulla, m_menuRipeti});
    addMenu("menuAiuto", {m_menuHelp, m_menuInfo});
}

void MainWindow::createPopupMenus()
{
    // Never in the menu bar: they open where the user right-clicks.
    m_menuPopup = makeMenu(this, "menuPopup");
    m_menuCopia2 = makeAction("menuCopia2", m_menuPopup);
    m_menuPopup->addAction(m_menuCopia2);

    m_menuPopup2 = makeMenu(this, "menuPopup2");
    m_menuCopia3 = makeAction("menuCopia3", m_menuPopup2);
    m_menuTraduci = makeAction("menuTraduci", m_menuPopup2);
    m_menuPopup2->addActions({m_menuCopia3, m_menuTraduci});

    m_menuDizionario2 = makeMenu(this, "menuDizionario2");
    m_menuCancella2 = makeAction("menuCancella2", m_menuDizionario2);
    m_menuAnnulla2 = makeAction("menuAnnulla2", m_menuDizionario2);
    m_menuRipeti2 = makeAction("menuRipeti2", m_menuDizionario2);
    m_menuDizionario2->addActions({m_menuCancella2, m_menuAnnulla2, m_menuRipeti2});

    m_editing->setContextMenu(m_results->resultText(), m_menuPopup);
    m_editing->setContextMenu(m_results->translations(), m_menuPopup);
    m_editing->setContextMenu(m_results->similarWords(), m_menuPopup2);
    m_editing->setContextMenu(m_frm1->list(), m_menuDizionario2);
    m_editing->setDeleteActions({m_menuCancella, m_menuCancella2});

    // Ctrl+Z and Ctrl+Y undo the dictionary's edits while its list has the
    // focus; in a text field they undo the typing in that field.
    m_menuAnnulla->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_menuRipeti->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QAction *action : {m_menuAnnulla, m_menuRipeti}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        m_frm1->list()->addAction(action);
    }
}

void MainWindow::createToolBar()
{
    QToolBar *toolbar = addToolBar(QString());
    toolbar->setObjectName(QStringLiteral("tbToolBar"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setIconSize(ToolbarIconSize);
    toolbar->toggleViewAction()->setVisible(false);
    toolbar->addAction(m_tbOpzioni);
    toolbar->addSeparator();
    toolbar->addActions({m_tbCut, m_tbCopy, m_tbPaste});
    toolbar->addSeparator();
    toolbar->addActions({m_tbDizionario, m_tbTastierino, m_tbRecycling});
    setContextMenuPolicy(Qt::NoContextMenu);
}

void MainWindow::createStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(true);
    m_statusText = controlstyle::makeCaptionLabel(bar, "lblStatus", {});
    // A long hint wraps rather than being cut: the status bar takes the
    // height the text needs at the window's width, and keeps room for two
    // lines so that it does not jump as the hints change.
    m_statusText->setWordWrap(true);
    m_statusText->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_statusText->setMinimumHeight(StatusTextLines * m_statusText->fontMetrics().lineSpacing());
    m_statusText->setIndent(m_statusText->fontMetrics().averageCharWidth());
    bar->addWidget(m_statusText, 1);

    // Shown only while something is loading or searching.
    m_barAtividade = new QProgressBar(bar);
    m_barAtividade->setObjectName(QStringLiteral("barAtividade"));
    m_barAtividade->setTextVisible(false);
    m_barAtividade->setRange(0, 1);
    m_barAtividade->setValue(0);
    bar->addPermanentWidget(m_barAtividade);
    m_barAtividade->hide();
}

void MainWindow::connectActions()
{
    connect(m_menuPulisci, &QAction::triggered, this, &MainWindow::clearFields);
    connect(m_menuEsci, &QAction::triggered, this, &QWidget::close);
    for (QAction *cut : {m_menuTaglia, m_tbCut})
        connect(cut, &QAction::triggered, m_editing, &EditCommands::cut);
    for (QAction *copy : {m_menuCopia1, m_menuCopia2, m_menuCopia3, m_tbCopy})
        connect(copy, &QAction::triggered, m_editing, &EditCommands::copy);
    for (QAction *paste : {m_menuIncolla, m_tbPaste})
        connect(paste, &QAction::triggered, m_editing, &EditCommands::paste);
    connect(m_menuItaPorto, &QAction::triggered, this, &MainWindow::chooseItalianToPortuguese);
    connect(m_menuPortoIta, &QAction::triggered, this, &MainWindow::choosePortugueseToItalian);
    for (QAction *swap : {m_menuInverti, m_tbRecycling})
        connect(swap, &QAction::triggered, this, &MainWindow::swapDirection);
    connect(m_menuNuovaRicerca, &QAction::triggered, this, &MainWindow::focusInput);
    for (QAction *options : {m_menuConfigurazione, m_tbOpzioni})
        connect(options, &QAction::triggered, this, &MainWindow::optionsRequested);
    connect(m_menuHelp, &QAction::triggered, this, &MainWindow::helpRequested);
    connect(m_menuInfo, &QAction::triggered, this, &MainWindow::aboutRequested);
    connect(m_menuTraduci, &QAction::triggered, m_results, &ResultPane::takeSelectedSimilarWord);

    connect(m_results, &ResultPane::translateRequested, this, &MainWindow::translateFromButton);
    connect(m_results, &ResultPane::lookUpRequested, this, &MainWindow::lookUpWord);
    connect(m_frakeyb, &Keypad::letterClicked, m_editing, &EditCommands::typeLetter);

    WindowPanels::Controls panels;
    panels.window = this;
    panels.personalPanel = m_frm1;
    panels.personalStrip = m_cmdDiz;
    panels.personalMenuItem = m_menuDizionarioPersonale;
    panels.personalToolButton = m_tbDizionario;
    panels.personalMenu = m_menuDizionario;
    panels.keypad = m_frakeyb;
    panels.keypadStrip = m_cmdTast;
    panels.keypadMenuItem = m_menuTastiera;
    panels.keypadToolButton = m_tbTastierino;
    m_panels = new WindowPanels(panels, this);
    for (QAction *toggle : {m_menuDizionarioPersonale, m_tbDizionario})
        connect(toggle, &QAction::triggered, m_panels, &WindowPanels::togglePersonalPanel);
    for (QAction *toggle : {m_menuTastiera, m_tbTastierino})
        connect(toggle, &QAction::triggered, m_panels, &WindowPanels::toggleKeypad);
    connect(m_cmdDiz, &QPushButton::clicked, this, &MainWindow::togglePersonalPanelFromStrip);
    connect(m_cmdTast, &QPushButton::clicked, this, &MainWindow::toggleKeypadFromStrip);

    connect(m_menuInserisci, &QAction::triggered, m_frm1, &PersonalPanel::insertPair);
    for (QAction *erase : {m_menuCancella, m_menuCancella2})
        connect(erase, &QAction::triggered, m_frm1, &PersonalPanel::deleteSelected);
    for (QAction *undo : {m_menuAnnulla, m_menuAnnulla2})
        connect(undo, &QAction::triggered, this, &MainWindow::undoPersonal);
    for (QAction *redo : {m_menuRipeti, m_menuRipeti2})
        connect(redo, &QAction::triggered, this, &MainWindow::redoPersonal);
}

void MainWindow::applyMessages()
{
    m_menuInverti->setText(message(Message::SwapDirectionCommand));
    m_menuNuovaRicerca->setText(message(Message::NewSearchCommand));
    m_results->updateAccessibleTexts(m_session.messages());
    m_frm1->updateAccessibleTexts();
    describe(m_cmdDiz, m_cmdDiz->toolTip());
    describe(m_cmdTast, m_cmdTast->toolTip());
    describe(m_barAtividade, message(Message::ProgressName));
    describe(m_frakeyb, m_tbTastierino->toolTip());
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
