#include "dialogs/updatewindow.h"

#include "artwork/controlstyle.h"
#include "dialogs/linklabel.h"
#include "dialogs/updatecheck.h"

#include <QLabel>
#include <QVBoxLayout>

namespace parlora {

namespace {
// The window's first width, as it was designed (4455 twips); a longer
// announcement makes it wider.
constexpr int DesignedWidth = 297;
} // namespace

UpdateWindow::UpdateWindow(const QString &announcement, const QString &serverAddress, ShellOpener opener,
                           QWidget *parent)
    : QWidget(parent, Qt::Window), m_serverAddress(serverAddress), m_opener(std::move(opener)),
      m_label1(controlstyle::makeCaptionLabel(this, "Label1", announcement)),
      m_lblURL(new LinkLabel(serverAddress, this))
{
    setObjectName(QStringLiteral("frmUpdate"));
    setAttribute(Qt::WA_DeleteOnClose);

    QFont bold = m_label1->font();
    bold.setBold(true);
    m_label1->setFont(bold);
    m_label1->setAlignment(Qt::AlignCenter);
    m_label1->setWordWrap(true);
    m_lblURL->setObjectName(QStringLiteral("lblURL"));
    connect(m_lblURL, &LinkLabel::clicked, this, &UpdateWindow::openDownloadPage);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label1);
    layout->addWidget(m_lblURL);
    resize(QSize(DesignedWidth, 0).expandedTo(sizeHint()));
}

void UpdateWindow::setLinkFailureReporter(std::function<void(const QString &)> reporter)
{
    m_reportLinkFailure = std::move(reporter);
}

void UpdateWindow::openDownloadPage()
{
    const QString address = downloadPageAddress(m_serverAddress);
    if (ShellOpen(m_opener, address))
        hide();
    else if (m_reportLinkFailure)
        m_reportLinkFailure(address);
}

} // namespace parlora
