#include "dialogs/aboutwindow.h"

#include "dialogs/dialogfont.h"
#include "dialogs/linklabel.h"
#include "dialogs/productlinks.h"
#include "dictionary/personaldictionary.h"
#include "dictionary/wordlists.h"
#include "localisation/captiontable.h"
#include "platform/twips.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// Resources of a static library are registered explicitly, and only from
// the global namespace.
static void registerDialogResources()
{
    Q_INIT_RESOURCE(dialogs);
}

namespace parlora {

namespace {

constexpr int ClientWidth = twips(5055);
constexpr int ClientHeight = twips(3765);
// Height of the whole window, frame included, set on every activation.
constexpr int OuterHeight = twips(4245);
constexpr int AnimationIntervalMs = 400;
// The product name and the links stand out a little from the rest.
constexpr qreal ProminentPointSize = 9.75;

const QColor DarkBlue(0, 0, 192);

const QString Authors = QStringLiteral("Autori: gli sviluppatori di Parlora");
const QString Thanks =
    QStringLiteral("Dizionario: FreeDict ita-por e WikDict (dati di Wiktionary), licenza CC BY-SA 3.0");

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, const QRect &place)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    // Captions come from language files: never markup that could load files.
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(place);
    return label;
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, colour);
    widget->setPalette(colours);
}

} // namespace

AboutWindow::AboutWindow(const MainDictionary &dictionary, const PersonalDictionary &personal, ShellOpener opener,
                         QWidget *mainWindow)
    : QDialog(mainWindow), m_dictionary(dictionary), m_personal(personal), m_opener(std::move(opener))
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral("Info"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(ClientWidth, ClientHeight);
    setFont(dialogFont());

    registerDialogResources();
    for (int i = 0; i < FrameCount; ++i)
        m_frames[i] = QPixmap(QStringLiteral(":/dialogs/book%1.xpm").arg(i + 1));
    m_tmrBook = new QTimer(this);
    m_tmrBook->setObjectName(QStringLiteral("tmrBook"));
    m_tmrBook->setInterval(AnimationIntervalMs);
    connect(m_tmrBook, &QTimer::timeout, this, &AboutWindow::showNextFrame);

    buildControls();
}

void AboutWindow::buildControls()
{
    auto *frame1 = new QGroupBox(QStringLiteral("Copyright Informations"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(twipsRect(240, 120, 4650, 1440));

    QLabel *label4 = addLabel(frame1, "Label4", QStringLiteral("PARLORA"), twipsRect(240, 345, 1230, 930));
    label4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label4->setFont(dialogFont(ProminentPointSize, true, true));
    setTextColour(label4, DarkBlue);

    QLabel *label2 = addLabel(frame1, "Label2", Authors, twipsRect(1680, 375, 2820, 600));
    label2->setWordWrap(true);
    label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QLabel *label6 = addLabel(frame1, "Label6", QStringLiteral("versione %1").arg(QLatin1String(ProgramVersionText)),
                              twipsRect(375, 1020, 1080, 240));
    label6->setAlignment(Qt::AlignCenter);
    setTextColour(label6, DarkBlue);

    QLabel *label5 = addLabel(frame1, "Label5", QStringLiteral("Parole:"), twipsRect(1800, 1005, 660, 195));
    label5->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_txtParole = new QLineEdit(frame1);
    m_txtParole->setObjectName(QStringLiteral("txtParole"));
    m_txtParole->setGeometry(twipsRect(2460, 1020, 1770, 210));
    m_txtParole->setReadOnly(true);
    m_txtParole->setFrame(false);
    m_txtParole->setFont(dialogFont(DialogPointSize, true));
    m_txtParole->setFocusPolicy(Qt::ClickFocus);
    QPalette face = m_txtParole->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    m_txtParole->setPalette(face);

    m_picJanela = addLabel(frame1, "picJanela", QString(), twipsRect(555, 600, 540, 435));

    auto *frame2 = new QGroupBox(this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    frame2->setGeometry(twipsRect(240, 1560, 4635, 1050));

    QLabel *label1 = addLabel(frame2, "Label1", QStringLiteral("Ringraziamenti:"), twipsRect(120, 120, 1575, 255));
    label1->setFont(dialogFont(DialogPointSize, false, false, true));

    QLabel *label7 = addLabel(frame2, "Label7", Thanks, twipsRect(120, 480, 4455, 495));
    label7->setWordWrap(true);
    label7->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *frmContato = new QGroupBox(this);
    frmContato->setObjectName(QStringLiteral("frmContato"));
    frmContato->setGeometry(twipsRect(240, 2640, 3675, 1050));

    QLabel *picture1 = addLabel(frmContato, "Picture1", QString(), twipsRect(225, 315, 540, 495));
    picture1->setPixmap(QPixmap(QStringLiteral(":/dialogs/contact.xpm")));

    auto *lblMail = new LinkLabel(ContactMailAddress, frmContato);
    lblMail->setObjectName(QStringLiteral("lblMail"));
    lblMail->setGeometry(twipsRect(930, 630, 2490, 300));
    lblMail->setFont(dialogFont(ProminentPointSize));
    connect(lblMail, &LinkLabel::clicked, this,
            [this] { ShellOpen(m_opener, QStringLiteral("mailto:") + ContactMailAddress); });

    auto *lblURL = new LinkLabel(WebSiteHostName, frmContato);
    lblURL->setObjectName(QStringLiteral("lblURL"));
    lblURL->setGeometry(twipsRect(915, 240, 2550, 300));
    lblURL->setFont(dialogFont(ProminentPointSize));
    connect(lblURL, &LinkLabel::clicked, this, [this] {
        ShellOpen(m_opener, WebSiteAddress);
        hide();
    });

    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setGeometry(twipsRect(4080, 2880, 765, 585));
    connect(m_cmdOK, &QPushButton::clicked, this, &AboutWindow::closeWindow);
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
    // The frame's own height is only known once the window is on screen;
    // before that the whole height goes to the client area.
    const int frameHeight = frameGeometry().height() - geometry().height();
    setFixedSize(ClientWidth, std::max(ClientHeight, OuterHeight - frameHeight));
    if (QWidget *mainWindow = parentWidget())
        move(mainWindow->frameGeometry().topLeft());
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
    m_picJanela->setPixmap(m_frames[m_frame - 1]);
}

void AboutWindow::closeWindow()
{
    m_tmrBook->stop();
    close();
}

} // namespace parlora
