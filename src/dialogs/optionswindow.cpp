#include "dialogs/optionswindow.h"

#include "dialogs/updatewindow.h"
#include "localisation/builtinmessages.h"
#include "localisation/languagefile.h"
#include "platform/accessibletext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <QWindow>

namespace parlora {

namespace {

// The window's first size, as it was designed (4680 by 2535 twips); longer
// captions make it as large as they need.
constexpr QSize DesignedSize(312, 169);

QCheckBox *makeCheckBox(QWidget *parent, const char *name)
{
    auto *box = new QCheckBox(parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &text = {})
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

// A pop-up of this window's own (the language list's drop-down) or a tool
// tip takes the focus for a moment; coming back from it is not coming back
// to the window.
bool isTransientWindow(const QWindow *window)
{
    return window->type() == Qt::Popup || window->type() == Qt::ToolTip;
}

} // namespace

OptionsWindow::OptionsWindow(Settings &settings, InterfaceLanguage &language, const ApplicationFolder &folder,
                             QWidget *parent)
    : QDialog(parent), m_settings(settings), m_language(language), m_folder(folder)
{
    setObjectName(QStringLiteral("frmConfig"));
    buildControls();
    resize(DesignedSize.expandedTo(sizeHint()));

    connect(m_cmdOK, &QPushButton::clicked, this, &OptionsWindow::applyChoices);
    connect(m_cmdAnnulla, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_cmdUpdate, &QPushButton::clicked, this, &OptionsWindow::runUpdateCheck);
    connect(&m_updateCheck, &UpdateCheck::finished, this, &OptionsWindow::updateCheckFinished);
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &OptionsWindow::trackActivation);
}

void OptionsWindow::buildControls()
{
    m_cmdOK = makeButton(this, "cmdOK", QStringLiteral("OK"));
    m_cmdOK->setDefault(true);
    m_frame1 = new QGroupBox(this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_cmbLingua = new QComboBox(m_frame1);
    m_cmbLingua->setObjectName(QStringLiteral("cmbLingua"));
    m_cmbLingua->setEditable(true);
    // Typing a name must not add it to the list of files found.
    m_cmbLingua->setInsertPolicy(QComboBox::NoInsert);
    auto *frameLayout = new QVBoxLayout(m_frame1);
    frameLayout->addWidget(m_cmbLingua);

    m_ckbSimili = makeCheckBox(this, "ckbSimili");
    m_ckbFrasario = makeCheckBox(this, "ckbFrasario");
    m_ckbFormeBase = makeCheckBox(this, "ckbFormeBase");
    m_cmdAnnulla = makeButton(this, "cmdAnnulla");
    m_cmdUpdate = makeButton(this, "cmdUpdate");

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(m_cmdOK, QDialogButtonBox::AcceptRole);
    buttons->addButton(m_cmdAnnulla, QDialogButtonBox::RejectRole);

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_frame1, 0, 0, 2, 1);
    grid->addWidget(m_cmdUpdate, 2, 0, Qt::AlignTop);
    grid->addWidget(m_ckbSimili, 0, 1);
    grid->addWidget(m_ckbFrasario, 1, 1);
    grid->addWidget(m_ckbFormeBase, 2, 1);
    grid->setRowStretch(3, 1);
    grid->addWidget(buttons, 4, 0, 1, 2);

    setTabOrder(m_cmdOK, m_cmbLingua);
    setTabOrder(m_cmbLingua, m_ckbSimili);
    setTabOrder(m_ckbSimili, m_cmdAnnulla);
    setTabOrder(m_cmdAnnulla, m_cmdUpdate);
    setTabOrder(m_cmdUpdate, m_ckbFrasario);
    setTabOrder(m_ckbFrasario, m_ckbFormeBase);
    m_cmdOK->setFocus();
}

void OptionsWindow::applyMessages()
{
    m_ckbFormeBase->setText(message(Message::BaseFormOption));
    m_ckbFormeBase->setToolTip(message(Message::BaseFormOptionHint));
    m_ckbSimili->setToolTip(message(Message::SimilarWordsOptionHint));
    m_ckbFrasario->setToolTip(message(Message::PhrasebookOptionHint));
    describe(m_cmbLingua, m_frame1->title(), m_cmbLingua->toolTip());
    describe(m_cmbLingua->lineEdit(), m_frame1->title(), m_cmbLingua->toolTip());
    for (QCheckBox *box : {m_ckbSimili, m_ckbFrasario, m_ckbFormeBase})
        describe(box, box->text());
}

QString OptionsWindow::message(int index) const
{
    return m_language.messages().message(index);
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
    // Only languages that can be applied are offered; the current one is
    // shown even when its file has gone since.
    m_cmbLingua->addItems(usableLanguageNames(m_folder));
    // Adding items selects the first one; the text is the current language.
    m_cmbLingua->setEditText(m_language.GetInterfaceLanguage());
    m_ckbSimili->setChecked(m_settings.SimilarWordSearch);
    m_ckbFrasario->setChecked(m_settings.PhrasebookSearch);
    m_ckbFormeBase->setChecked(m_settings.BaseFormSearch);
}

void OptionsWindow::applyChoices()
{
    const QString name = m_cmbLingua->currentText();
    if (!m_language.SetInterfaceLanguage(name)) {
        // The user's entries stay, so a typing mistake can be corrected.
        showMessage(m_language.failureText(name));
        return;
    }
    m_settings.SimilarWordSearch = m_ckbSimili->isChecked();
    m_settings.PhrasebookSearch = m_ckbFrasario->isChecked();
    m_settings.BaseFormSearch = m_ckbFormeBase->isChecked();
    if (m_optionsChanged)
        m_optionsChanged();
    hide();
}

void OptionsWindow::runUpdateCheck()
{
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
    switch (outcome.result) {
    case UpdateCheckOutcome::Failed:
        showMessage(message(Message::UpdateCheckFailed).arg(outcome.failure.description));
        return;
    case UpdateCheckOutcome::UpToDate:
        showMessage(message(Message::NoNewerVersion));
        return;
    case UpdateCheckOutcome::NewerVersion:
        if (!m_updateWindow) {
            m_updateWindow = new UpdateWindow(message(Message::NewerVersionAvailable), m_updateSetup.serverAddress,
                                              m_opener, this);
            m_updateWindow->setWindowTitle(message(Message::UpdateWindowTitle));
            m_updateWindow->setLinkFailureReporter([this](const QString &address) {
                showMessage(message(Message::LinkCannotBeOpened).arg(address));
            });
        }
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
    if (!focusWindow || m_messageOpen || isTransientWindow(focusWindow))
        return;
    const bool activated = focusWindow == windowHandle() && m_lastFocusWindow != focusWindow;
    m_lastFocusWindow = focusWindow;
    if (activated)
        refill();
}

} // namespace parlora
