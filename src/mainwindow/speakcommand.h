#pragma once

#include <QList>
#include <QLocale>
#include <QObject>
#include <QString>

class QAbstractItemView;
class QAction;
class QLineEdit;
class QWidget;

namespace parlora {

class ParloraSession;
class Speaker;

// What the speak command reads aloud, and in which language's voice.
struct SpeechRequest {
    QString text;
    QLocale::Language language = QLocale::AnyLanguage;
};

// The controls whose text can be read aloud.
struct SpeakTargets {
    QLineEdit *input = nullptr;
    QAbstractItemView *translations = nullptr;
    QAbstractItemView *similarWords = nullptr;
};

// The speak command of the main window. It reads the selected line of the
// list that has the focus (a translation in the target language, a similar
// word in the source language) or else the input word (in the source
// language), each with a voice of its own language whatever the interface
// language is. Without a speech engine, or without a voice for that
// language, its actions are disabled and their tooltip says why: there is
// never a message box to close.
class SpeakCommand : public QObject {
    Q_OBJECT
public:
    SpeakCommand(ParloraSession &session, Speaker &speaker, const SpeakTargets &targets, QWidget *window);
    ~SpeakCommand() override;

    // The menu item and toolbar button that run the command.
    void setActions(QList<QAction *> actions);

    SpeechRequest request() const;
    void speak();
    // Enables the actions for the language of what they would read now,
    // with the tooltip that goes with it. Called whenever the focus, a
    // selection, the direction or the interface language changes, and
    // before a menu that holds the command opens.
    void update();

private:
    QString unavailableReason(QLocale::Language language) const;

    ParloraSession &m_session;
    Speaker &m_speaker;
    SpeakTargets m_targets;
    QWidget *m_window;
    QList<QAction *> m_actions;
};

} // namespace parlora
