#pragma once

#include "platform/shellopen.h"

#include <QWidget>

#include <functional>

class QLabel;

namespace parlora {

class LinkLabel;

// Announces that a newer version exists and links to the download page. The
// link hides the window (it keeps its text while hidden); the close box
// destroys it, so the next check reads the announcement afresh.
class UpdateWindow : public QWidget {
    Q_OBJECT
public:
    UpdateWindow(const QString &announcement, const QString &serverAddress, ShellOpener opener,
                 QWidget *parent = nullptr);

    // Told the address when no program could open the download page.
    void setLinkFailureReporter(std::function<void(const QString &address)> reporter);

private:
    void openDownloadPage();

    QString m_serverAddress;
    ShellOpener m_opener;
    std::function<void(const QString &)> m_reportLinkFailure;
    QLabel *m_label1;
    LinkLabel *m_lblURL;
};

} // namespace parlora
