#include "mainwindow/userprompts.h"

#include <QMessageBox>
#include <QPushButton>

namespace parlora {

void MessageBoxPrompts::warning(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void MessageBoxPrompts::inform(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool MessageBoxPrompts::retryAfterFailure(QWidget *parent, const QString &title, const QString &text,
                                          const QString &giveUpText)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton *retry = box.addButton(QMessageBox::Retry);
    box.addButton(giveUpText, QMessageBox::DestructiveRole);
    box.setDefaultButton(retry);
    box.exec();
    return box.clickedButton() == retry;
}

} // namespace parlora
