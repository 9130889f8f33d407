#pragma once

#include "platform/shellopen.h"

#include <QDialog>
#include <QIcon>
#include <QTimer>

#include <array>
#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace parlora {

class LanguageMessages;
class LinkLabel;
class PersonalDictionary;
struct MainDictionary;

// The about window: name, version, word counts, a small animation, the
// makers' links and the credits. OK destroys it (the next opening builds it
// anew, in the current language); the web link only hides it.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int FrameCount = 4;

    // The window opens over the top-left corner of mainWindow, which is also
    // its parent.
    AboutWindow(const MainDictionary &dictionary, const PersonalDictionary &personal, ShellOpener opener,
                QWidget *mainWindow);

    // Told the address when no program could open a link.
    void setLinkFailureReporter(std::function<void(const QString &address)> reporter);
    // The texts that come from the message table.
    void applyMessages(const LanguageMessages &messages);

    // The animation frame shown last, 1 to FrameCount (0 before the first tick).
    int animationFrame() const { return m_frame; }
    // The word counts as shown: main dictionary entries + personal entries.
    static QString wordCountText(const MainDictionary &dictionary, const PersonalDictionary &personal);

protected:
    bool event(QEvent *event) override;

private:
    void buildControls();
    void activate();
    void showNextFrame();
    void closeWindow();
    void openLink(const QString &address, bool hideAfterwards);

    const MainDictionary &m_dictionary;
    const PersonalDictionary &m_personal;
    ShellOpener m_opener;
    std::function<void(const QString &)> m_reportLinkFailure;
    std::array<QIcon, FrameCount> m_frames;
    qint16 m_frame = 0;
    QTimer *m_tmrBook = nullptr;

    QGroupBox *m_frame1 = nullptr;
    QLabel *m_label7 = nullptr;
    QLabel *m_picJanela = nullptr;
    QLabel *m_picture1 = nullptr;
    QLineEdit *m_txtParole = nullptr;
    QPushButton *m_cmdOK = nullptr;
};

} // namespace parlora
