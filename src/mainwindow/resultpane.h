#pragma once

#include "mainwindow/textfield.h"
#include "translation/translate.h"

#include <QIcon>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace parlora {

struct LanguagePair;
class LanguageMessages;
class ResultListBox;

// The translation side of the main window: the input field with its
// translate button, the translations and similar-word lists and the result
// text. It shows what a translation found; the search itself is the core's.
class ResultPane : public QWidget {
    Q_OBJECT
public:
    explicit ResultPane(QWidget *parent = nullptr);

    TextField *input() const { return m_txtParola; }
    ResultListBox *translations() const { return m_lstTraduzioni; }
    ResultListBox *similarWords() const { return m_lstSimili; }
    QPlainTextEdit *resultText() const { return m_text1; }

    // The picture on the translate button and the two language names.
    void showDirection(bool language1ToLanguage2, const LanguagePair &pair);

    // A translation starts: the lists are emptied.
    void clearLists();
    // The input, the lists and the result text are emptied.
    void clearAll();
    // Shows a finished translation in the lists and the result text.
    void showResult(const TranslationResult &result);

    // Takes the selected similar word, as a double click does; nothing
    // happens when no line is selected.
    void takeSelectedSimilarWord();

    // Names and descriptions for screen readers, from the captions and
    // tooltips the language set.
    void updateAccessibleTexts(const LanguageMessages &messages);

signals:
    // The translate button, or Enter in the input field (a held Enter
    // counts once).
    void translateRequested();
    // A word to look up: a similar word taken, or the base form of a line
    // found through it.
    void lookUpRequested(const QString &word);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void addResultLine(ResultListBox *list, const QString &text);
    void translationDoubleClicked();

    // lblParola1 and lblLingua1; lblParola2 and lblLingua2.
    FieldHeading m_inputHeading;
    FieldHeading m_translationHeading;
    QPushButton *m_cmdTraduz = nullptr;
    TextField *m_txtParola = nullptr;
    ResultListBox *m_lstTraduzioni = nullptr;
    ResultListBox *m_lstSimili = nullptr;
    QPlainTextEdit *m_text1 = nullptr;
    QIcon m_picItal;
    QIcon m_picPort;
    // The widest line added to either list since the translation began.
    int m_widestItem = 0;
    // The lines of the last translation found through a base form.
    QList<BaseFormLine> m_baseFormLines;
};

} // namespace parlora
