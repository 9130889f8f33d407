#pragma once

#include "mainwindow/textfield.h"

#include <QGroupBox>

class QLabel;
class QListView;
class QToolButton;

namespace parlora {

class InterfaceLanguage;
struct LanguagePair;
class PersonalDictionary;
class PersonalEntriesModel;
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
    QListView *list() const { return m_lstDicPer; }

    // The two languages' names beside the fields' headings.
    void showLanguageNames(const LanguagePair &pair);
    void updateAccessibleTexts();

    // The panel's commands.
    void insertPair();
    void deleteSelected();
    void undo();
    void redo();
    // Brings the list up to date with the store.
    void render();
    void clearFields();
    // The row of the selected entry, -1 when none is selected.
    int selectedRow() const;

    // At least the width and height the panel was designed with.
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void warnAndFocus(int message, QWidget *field);

    PersonalDictionary &m_store;
    const InterfaceLanguage &m_language;
    UserPrompts &m_prompts;
    PersonalEntriesModel *m_entries = nullptr;
    // lblParola3 and lblLingua3; lblParola4 and lblLingua4.
    FieldHeading m_wordHeading;
    FieldHeading m_translationHeading;
    TextField *m_txtParolaIta = nullptr;
    TextField *m_txtParolaLin = nullptr;
    QToolButton *m_picture1 = nullptr;
    QListView *m_lstDicPer = nullptr;
};

} // namespace parlora
