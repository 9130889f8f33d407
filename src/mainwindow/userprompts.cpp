#include "mainwindow/userprompts.h"

#include <QMessageBox>
#include <QPushButton>

namespace parlora {

void MessageBoxPrompts::warning(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text);
}

void MessageBoxPrompts::inform(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool MessageBoxPrompts::retryAfterFailure(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
    QPushButton *retry = box.addButton(QMessageBox::Retry);
    box.addButton(QObject::tr("Quit anyway"), QMessageBox::DestructiveRole);
    box.setDefaultButton(retry);
    box.exec();
    return box.clickedButton() == retry;
}

} // namespace parlora
