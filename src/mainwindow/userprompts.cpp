#include "mainwindow/userprompts.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

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

bool UserPrompts::confirm(QWidget *, const QString &, const QString &, const QString &, const QString &)
{
    return false;
}

QString UserPrompts::fileToOpen(QWidget *, const QString &, const QStringList &)
{
    return {};
}

QString UserPrompts::fileToSave(QWidget *, const QString &, const QStringList &, const QString &)
{
    return {};
}

QString filterExtension(const QString &filter)
{
    static const QRegularExpression firstPattern(QStringLiteral(R"(\(\*\.([^ )]+))"));
    return firstPattern.match(filter).captured(1);
}

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

bool MessageBoxPrompts::confirm(QWidget *parent, const QString &title, const QString &text, const QString &acceptText,
                                const QString &rejectText)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    prepare(box);
    QPushButton *accept = box.addButton(acceptText, QMessageBox::AcceptRole);
    QPushButton *reject = box.addButton(rejectText, QMessageBox::RejectRole);
    box.setDefaultButton(accept);
    box.setEscapeButton(reject);
    box.exec();
    return box.clickedButton() == accept;
}

QString MessageBoxPrompts::fileToOpen(QWidget *parent, const QString &title, const QStringList &filters)
{
    const QString folder = m_folder.isEmpty() ? QDir::homePath() : m_folder;
    const QString chosen = QFileDialog::getOpenFileName(parent, title, folder, filters.join(QStringLiteral(";;")));
    if (!chosen.isEmpty())
        m_folder = QFileInfo(chosen).absolutePath();
    return chosen;
}

QString MessageBoxPrompts::fileToSave(QWidget *parent, const QString &title, const QStringList &filters,
                                      const QString &suggestedName)
{
    const QString folder = m_folder.isEmpty() ? QDir::homePath() : m_folder;
    QFileDialog dialog(parent, title, QDir(folder).filePath(suggestedName));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(filterExtension(filters.value(0)));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString &filter) { dialog.setDefaultSuffix(filterExtension(filter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    m_folder = QFileInfo(chosen).absolutePath();
    return chosen;
}

} // namespace parlora
