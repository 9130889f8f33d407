#include "mainwindow/userprompts.h"

#include <QMessageBox>
#include <QPushButton>

namespace parlora {

namespace {

void prepare(QMessageBox &box)
{
    box.setTextFormat(Qt::PlainText);
    // A file name or an address in the text can be copied from the box.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void showBox(QMessageBox::Icon icon, QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    prepare(box);
    box.exec();
}

} // namespace

void MessageBoxPrompts::warning(QWidget *parent, const QString &title, const QString &text)
{
    showBox(QMessageBox::Warning, parent, title, text);
}

void MessageBoxPrompts::inform(QWidget *parent, const QString &title, const QString &text)
{
    showBox(QMessageBox::NoIcon, parent, title, text);
}

bool MessageBoxPrompts::retryAfterFailure(QWidget *parent, const QString &title, const QString &text,
                                          const QString &giveUpText)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
    prepare(box);
    QPushButton *retry = box.addButton(QMessageBox::Retry);
    box.addButton(giveUpText, QMessageBox::DestructiveRole);
    box.setDefaultButton(retry);
    box.exec();
    return box.clickedButton() == retry;
}

} // namespace parlora
