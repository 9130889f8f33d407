#include "mainwindow/personalpanel.h"

#include "artwork/controlstyle.h"
#include "artwork/icons.h"
#include "dictionary/languagepair.h"
#include "dictionary/personaldictionary.h"
#include "localisation/builtinmessages.h"
#include "localisation/interfacelanguage.h"
#include "mainwindow/personalentriesmodel.h"
#include "mainwindow/textfield.h"
#include "mainwindow/userprompts.h"
#include "platform/accessibletext.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QToolButton>

namespace parlora {

using controlstyle::Tint;

namespace {
// The insert picture is drawn 32 by 32.
constexpr QSize InsertPictureSize(32, 32);
// The panel's first size, as it was designed (5175 by 5415 twips).
constexpr QSize DesignedSize(345, 361);
} // namespace

PersonalPanel::PersonalPanel(PersonalDictionary &store, const InterfaceLanguage &language, UserPrompts &prompts,
                             QWidget *parent)
    : QGroupBox(parent), m_store(store), m_language(language), m_prompts(prompts),
      m_entries(new PersonalEntriesModel(store, this))
{
    setObjectName(QStringLiteral("frm1"));
    buildControls();
    connect(m_picture1, &QToolButton::clicked, this, &PersonalPanel::insertPair);
    for (QObject *control : {static_cast<QObject *>(m_txtParolaIta), static_cast<QObject *>(m_txtParolaLin),
                             static_cast<QObject *>(m_lstDicPer)})
        control->installEventFilter(this);
}

void PersonalPanel::buildControls()
{
    m_wordHeading = makeFieldHeading(this, "lblParola3", "lblLingua3");
    m_translationHeading = makeFieldHeading(this, "lblParola4", "lblLingua4");

    m_txtParolaIta = makeInputField(this, "txtParolaIta");
    m_txtParolaLin = makeInputField(this, "txtParolaLin");
    m_wordHeading.caption->setBuddy(m_txtParolaIta);
    m_translationHeading.caption->setBuddy(m_txtParolaLin);

    // A picture that works as a button; it never takes the focus away from
    // the field the user was typing in (Enter in a field does the same).
    m_picture1 = new QToolButton(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setAutoRaise(true);
    m_picture1->setFocusPolicy(Qt::NoFocus);
    m_picture1->setIcon(icons::artwork(QStringLiteral("insert-pair")));
    m_picture1->setIconSize(InsertPictureSize);
    m_picture1->setCursor(Qt::PointingHandCursor);

    m_lstDicPer = new QListView(this);
    m_lstDicPer->setObjectName(QStringLiteral("lstDicPer"));
    m_lstDicPer->setModel(m_entries);
    // Every row is one line of text: the view need not measure each one.
    m_lstDicPer->setUniformItemSizes(true);
    m_lstDicPer->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lstDicPer->setSelectionMode(QAbstractItemView::SingleSelection);
    controlstyle::applyTint(m_lstDicPer, Tint::Note);

    auto *grid = new QGridLayout(this);
    grid->addLayout(m_wordHeading.row, 0, 0);
    grid->addWidget(m_txtParolaIta, 1, 0);
    grid->addLayout(m_translationHeading.row, 2, 0);
    grid->addWidget(m_txtParolaLin, 3, 0);
    grid->addWidget(m_picture1, 0, 1, 4, 1, Qt::AlignCenter);
    grid->addWidget(m_lstDicPer, 4, 0, 1, 2);
    grid->setRowStretch(4, 1);
}

void PersonalPanel::showLanguageNames(const LanguagePair &pair)
{
    m_wordHeading.language->setText(QStringLiteral("(%1)").arg(pair.Language1Name));
    m_translationHeading.language->setText(QStringLiteral("(%1)").arg(pair.Language2Name));
}

void PersonalPanel::updateAccessibleTexts()
{
    describe(m_txtParolaIta, labelled(m_wordHeading.caption, m_wordHeading.language));
    describe(m_txtParolaLin, labelled(m_translationHeading.caption, m_translationHeading.language));
    describe(m_picture1, m_picture1->toolTip());
    describe(m_lstDicPer, title());
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

QSize PersonalPanel::sizeHint() const
{
    return QGroupBox::sizeHint().expandedTo(DesignedSize);
}

int PersonalPanel::selectedRow() const
{
    const QModelIndexList selected = m_lstDicPer->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.constFirst().row();
}

void PersonalPanel::deleteSelected()
{
    // The list's rows are the store's entries in order, so a row is the
    // entry's position; no selection leaves the store unchanged.
    m_store.DeleteEntry(selectedRow());
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
    m_entries->syncWithStore();
    // After a command no entry is selected, so the next Delete cannot hit
    // one the user did not choose.
    m_lstDicPer->clearSelection();
    m_lstDicPer->setCurrentIndex({});
}

void PersonalPanel::clearFields()
{
    m_txtParolaIta->clear();
    m_txtParolaLin->clear();
}

bool PersonalPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((watched == m_txtParolaIta || watched == m_txtParolaLin) && isEnterKey(key->key())) {
            // Enter adds the pair; the field never receives the line break.
            if (!key->isAutoRepeat())
                insertPair();
            return true;
        }
        if (watched == m_lstDicPer && key->key() == Qt::Key_Delete) {
            deleteSelected();
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace parlora
