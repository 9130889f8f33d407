#include "dialogs/optionswindow.h"

#include "dialogs/dialogfont.h"
#include "dialogs/updatewindow.h"
#include "localisation/builtinmessages.h"
#include "platform/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QShowEvent>
#include <QWindow>

namespace parlora {

namespace {

const QString LanguageFolder = QStringLiteral("lang");
const QString LanguageExtension = QStringLiteral(".lng");
const QString SwitchFailedText = QStringLiteral("Errore nel cambio della lingua");

constexpr int ClientWidth = twips(4680);
constexpr int ClientHeight = twips(2535);
// Kept free at the right edge when a long caption widens the window.
constexpr int RightMargin = twips(120);

// Where a control remembers the width it was drawn with.
constexpr const char *PlaceWidthProperty = "placeWidth";

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

void place(QWidget *control, const QRect &where)
{
    control->setGeometry(where);
    control->setProperty(PlaceWidthProperty, where.width());
}

// A name with a folder separator would reach files outside the language
// folder; no language file can be called that.
bool isPlainLanguageName(const QString &name)
{
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

} // namespace

OptionsWindow::OptionsWindow(Settings &settings, InterfaceLanguage &language, const ApplicationFolder &folder,
                             QWidget *parent)
    : QDialog(parent), m_settings(settings), m_language(language), m_folder(folder)
{
    setObjectName(QStringLiteral("frmConfig"));
    setWindowTitle(QStringLiteral("Opzioni"));
    setFixedSize(ClientWidth, ClientHeight);
    setFont(dialogFont());
    buildControls();

    connect(m_cmdOK, &QPushButton::clicked, this, &OptionsWindow::applyChoices);
    connect(m_cmdAnnulla, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_cmdUpdate, &QPushButton::clicked, this, &OptionsWindow::runUpdateCheck);
    connect(&m_updateCheck, &UpdateCheck::finished, this, &OptionsWindow::updateCheckFinished);
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &OptionsWindow::trackActivation);
}

void OptionsWindow::buildControls()
{
    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    place(m_cmdOK, twipsRect(1920, 2040, 1095, 375));

    m_frame1 = new QGroupBox(QStringLiteral("Lingua"), this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    place(m_frame1, twipsRect(240, 120, 1815, 735));

    m_cmbLingua = new QComboBox(m_frame1);
    m_cmbLingua->setObjectName(QStringLiteral("cmbLingua"));
    m_cmbLingua->setEditable(true);
    // Typing a name must not add it to the list of files found.
    m_cmbLingua->setInsertPolicy(QComboBox::NoInsert);
    place(m_cmbLingua, twipsRect(120, 240, 1575, 315));

    m_ckbSimili = new QCheckBox(QStringLiteral("Ricerca parole simili"), this);
    m_ckbSimili->setObjectName(QStringLiteral("ckbSimili"));
    place(m_ckbSimili, twipsRect(2640, 240, 1815, 375));

    m_cmdAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    m_cmdAnnulla->setObjectName(QStringLiteral("cmdAnnulla"));
    place(m_cmdAnnulla, twipsRect(3240, 2040, 1095, 375));

    m_cmdUpdate = new QPushButton(QStringLiteral("Controlla aggiornamenti"), this);
    m_cmdUpdate->setObjectName(QStringLiteral("cmdUpdate"));
    place(m_cmdUpdate, twipsRect(240, 960, 1815, 375));

    m_ckbFrasario = new QCheckBox(QStringLiteral("Ricerca in frasario"), this);
    m_ckbFrasario->setObjectName(QStringLiteral("ckbFrasario"));
    place(m_ckbFrasario, twipsRect(2640, 720, 1935, 375));

    setTabOrder(m_cmdOK, m_cmbLingua);
    setTabOrder(m_cmbLingua, m_ckbSimili);
    setTabOrder(m_ckbSimili, m_cmdAnnulla);
    setTabOrder(m_cmdAnnulla, m_cmdUpdate);
    setTabOrder(m_cmdUpdate, m_ckbFrasario);
    m_cmdOK->setFocus();
}

void OptionsWindow::setOptionsChangedListener(std::function<void()> listener)
{
    m_optionsChanged = std::move(listener);
}

void OptionsWindow::setMessagePresenter(MessagePresenter presenter)
{
    m_presentMessage = std::move(presenter);
}

void OptionsWindow::setShellOpener(ShellOpener opener)
{
    m_opener = std::move(opener);
}

void OptionsWindow::setUpdateCheckSetup(UpdateCheckSetup setup)
{
    m_updateSetup = std::move(setup);
}

UpdateWindow *OptionsWindow::updateWindow() const
{
    return m_updateWindow;
}

void OptionsWindow::refill()
{
    m_cmbLingua->clear();
    // The current language is shown even when its file has gone since.
    m_cmbLingua->setEditText(m_language.GetInterfaceLanguage());

    // Sorted by name, so the list reads the same on every file system.
    const QStringList files = QDir(m_folder.file(LanguageFolder)).entryList(QDir::Files, QDir::Name);
    for (const QString &file : files) {
        if (file.endsWith(LanguageExtension, Qt::CaseSensitive))
            m_cmbLingua->addItem(file.chopped(LanguageExtension.size()));
    }
    // Adding items may select the first one; the text stays the current language.
    m_cmbLingua->setEditText(m_language.GetInterfaceLanguage());

    m_ckbSimili->setChecked(m_settings.SimilarWordSearch);
    m_ckbFrasario->setChecked(m_settings.PhrasebookSearch);
    fitCaptions();
}

void OptionsWindow::fitCaptions()
{
    // Captions come from language files and may be longer than the places
    // the window was drawn with: controls grow to the right, and the window
    // with them, rather than cutting a caption off.
    int right = ClientWidth - RightMargin;
    for (QWidget *control : std::initializer_list<QWidget *>{m_ckbSimili, m_ckbFrasario, m_cmdUpdate, m_cmdOK,
                                                             m_cmdAnnulla}) {
        const QVariant placeWidth = control->property(PlaceWidthProperty);
        const int width = std::max(placeWidth.toInt(), control->sizeHint().width());
        control->resize(width, control->height());
        right = std::max(right, control->geometry().right() + 1);
    }
    setFixedSize(right + RightMargin, ClientHeight);
}

void OptionsWindow::applyChoices()
{
    const QString name = m_cmbLingua->currentText();
    const bool switched =
        isPlainLanguageName(name) && m_language.SetInterfaceLanguage(name);
    if (!switched) {
        // The user's entries stay, so a typing mistake can be corrected.
        showMessage(SwitchFailedText);
        return;
    }
    m_settings.SimilarWordSearch = m_ckbSimili->isChecked();
    m_settings.PhrasebookSearch = m_ckbFrasario->isChecked();
    if (m_optionsChanged)
        m_optionsChanged();
    hide();
}

void OptionsWindow::runUpdateCheck()
{
    auto message = [this](int index) { return m_language.messages().message(index); };
    if (m_updateSetup.serverAddress.isEmpty()) {
        showMessage(message(Message::UpdateCheckUnavailable));
        return;
    }
    if (m_updateCheck.isRunning())
        return;
    // The window stays usable while the server answers; the button shows
    // that the check runs and takes no clicks meanwhile, so none pile up.
    m_updateCaption = m_cmdUpdate->text();
    m_cmdUpdate->setEnabled(false);
    m_cmdUpdate->setText(message(Message::CheckingForUpdates));
    m_updateCheck.start(m_updateSetup);
}

void OptionsWindow::updateCheckFinished(const UpdateCheckOutcome &outcome)
{
    m_cmdUpdate->setText(m_updateCaption);
    m_cmdUpdate->setEnabled(true);
    auto message = [this](int index) { return m_language.messages().message(index); };

    switch (outcome.result) {
    case UpdateCheckOutcome::Failed:
        showMessage(message(Message::UpdateCheckFailed).arg(outcome.failure.description));
        return;
    case UpdateCheckOutcome::UpToDate:
        showMessage(message(Message::NoNewerVersion));
        return;
    case UpdateCheckOutcome::NewerVersion:
        if (!m_updateWindow)
            m_updateWindow =
                new UpdateWindow(message(Message::NewerVersionAvailable), m_updateSetup.serverAddress, m_opener, this);
        m_updateWindow->show();
        m_updateWindow->raise();
        m_updateWindow->activateWindow();
        return;
    }
}

void OptionsWindow::showMessage(const QString &text)
{
    m_messageOpen = true;
    if (m_presentMessage)
        m_presentMessage(this, text);
    m_messageOpen = false;
    // Coming back from the message is not coming back from another window:
    // the user's entries must survive it.
    m_lastFocusWindow = windowHandle();
}

void OptionsWindow::showEvent(QShowEvent *event)
{
    // Opening the window counts as coming to it, also where the desktop does
    // not hand it the focus at once.
    if (!event->spontaneous())
        refill();
    QDialog::showEvent(event);
}

void OptionsWindow::trackActivation(QWindow *focusWindow)
{
    // Losing the focus to another program says nothing about where the user
    // goes next; a message box of our own is part of this window.
    if (!focusWindow || m_messageOpen)
        return;
    const bool activated = focusWindow == windowHandle() && m_lastFocusWindow != focusWindow;
    m_lastFocusWindow = focusWindow;
    if (activated)
        refill();
}

} // namespace parlora
