#pragma once

#include "dialogs/messagepresenter.h"
#include "dialogs/updatecheck.h"
#include "dictionary/settings.h"
#include "localisation/interfacelanguage.h"
#include "platform/applicationfolder.h"
#include "platform/shellopen.h"

#include <QDialog>
#include <QPointer>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QWindow;

namespace parlora {

class UpdateWindow;

// The options window: interface language, the search options and the
// update check. It is created once and only ever hidden; every time the user
// comes back to it from another window of the program it shows the stored
// state again, so a change that was not confirmed with OK is forgotten.
class OptionsWindow : public QDialog {
    Q_OBJECT
public:
    // A language switch re-applies the captions of every window through the
    // language's caption applier, this window's included.
    OptionsWindow(Settings &settings, InterfaceLanguage &language, const ApplicationFolder &folder,
                  QWidget *parent = nullptr);

    // Told after OK has stored new options.
    void setOptionsChangedListener(std::function<void()> listener);
    // Replaceable so tests neither block on a message box nor reach the
    // network or the desktop.
    void setMessagePresenter(MessagePresenter presenter);
    void setShellOpener(ShellOpener opener);
    void setUpdateCheckSetup(UpdateCheckSetup setup);

    // Fills the window from the stored options and the language folder.
    void refill();
    // The texts that come from the message table, after a language switch.
    void applyMessages();
    // The update window, while it exists.
    UpdateWindow *updateWindow() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void applyChoices();
    void runUpdateCheck();
    void updateCheckFinished(const UpdateCheckOutcome &outcome);
    void showMessage(const QString &text);
    void trackActivation(QWindow *focusWindow);
    QString message(int index) const;

    Settings &m_settings;
    InterfaceLanguage &m_language;
    const ApplicationFolder &m_folder;
    std::function<void()> m_optionsChanged;
    MessagePresenter m_presentMessage = plainMessageBox();
    ShellOpener m_opener = systemShellOpener();
    UpdateCheckSetup m_updateSetup;
    UpdateCheck m_updateCheck;
    // The button's caption while it shows that a check is running.
    QString m_updateCaption;

    QPushButton *m_cmdOK = nullptr;
    QGroupBox *m_frame1 = nullptr;
    QComboBox *m_cmbLingua = nullptr;
    QCheckBox *m_ckbSimili = nullptr;
    QPushButton *m_cmdAnnulla = nullptr;
    QPushButton *m_cmdUpdate = nullptr;
    QCheckBox *m_ckbFrasario = nullptr;
    QCheckBox *m_ckbFormeBase = nullptr;
    QPointer<UpdateWindow> m_updateWindow;

    // The window that had the focus last, to tell a return from another
    // window of the program from a return from another program.
    QPointer<QWindow> m_lastFocusWindow;
    bool m_messageOpen = false;
};

} // namespace parlora
