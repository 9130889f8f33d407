#pragma once

#include <QGroupBox>

class QListWidget;
class QToolButton;

namespace parlora {

class InterfaceLanguage;
class PersonalDictionary;
class TextField;
class UserPrompts;

// The personal dictionary panel (frm1): a word, its translation, the insert
// picture and the list of the user's pairs. It checks what the user typed,
// calls the store and shows the store's entries again after every command.
class PersonalPanel : public QGroupBox {
    Q_OBJECT
public:
    // Words longer than this are refused.
    static constexpr int MaxWordLength = 50;

    PersonalPanel(PersonalDictionary &store, const InterfaceLanguage &language, UserPrompts &prompts,
                  QWidget *parent = nullptr);

    TextField *wordField() const { return m_txtParolaIta; }
    TextField *translationField() const { return m_txtParolaLin; }
    QListWidget *list() const { return m_lstDicPer; }

    // The panel's commands.
    void insertPair();
    void deleteSelected();
    void undo();
    void redo();
    void render();
    void clearFields();

private:
    void warnAndFocus(int message, QWidget *field);

    PersonalDictionary &m_store;
    const InterfaceLanguage &m_language;
    UserPrompts &m_prompts;
    TextField *m_txtParolaIta = nullptr;
    TextField *m_txtParolaLin = nullptr;
    QToolButton *m_picture1 = nullptr;
    QListWidget *m_lstDicPer = nullptr;
};

} // namespace parlora
