#pragma once

#include <QLabel>

namespace parlora {

// A label that behaves like a link: the hand pointer over it, a click
// signal, and reachable from the keyboard. Used for the web and mail
// addresses of the small windows.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace parlora
