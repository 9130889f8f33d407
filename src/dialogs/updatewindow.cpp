#include "dialogs/updatewindow.h"

#include "dialogs/dialogfont.h"
#include "dialogs/linklabel.h"
#include "dialogs/updatecheck.h"
#include "platform/twips.h"

#include <QLabel>

namespace parlora {

namespace {
const QString WindowTitle = QStringLiteral("Update");
constexpr int ClientWidth = twips(4455);
constexpr int ClientHeight = twips(1035);
constexpr int AnnouncementTop = twips(195);
constexpr int LinkLeft = twips(1065);
constexpr int LinkTop = twips(600);
constexpr int LinkWidth = twips(2160);
constexpr int LinkHeight = twips(240);
// Space kept on both sides when a long announcement widens the window.
constexpr int SideMargin = twips(240);
} // namespace

UpdateWindow::UpdateWindow(const QString &announcement, const QString &serverAddress, ShellOpener opener,
                           QWidget *parent)
    : QWidget(parent, Qt::Window), m_serverAddress(serverAddress), m_opener(std::move(opener)),
      m_label1(new QLabel(announcement, this)), m_lblURL(new LinkLabel(serverAddress, this))
{
    setObjectName(QStringLiteral("frmUpdate"));
    setWindowTitle(WindowTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(dialogFont());

    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setTextFormat(Qt::PlainText);
    m_label1->setFont(dialogFont(DialogPointSize, true));
    m_label1->setAlignment(Qt::AlignCenter);
    m_label1->adjustSize();

    m_lblURL->setObjectName(QStringLiteral("lblURL"));
    m_lblURL->resize(LinkWidth, LinkHeight);
    connect(m_lblURL, &LinkLabel::clicked, this, &UpdateWindow::openDownloadPage);

    // The announcement is centred over the link; a text longer than the
    // window widens it instead of being cut off.
    const int width = std::max(ClientWidth, m_label1->width() + 2 * SideMargin);
    setFixedSize(width, ClientHeight);
    m_label1->move((width - m_label1->width()) / 2, AnnouncementTop);
    m_lblURL->move(LinkLeft + (width - ClientWidth) / 2, LinkTop);
}

void UpdateWindow::openDownloadPage()
{
    ShellOpen(m_opener, downloadPageAddress(m_serverAddress));
    hide();
}

} // namespace parlora
