#include "mainwindow/editcommands.h"

#include "localisation/builtinmessages.h"
#include "mainwindow/parlorasession.h"
#include "mainwindow/textfield.h"
#include "platform/clipboard.h"

#include <QAbstractItemView>
#include <QAction>
#include <QFocusEvent>
#include <QMenu>
#include <QPlainTextEdit>

namespace parlora {

namespace {

// Focus moves caused by a menu or another window coming and going are not
// the user moving between controls; the commands stay as they were.
bool isTransientFocusChange(const QFocusEvent *event)
{
    const Qt::FocusReason reason = event->reason();
    return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason
        || reason == Qt::MenuBarFocusReason;
}

QString selectedLine(const QAbstractItemView *list)
{
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QString() : selected.constFirst().data().toString();
}

} // namespace

EditCommands::EditCommands(ParloraSession &session, const EditTargets &targets, QWidget *window)
    : QObject(window), m_session(session), m_targets(targets), m_window(window)
{
    for (QObject *control :
         {static_cast<QObject *>(targets.input), static_cast<QObject *>(targets.personalWord),
          static_cast<QObject *>(targets.personalTranslation), static_cast<QObject *>(targets.translations),
          static_cast<QObject *>(targets.similarWords), static_cast<QObject *>(targets.resultText),
          static_cast<QObject *>(targets.personalList)})
        control->installEventFilter(this);
}

void EditCommands::setCutAndPasteActions(QList<QAction *> actions)
{
    m_cutAndPaste = std::move(actions);
    // No text field has the focus yet.
    setEnabled(m_cutAndPaste, false);
}

void EditCommands::setDeleteActions(QList<QAction *> actions)
{
    m_delete = std::move(actions);
    setEnabled(m_delete, false);
}

void EditCommands::setHintDisplay(std::function<void(int)> display)
{
    m_showHint = std::move(display);
}

void EditCommands::setContextMenu(QAbstractScrollArea *control, QMenu *menu)
{
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(control, &QWidget::customContextMenuRequested, this,
            [this, control, menu](const QPoint &position) { openContextMenu(control, menu, position); });
}

void EditCommands::openContextMenu(QAbstractScrollArea *control, QMenu *menu, const QPoint &position)
{
    // The menu's commands act on the row the user pointed at, not on the
    // one selected before; pointing beside the rows selects none. The menu
    // key points at the current row, so it keeps it.
    if (auto *list = qobject_cast<QAbstractItemView *>(control)) {
        const QModelIndex row = list->indexAt(position);
        if (row.isValid()) {
            list->setCurrentIndex(row);
        } else {
            list->clearSelection();
            list->setCurrentIndex({});
        }
    }
    control->setFocus(Qt::MouseFocusReason);
    menu->popup(control->viewport()->mapToGlobal(position));
}

QString EditCommands::focusedText(bool &hasText) const
{
    hasText = true;
    QWidget *focused = m_window->focusWidget();
    if (auto *field = qobject_cast<QLineEdit *>(focused))
        return field->text();
    if (auto *box = qobject_cast<QPlainTextEdit *>(focused))
        return box->toPlainText();
    // A list's text is its selected line, empty when none is selected.
    if (auto *list = qobject_cast<QAbstractItemView *>(focused))
        return selectedLine(list);
    hasText = false;
    return {};
}

void EditCommands::cut()
{
    // The whole field, not just its selection; only text fields allow it.
    if (auto *field = qobject_cast<QLineEdit *>(m_window->focusWidget())) {
        setClipboardText(field->text());
        field->clear();
    }
}

void EditCommands::copy()
{
    bool hasText = false;
    const QString text = focusedText(hasText);
    // A control without text leaves the clipboard as it was.
    if (hasText)
        setClipboardText(text);
}

void EditCommands::paste()
{
    if (auto *field = qobject_cast<QLineEdit *>(m_window->focusWidget()))
        field->setText(clipboardText());
}

TextField *EditCommands::lastTextField() const
{
    switch (m_session.lastTextField) {
    case LastTextField::PersonalTranslation: return m_targets.personalTranslation;
    case LastTextField::PersonalWord: return m_targets.personalWord;
    case LastTextField::Word:
    case LastTextField::None: break;
    }
    return m_targets.input;
}

void EditCommands::typeLetter(const QString &letter)
{
    // Before any field had the focus the letter goes to the translation
    // field of the personal dictionary, as the keypad always did.
    TextField *target =
        m_session.lastTextField == LastTextField::None ? m_targets.personalTranslation : lastTextField();
    target->replaceSelection(letter);
    target->setFocus(Qt::OtherFocusReason);
}

void EditCommands::setEnabled(const QList<QAction *> &actions, bool enabled)
{
    for (QAction *action : actions)
        action->setEnabled(enabled);
}

void EditCommands::textFieldFocused(TextField *field)
{
    if (field == m_targets.input) {
        m_session.lastTextField = LastTextField::Word;
        m_showHint(Message::InputHint);
    } else if (field == m_targets.personalWord) {
        m_session.lastTextField = LastTextField::PersonalWord;
        m_showHint(Message::PersonalWordHint);
    } else {
        m_session.lastTextField = LastTextField::PersonalTranslation;
        m_showHint(Message::PersonalTranslationHint);
    }
    setEnabled(m_cutAndPaste, true);
}

void EditCommands::focusGained(QObject *control)
{
    // Coming back from a menu or another window is not a new arrival; but
    // the first focus of a window that was not active yet is.
    if (control == m_trackedFocus)
        return;
    m_trackedFocus = control;
    if (auto *field = qobject_cast<TextField *>(control)) {
        textFieldFocused(field);
    } else if (control == m_targets.similarWords) {
        m_showHint(m_session.settings.SimilarWordSearch ? Message::SimilarWordsHint : Message::SimilarWordsOffHint);
    } else if (control == m_targets.translations) {
        m_showHint(Message::TranslationsHint);
    } else if (control == m_targets.resultText) {
        m_showHint(Message::ResultTextHint);
    } else if (control == m_targets.personalList) {
        m_showHint(Message::PersonalListHint);
        setEnabled(m_delete, true);
    }
}

void EditCommands::focusLost(QObject *control)
{
    m_trackedFocus = nullptr;
    if (qobject_cast<TextField *>(control)) {
        setEnabled(m_cutAndPaste, false);
    } else if (control == m_targets.personalList) {
        setEnabled(m_delete, false);
        m_targets.personalList->clearSelection();
        m_targets.personalList->setCurrentIndex({});
    }
}

bool EditCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn)
        focusGained(watched);
    else if (event->type() == QEvent::FocusOut && !isTransientFocusChange(static_cast<QFocusEvent *>(event)))
        focusLost(watched);
    return QObject::eventFilter(watched, event);
}

} // namespace parlora
