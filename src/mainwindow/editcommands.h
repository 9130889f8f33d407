#pragma once

#include <QList>
#include <QObject>

#include <functional>

class QAbstractItemView;
class QAbstractScrollArea;
class QAction;
class QMenu;
class QPlainTextEdit;
class QPoint;
class QWidget;

namespace parlora {

class ParloraSession;
class TextField;

// The controls the editing commands work on.
struct EditTargets {
    TextField *input = nullptr;
    TextField *personalWord = nullptr;
    TextField *personalTranslation = nullptr;
    QAbstractItemView *translations = nullptr;
    QAbstractItemView *similarWords = nullptr;
    QPlainTextEdit *resultText = nullptr;
    QAbstractItemView *personalList = nullptr;
};

// The clipboard commands, the keypad's typing and the focus tracking of the
// main window: which text field was used last, the hint each control shows
// in the status bar as it gets the focus, and which commands the focused
// control allows. Also the pop-up menus of the lists and the result text.
//
// Cut, Copy and Paste work on a whole field or on a list's selected line,
// never on part of a text: that is what the menu commands always did.
class EditCommands : public QObject {
    Q_OBJECT
public:
    EditCommands(ParloraSession &session, const EditTargets &targets, QWidget *window);

    // Enabled only while a text field has the focus.
    void setCutAndPasteActions(QList<QAction *> actions);
    // Enabled only while the personal list has the focus.
    void setDeleteActions(QList<QAction *> actions);
    // Opens the menu for a right click (or the menu key) on the control,
    // after selecting the row under the pointer.
    void setContextMenu(QAbstractScrollArea *control, QMenu *menu);
    // Shows a message of the table in the status bar.
    void setHintDisplay(std::function<void(int message)> display);

    void cut();
    void copy();
    void paste();
    // Types a keypad letter into the text field used last.
    void typeLetter(const QString &letter);
    // The text field used last (the input field before any was used).
    TextField *lastTextField() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void focusGained(QObject *control);
    void focusLost(QObject *control);
    void textFieldFocused(TextField *field);
    void setEnabled(const QList<QAction *> &actions, bool enabled);
    void openContextMenu(QAbstractScrollArea *control, QMenu *menu, const QPoint &position);
    QString focusedText(bool &hasText) const;

    ParloraSession &m_session;
    EditTargets m_targets;
    QWidget *m_window;
    QList<QAction *> m_cutAndPaste;
    QList<QAction *> m_delete;
    std::function<void(int)> m_showHint;
    // The tracked control that last gained the focus, until it really loses
    // it (not to a menu or another window).
    QObject *m_trackedFocus = nullptr;
};

} // namespace parlora
