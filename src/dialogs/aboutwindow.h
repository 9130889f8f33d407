#pragma once

#include "platform/shellopen.h"

#include <QDialog>
#include <QPixmap>
#include <QTimer>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace parlora {

class LinkLabel;
class PersonalDictionary;
struct MainDictionary;

// The about window: name, version, word counts, a small animation, the
// makers' links and the credits. OK destroys it (its texts return to the
// built-in ones the next time it is created); the web link only hides it.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int FrameCount = 4;

    // The window opens over the top-left corner of mainWindow, which is also
    // its parent.
    AboutWindow(const MainDictionary &dictionary, const PersonalDictionary &personal, ShellOpener opener,
                QWidget *mainWindow);

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

    const MainDictionary &m_dictionary;
    const PersonalDictionary &m_personal;
    ShellOpener m_opener;
    std::array<QPixmap, FrameCount> m_frames;
    qint16 m_frame = 0;
    QTimer *m_tmrBook = nullptr;

    QLabel *m_picJanela = nullptr;
    QLineEdit *m_txtParole = nullptr;
    QPushButton *m_cmdOK = nullptr;
};

} // namespace parlora
