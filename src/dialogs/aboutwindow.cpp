#include "dialogs/aboutwindow.h"

#include "artwork/controlstyle.h"
#include "artwork/icons.h"
#include "dialogs/linklabel.h"
#include "dialogs/productlinks.h"
#include "dictionary/personaldictionary.h"
#include "dictionary/wordlists.h"
#include "localisation/builtinmessages.h"
#include "localisation/languagemessages.h"
#include "platform/accessibletext.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace parlora {

using controlstyle::Tint;

namespace {

// The credits' width as the window was designed (4455 twips); longer texts
// make it as large as they need.
constexpr int DesignedCreditsWidth = 297;
constexpr int AnimationIntervalMs = 400;
// The pictures are drawn at these sizes.
constexpr QSize AnimationSize(36, 28);
constexpr QSize ContactPictureSize(36, 33);

QPixmap picture(const QIcon &icon, const QSize &size, const QWidget *shownOn)
{
    return icon.pixmap(size, shownOn->devicePixelRatioF());
}

} // namespace

AboutWindow::AboutWindow(const MainDictionary &dictionary, const PersonalDictionary &personal, ShellOpener opener,
                         QWidget *mainWindow)
    : QDialog(mainWindow), m_dictionary(dictionary), m_personal(personal), m_opener(std::move(opener))
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);

    for (int i = 0; i < FrameCount; ++i)
        m_frames[std::size_t(i)] = icons::artwork(QStringLiteral("about-book-%1").arg(i + 1));
    m_tmrBook = new QTimer(this);
    m_tmrBook->setObjectName(QStringLiteral("tmrBook"));
    m_tmrBook->setInterval(AnimationIntervalMs);
    connect(m_tmrBook, &QTimer::timeout, this, &AboutWindow::showNextFrame);

    buildControls();
    // As large as its texts need in the current language, and no larger:
    // the wrapped credits decide the height for the width.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutWindow::buildControls()
{
    using controlstyle::makeCaptionLabel;
    m_frame1 = new QGroupBox(this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    QLabel *label4 = makeCaptionLabel(m_frame1, "Label4", QStringLiteral("PARLORA"));
    label4->setAlignment(Qt::AlignCenter);
    label4->setFont(controlstyle::prominentFont(font(), true, true));
    controlstyle::applyTint(label4, Tint::ProductName);
    QLabel *label2 = makeCaptionLabel(m_frame1, "Label2", {});
    label2->setWordWrap(true);
    QLabel *label6 = makeCaptionLabel(m_frame1, "Label6", {});
    label6->setAlignment(Qt::AlignCenter);
    controlstyle::applyTint(label6, Tint::ProductName);
    QLabel *label5 = makeCaptionLabel(m_frame1, "Label5", {});
    label5->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_txtParole = new QLineEdit(m_frame1);
    m_txtParole->setObjectName(QStringLiteral("txtParole"));
    m_txtParole->setReadOnly(true);
    m_txtParole->setFrame(false);
    m_txtParole->setFont(controlstyle::fieldFont(font()));
    m_txtParole->setFocusPolicy(Qt::ClickFocus);
    controlstyle::applyTint(m_txtParole, Tint::Plain);
    label5->setBuddy(m_txtParole);
    m_picJanela = makeCaptionLabel(m_frame1, "picJanela", {});
    m_picJanela->setAlignment(Qt::AlignCenter);
    m_picJanela->setMinimumSize(AnimationSize);

    auto *frame1Layout = new QGridLayout(m_frame1);
    frame1Layout->addWidget(label4, 0, 0);
    frame1Layout->addWidget(m_picJanela, 1, 0);
    frame1Layout->addWidget(label6, 2, 0);
    frame1Layout->addWidget(label2, 0, 1, 2, 2, Qt::AlignTop);
    frame1Layout->addWidget(label5, 2, 1);
    frame1Layout->addWidget(m_txtParole, 2, 2);
    frame1Layout->setColumnStretch(2, 1);

    auto *frame2 = new QGroupBox(this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    QLabel *label1 = makeCaptionLabel(frame2, "Label1", {});
    QFont underlined = label1->font();
    underlined.setUnderline(true);
    label1->setFont(underlined);
    m_label7 = makeCaptionLabel(frame2, "Label7", {});
    m_label7->setWordWrap(true);
    // Wrapped text takes the width the window was designed with.
    m_label7->setMinimumWidth(DesignedCreditsWidth);
    auto *frame2Layout = new QVBoxLayout(frame2);
    frame2Layout->addWidget(label1);
    frame2Layout->addWidget(m_label7);

    auto *frmContato = new QGroupBox(this);
    frmContato->setObjectName(QStringLiteral("frmContato"));
    m_picture1 = makeCaptionLabel(frmContato, "Picture1", {});
    m_picture1->setPixmap(picture(icons::artwork(QStringLiteral("contact")), ContactPictureSize, this));
    auto *lblURL = new LinkLabel(WebSiteHostName, frmContato);
    lblURL->setObjectName(QStringLiteral("lblURL"));
    lblURL->setFont(controlstyle::prominentFont(lblURL->font()));
    connect(lblURL, &LinkLabel::clicked, this, [this] { openLink(WebSiteAddress, true); });
    auto *lblMail = new LinkLabel(ContactMailAddress, frmContato);
    lblMail->setObjectName(QStringLiteral("lblMail"));
    lblMail->setFont(controlstyle::prominentFont(lblMail->font()));
    connect(lblMail, &LinkLabel::clicked, this,
            [this] { openLink(QStringLiteral("mailto:") + ContactMailAddress, false); });
    auto *contactLayout = new QGridLayout(frmContato);
    contactLayout->addWidget(m_picture1, 0, 0, 2, 1);
    contactLayout->addWidget(lblURL, 0, 1);
    contactLayout->addWidget(lblMail, 1, 1);
    contactLayout->setColumnStretch(1, 1);

    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    connect(m_cmdOK, &QPushButton::clicked, this, &AboutWindow::closeWindow);

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_frame1, 0, 0, 1, 2);
    grid->addWidget(frame2, 1, 0, 1, 2);
    grid->addWidget(frmContato, 2, 0);
    grid->addWidget(m_cmdOK, 2, 1, Qt::AlignRight | Qt::AlignBottom);
    grid->setColumnStretch(0, 1);
}

void AboutWindow::applyMessages(const LanguageMessages &messages)
{
    setWindowTitle(withoutAccessKey(messages.message(Message::AboutWindowTitle)));
    m_frame1->setTitle(messages.message(Message::CopyrightFrameTitle));
    m_label7->setText(messages.message(Message::CreditsText));
    // The pictures say nothing the texts beside them do not.
    describe(m_picJanela, QStringLiteral("Parlora"));
    describe(m_picture1, ContactMailAddress);
}

void AboutWindow::setLinkFailureReporter(std::function<void(const QString &)> reporter)
{
    m_reportLinkFailure = std::move(reporter);
}

void AboutWindow::openLink(const QString &address, bool hideAfterwards)
{
    if (!ShellOpen(m_opener, address)) {
        // Nothing opened: the window stays, and the user learns the address.
        if (m_reportLinkFailure)
            m_reportLinkFailure(address);
        return;
    }
    if (hideAfterwards)
        hide();
}

QString AboutWindow::wordCountText(const MainDictionary &dictionary, const PersonalDictionary &personal)
{
    return QString::number(dictionary.Count()) + QStringLiteral(" + ") + QString::number(personal.EntryCount());
}

bool AboutWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        activate();
    return QDialog::event(event);
}

void AboutWindow::activate()
{
    // A window's position is that of its frame's corner, so the two corners
    // meet however thick the desktop draws the frames.
    if (QWidget *mainWindow = parentWidget())
        move(mainWindow->pos());
    m_txtParole->setText(wordCountText(m_dictionary, m_personal));
    // A running animation goes on from the frame shown last.
    if (!m_tmrBook->isActive())
        m_tmrBook->start();
}

void AboutWindow::showNextFrame()
{
    ++m_frame;
    if (m_frame > FrameCount)
        m_frame = 1;
    m_picJanela->setPixmap(picture(m_frames[std::size_t(m_frame - 1)], AnimationSize, this));
}

void AboutWindow::closeWindow()
{
    m_tmrBook->stop();
    close();
}

} // namespace parlora
