#pragma once

#include <QLineEdit>

class QHBoxLayout;
class QLabel;

namespace parlora {

// A one-line text field that remembers its selection when it loses the
// focus, so that a keypad letter typed into it later still replaces what the
// user had selected there.
class TextField : public QLineEdit {
    Q_OBJECT
public:
    explicit TextField(QWidget *parent = nullptr);

    // Replaces the current (or remembered) selection with the text, or
    // inserts it at the caret, leaving the caret after it.
    void replaceSelection(const QString &text);

protected:
    void focusOutEvent(QFocusEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    int m_savedStart = -1;
    int m_savedLength = 0;
};

// Return and the keypad's Enter both confirm what was typed.
inline bool isEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The program's input fields all look alike: bold field font on light red.
TextField *makeInputField(QWidget *parent, const char *name);

// The heading above a field or list: its caption and, beside it, the name of
// the language shown there, in the language colour; side by side in a row.
struct FieldHeading {
    QLabel *caption = nullptr;
    QLabel *language = nullptr;
    QHBoxLayout *row = nullptr;
};
FieldHeading makeFieldHeading(QWidget *parent, const char *captionName, const char *languageName);

} // namespace parlora
