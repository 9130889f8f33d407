#include "mainwindow/personalpanel.h"

#include "dictionary/personaldictionary.h"
#include "localisation/builtinmessages.h"
#include "localisation/interfacelanguage.h"
#include "mainwindow/artwork.h"
#include "mainwindow/controlstyle.h"
#include "mainwindow/textfield.h"
#include "mainwindow/userprompts.h"
#include "platform/twips.h"

#include <QLabel>
#include <QListWidget>
#include <QToolButton>

namespace parlora {

using namespace controlstyle;

namespace {

// Headings may reach left as far as the frame's inner margin.
constexpr int PanelHeadingLeftmostTwips = 120;
// Language names differ in length between fonts; their labels reach into
// the free space on their right so that no name is cut.
constexpr int LanguageLabelRoom = 1380;
} // namespace

PersonalPanel::PersonalPanel(PersonalDictionary &store, const InterfaceLanguage &language, UserPrompts &prompts,
                             QWidget *parent)
    : QGroupBox(QStringLiteral("Dizionario Personale"), parent), m_store(store), m_language(language),
      m_prompts(prompts)
{
    setObjectName(QStringLiteral("frm1"));
    makeHeadingLabel(this, "lblParola3", QStringLiteral("Parole "), twipsRect(285, 315, 495, 195), twips(PanelHeadingLeftmostTwips));
    makeLabel(this, "lblLingua3", QStringLiteral("(Italiano)"), twipsRect(840, 300, LanguageLabelRoom, 195), true);
    makeLabel(this, "lblParola4", QStringLiteral("Traduzione "), twipsRect(255, 945, 825, 255));
    makeLabel(this, "lblLingua4", QStringLiteral("(Portugu\u00eas)"), twipsRect(1140, 945, LanguageLabelRoom, 195),
              true);

    m_txtParolaIta = makeInputField(this, "txtParolaIta", twipsRect(255, 585, 3660, 315));

    m_txtParolaLin = makeInputField(this, "txtParolaLin", twipsRect(240, 1215, 3660, 360));

    // A picture that works as a button; it never takes the focus away from
    // the field the user was typing in.
    m_picture1 = new QToolButton(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setGeometry(twipsRect(4245, 750, 690, 540));
    m_picture1->setAutoRaise(true);
    m_picture1->setFocusPolicy(Qt::NoFocus);
    m_picture1->setIcon(artwork::insertPair());
    m_picture1->setIconSize(m_picture1->size() - QSize(4, 4));
    m_picture1->setCursor(Qt::PointingHandCursor);
    connect(m_picture1, &QToolButton::clicked, this, &PersonalPanel::insertPair);

    m_lstDicPer = new QListWidget(this);
    m_lstDicPer->setObjectName(QStringLiteral("lstDicPer"));
    m_lstDicPer->setGeometry(twipsRect(225, 1680, 4720, 3600));
    setBackground(m_lstDicPer, m_lstDicPer->palette().color(QPalette::ToolTipBase));
}

void PersonalPanel::insertPair()
{
    // The translation field is checked first, then the word field.
    const QString word = m_txtParolaIta->text();
    const QString translation = m_txtParolaLin->text();
    if (translation.isEmpty())
        return warnAndFocus(Message::FillBothWords, m_txtParolaLin);
    if (word.isEmpty())
        return warnAndFocus(Message::FillBothWords, m_txtParolaIta);
    if (translation.size() > MaxWordLength)
        return warnAndFocus(Message::WordTooLong, m_txtParolaLin);
    if (word.size() > MaxWordLength)
        return warnAndFocus(Message::WordTooLong, m_txtParolaIta);

    QString storedWord = word;
    QString storedTranslation = translation;
    const InsertResult inserted = m_store.InsertEntry(storedWord, storedTranslation);
    if (!inserted) {
        // The file could not hold it faithfully: better refused, with the
        // fields kept for correcting, than changed at the next start.
        const LanguageMessages &messages = m_language.messages();
        const QString &refused = inserted.refusedCharacter;
        const bool lineBreak = refused == QStringLiteral("\r") || refused == QStringLiteral("\n");
        m_prompts.warning(window(), messages.message(Message::PersonalDictionaryTitle),
                          lineBreak ? messages.message(Message::LineBreakNotStorable)
                                    : messages.message(Message::CharacterNotStorable).arg(refused));
        m_txtParolaIta->setFocus(Qt::OtherFocusReason);
        return;
    }
    render();
    m_txtParolaIta->setFocus(Qt::OtherFocusReason);
    m_txtParolaIta->clear();
    m_txtParolaLin->clear();
}

void PersonalPanel::warnAndFocus(int message, QWidget *field)
{
    const LanguageMessages &messages = m_language.messages();
    m_prompts.warning(window(), messages.message(Message::PersonalDictionaryTitle), messages.message(message));
    field->setFocus(Qt::OtherFocusReason);
}

void PersonalPanel::deleteSelected()
{
    // The list's lines are the store's entries in order, so a line's row is
    // the entry's position; no selection leaves the store unchanged.
    const QList<QListWidgetItem *> selected = m_lstDicPer->selectedItems();
    const int position = selected.isEmpty() ? -1 : m_lstDicPer->row(selected.constFirst());
    m_store.DeleteEntry(position);
    render();
}

void PersonalPanel::undo()
{
    if (!m_store.canUndo())
        return;
    m_store.Undo();
    render();
}

void PersonalPanel::redo()
{
    if (!m_store.canRedo())
        return;
    m_store.Redo();
    render();
}

void PersonalPanel::render()
{
    m_lstDicPer->clear();
    m_lstDicPer->addItems(m_store.RenderEntries());
}

void PersonalPanel::clearFields()
{
    m_txtParolaIta->clear();
    m_txtParolaLin->clear();
}

} // namespace parlora
