#pragma once

#include <QObject>

class QAction;
class QMainWindow;
class QMenu;
class QPushButton;
class QSize;
class QWidget;

namespace parlora {

// Resizes a window within its screen: no larger than the screen's free area
// and no smaller than the window allows, moved back where it would cross an
// edge of the screen.
void resizeWithinScreen(QWidget *window, QSize size);

class Keypad;
class PersonalPanel;

// The two panels of the main window, the personal dictionary on the right
// and the keypad below, opened and closed by their menu items, toolbar
// buttons and strip buttons, which always show the panel's state. Opening a
// panel makes the window larger by the panel's size, as far as the screen
// allows, so that the rest of the window keeps its size; closing it gives
// that size back. A maximised window only shares its room differently.
class WindowPanels : public QObject {
    Q_OBJECT
public:
    struct Controls {
        QMainWindow *window = nullptr;
        PersonalPanel *personalPanel = nullptr;
        QPushButton *personalStrip = nullptr;
        QAction *personalMenuItem = nullptr;
        QAction *personalToolButton = nullptr;
        // The menu of the personal dictionary's commands, shown only while
        // its panel is open.
        QMenu *personalMenu = nullptr;
        Keypad *keypad = nullptr;
        QPushButton *keypadStrip = nullptr;
        QAction *keypadMenuItem = nullptr;
        QAction *keypadToolButton = nullptr;
    };

    explicit WindowPanels(const Controls &controls, QObject *parent = nullptr);

    bool personalPanelOpen() const;
    bool keypadOpen() const;

    void togglePersonalPanel();
    void toggleKeypad();

private:
    void showPersonalState(bool open);
    void showKeypadState(bool open);
    // What opening a panel did to the window's size along its side, so that
    // closing it can undo exactly that while the user has not resized.
    struct Growth {
        int before = -1;
        int after = -1;
    };
    void setPanelVisible(QWidget *panel, Qt::Orientation growth, bool visible, Growth &record);

    Controls m_controls;
    Growth m_personalGrowth;
    Growth m_keypadGrowth;
};

} // namespace parlora
