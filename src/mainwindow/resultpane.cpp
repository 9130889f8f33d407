#include "mainwindow/resultpane.h"

#include "artwork/controlstyle.h"
#include "artwork/icons.h"
#include "dictionary/languagepair.h"
#include "localisation/builtinmessages.h"
#include "localisation/languagemessages.h"
#include "mainwindow/resultlistbox.h"
#include "mainwindow/textfield.h"
#include "platform/accessibletext.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

namespace parlora {

using controlstyle::Tint;

namespace {

// The direction pictures are drawn 70 by 21; shown at that size (or a whole
// multiple of it on high-DPI screens) their lines stay on whole pixels.
constexpr QSize DirectionPictureSize(70, 21);
// A translation resets the translations list's scrollable width to this.
constexpr int ResetListExtent = 64;
// Only lines longer than this widen a list's scrollable width.
constexpr int ShortLineLength = 23;
// How extra height is shared: the result text gets twice what the lists get,
// as in the window's first size.
constexpr int ListsRowStretch = 1;
constexpr int ResultTextRowStretch = 2;

ResultListBox *makeList(QWidget *parent, const char *name)
{
    auto *list = new ResultListBox(parent);
    list->setObjectName(QLatin1String(name));
    controlstyle::applyTint(list, Tint::Results);
    return list;
}

} // namespace

ResultPane::ResultPane(QWidget *parent)
    : QWidget(parent), m_picItal(icons::artwork(QStringLiteral("portuguese-to-italian"))),
      m_picPort(icons::artwork(QStringLiteral("italian-to-portuguese")))
{
    buildControls();
    connect(m_cmdTraduz, &QPushButton::clicked, this, &ResultPane::translateRequested);
    connect(m_lstSimili, &ResultListBox::doubleClickedAnywhere, this, &ResultPane::takeSelectedSimilarWord);
    connect(m_lstTraduzioni, &ResultListBox::doubleClickedAnywhere, this, &ResultPane::translationDoubleClicked);
    m_txtParola->installEventFilter(this);
}

void ResultPane::buildControls()
{
    m_inputHeading = makeFieldHeading(this, "lblParola1", "lblLingua1");
    m_translationHeading = makeFieldHeading(this, "lblParola2", "lblLingua2");

    m_cmdTraduz = new QPushButton(this);
    m_cmdTraduz->setObjectName(QStringLiteral("cmdTraduz"));
    m_cmdTraduz->setIconSize(DirectionPictureSize);

    m_txtParola = makeInputField(this, "txtParola");
    m_lstTraduzioni = makeList(this, "lstTraduzioni");
    m_lstSimili = makeList(this, "lstSimili");

    m_text1 = new QPlainTextEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    // Results to read and copy from, not to edit; Tab moves on to the next
    // control instead of typing into them.
    m_text1->setReadOnly(true);
    m_text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text1->setTabChangesFocus(true);
    m_text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    controlstyle::applyTint(m_text1, Tint::Note);

    m_inputHeading.caption->setBuddy(m_txtParola);
    m_translationHeading.caption->setBuddy(m_lstTraduzioni);

    // The translate button ends the input field's heading.
    m_inputHeading.row->addWidget(m_cmdTraduz);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addLayout(m_inputHeading.row, 0, 0);
    grid->addLayout(m_translationHeading.row, 0, 1);
    grid->addWidget(m_txtParola, 1, 0);
    grid->addWidget(m_lstTraduzioni, 1, 1, 2, 1);
    grid->addWidget(m_lstSimili, 2, 0);
    grid->addWidget(m_text1, 3, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, ListsRowStretch);
    grid->setRowStretch(3, ResultTextRowStretch);

    setTabOrder(m_txtParola, m_cmdTraduz);
    setTabOrder(m_cmdTraduz, m_lstSimili);
    setTabOrder(m_lstSimili, m_lstTraduzioni);
    setTabOrder(m_lstTraduzioni, m_text1);
}

void ResultPane::showDirection(bool language1ToLanguage2, const LanguagePair &pair)
{
    const auto inParentheses = [](const QString &name) { return QStringLiteral("(%1)").arg(name); };
    m_cmdTraduz->setIcon(language1ToLanguage2 ? m_picPort : m_picItal);
    m_cmdTraduz->setProperty("picture", language1ToLanguage2 ? QStringLiteral("picPort") : QStringLiteral("picItal"));
    const QString &source = language1ToLanguage2 ? pair.Language1Name : pair.Language2Name;
    const QString &target = language1ToLanguage2 ? pair.Language2Name : pair.Language1Name;
    m_inputHeading.language->setText(inParentheses(source));
    m_translationHeading.language->setText(inParentheses(target));
}

void ResultPane::clearLists()
{
    m_lstSimili->clear();
    m_lstTraduzioni->clear();
    m_baseFormLines.clear();
}

void ResultPane::clearAll()
{
    m_txtParola->clear();
    clearLists();
    m_text1->clear();
}

void ResultPane::showResult(const TranslationResult &result)
{
    m_widestItem = 0;
    m_lstTraduzioni->setHorizontalExtent(ResetListExtent);
    // Replaying the lines in the order they were found keeps the widest-line
    // rule for the scroll ranges as if each had been added directly.
    for (const AddedLine &line : result.addedLines)
        addResultLine(line.list == ResultList::Translations ? m_lstTraduzioni : m_lstSimili, line.text);
    m_baseFormLines = result.baseFormLines;
    QString text = result.resultText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_text1->setPlainText(text);
}

void ResultPane::addResultLine(ResultListBox *list, const QString &text)
{
    // A line already among the translations is never shown twice.
    if (!m_lstTraduzioni->findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty())
        return;
    m_widestItem = qMax(m_widestItem, list->fontMetrics().horizontalAdvance(text));
    if (text.size() > ShortLineLength)
        list->setHorizontalExtent(m_widestItem + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    list->addItem(text);
}

void ResultPane::takeSelectedSimilarWord()
{
    if (m_lstSimili->selectedItems().isEmpty())
        return;
    emit lookUpRequested(m_lstSimili->selectedText());
}

void ResultPane::translationDoubleClicked()
{
    // A line found through the base form of the query leads to that form.
    if (m_lstTraduzioni->selectedItems().isEmpty())
        return;
    const QString line = m_lstTraduzioni->selectedText();
    for (const BaseFormLine &found : std::as_const(m_baseFormLines)) {
        if (found.text == line) {
            emit lookUpRequested(found.baseForm);
            return;
        }
    }
}

void ResultPane::updateAccessibleTexts(const LanguageMessages &messages)
{
    const QString direction =
        m_inputHeading.language->text() + QStringLiteral(" --> ") + m_translationHeading.language->text();
    describe(m_txtParola, labelled(m_inputHeading.caption, m_inputHeading.language));
    describe(m_cmdTraduz, m_cmdTraduz->toolTip(), direction);
    describe(m_lstTraduzioni, labelled(m_translationHeading.caption, m_translationHeading.language));
    describe(m_lstSimili, messages.message(Message::SimilarWordsName));
    describe(m_text1, messages.message(Message::ResultTextName));
}

bool ResultPane::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_txtParola && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (isEnterKey(key->key())) {
            // Swallowed: no line break, no beep; a held key translates once.
            if (!key->isAutoRepeat())
                emit translateRequested();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace parlora
