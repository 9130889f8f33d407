#include "mainwindow/windowpanels.h"

#include "artwork/icons.h"
#include "mainwindow/keypad.h"
#include "mainwindow/personalpanel.h"

#include <QAction>
#include <QGridLayout>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QScreen>

namespace parlora {

namespace {

int along(Qt::Orientation growth, const QSize &size)
{
    return growth == Qt::Horizontal ? size.width() : size.height();
}

void showStrip(QPushButton *strip, const char *chevron, const char *picture)
{
    strip->setIcon(icons::artwork(QLatin1String(chevron)));
    // Which picture it shows, for whoever checks the strip's state.
    strip->setProperty("picture", QLatin1String(picture));
}

} // namespace

void resizeWithinScreen(QWidget *window, QSize size)
{
    const QScreen *screen = window->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    const QRect inner = window->geometry();
    const QRect outer = window->frameGeometry();
    const QSize frame = outer.size() - inner.size();
    if (available.isValid())
        size = size.boundedTo(available.size() - frame);
    size = size.expandedTo(window->minimumSize());
    window->resize(size);
    if (!available.isValid())
        return;
    // Moved back inside the screen where it grew past an edge.
    QPoint position = outer.topLeft();
    const QSize outerSize = size + frame;
    if (position.x() + outerSize.width() > available.right() + 1)
        position.setX(std::max(available.left(), available.right() + 1 - outerSize.width()));
    if (position.y() + outerSize.height() > available.bottom() + 1)
        position.setY(std::max(available.top(), available.bottom() + 1 - outerSize.height()));
    if (position != outer.topLeft())
        window->move(position);
}

WindowPanels::WindowPanels(const Controls &controls, QObject *parent) : QObject(parent), m_controls(controls)
{
    m_controls.personalMenuItem->setCheckable(true);
    m_controls.personalToolButton->setCheckable(true);
    m_controls.keypadMenuItem->setCheckable(true);
    m_controls.keypadToolButton->setCheckable(true);
    m_controls.personalPanel->hide();
    m_controls.keypad->hide();
    showPersonalState(false);
    showKeypadState(false);
}

bool WindowPanels::personalPanelOpen() const
{
    return !m_controls.personalPanel->isHidden();
}

bool WindowPanels::keypadOpen() const
{
    return !m_controls.keypad->isHidden();
}

void WindowPanels::togglePersonalPanel()
{
    const bool open = !personalPanelOpen();
    setPanelVisible(m_controls.personalPanel, Qt::Horizontal, open, m_personalGrowth);
    showPersonalState(open);
    if (open)
        m_controls.personalPanel->render();
}

void WindowPanels::toggleKeypad()
{
    const bool open = !keypadOpen();
    setPanelVisible(m_controls.keypad, Qt::Vertical, open, m_keypadGrowth);
    showKeypadState(open);
}

void WindowPanels::showPersonalState(bool open)
{
    m_controls.personalMenuItem->setChecked(open);
    m_controls.personalToolButton->setChecked(open);
    m_controls.personalMenu->menuAction()->setVisible(open);
    if (open)
        showStrip(m_controls.personalStrip, "chevron-left", "picLeft");
    else
        showStrip(m_controls.personalStrip, "chevron-right", "picRight");
}

void WindowPanels::showKeypadState(bool open)
{
    m_controls.keypadMenuItem->setChecked(open);
    m_controls.keypadToolButton->setChecked(open);
    if (open)
        showStrip(m_controls.keypadStrip, "chevron-up", "picUp");
    else
        showStrip(m_controls.keypadStrip, "chevron-down", "picDown");
}

void WindowPanels::setPanelVisible(QWidget *panel, Qt::Orientation growth, bool visible, Growth &record)
{
    QMainWindow *window = m_controls.window;
    auto *grid = qobject_cast<QGridLayout *>(window->centralWidget()->layout());
    const int gridSpacing = !grid ? 0 : growth == Qt::Horizontal ? grid->horizontalSpacing() : grid->verticalSpacing();
    const int spacing = std::max(0, gridSpacing);
    // What the panel takes: the size it asks for when it opens, the size it
    // had when it closes.
    const int extent = spacing + along(growth, visible ? panel->sizeHint() : panel->size());
    // Read before the panel changes it: a layout may grow the window at once.
    const int current = along(growth, window->size());
    panel->setVisible(visible);
    if (window->isMaximized() || window->isFullScreen()) {
        record = {};
        return;
    }
    // The window's smallest size follows the panels, at once rather than
    // when the layouts next run.
    for (QLayout *layout : {window->centralWidget()->layout(), window->layout()}) {
        layout->invalidate();
        layout->activate();
    }
    int wanted = current + (visible ? extent : -extent);
    if (!visible && current == record.after)
        wanted = record.before;
    QSize size = window->size();
    if (growth == Qt::Horizontal)
        size.setWidth(wanted);
    else
        size.setHeight(wanted);
    resizeWithinScreen(window, size);
    record = visible ? Growth{current, along(growth, window->size())} : Growth{};
}

} // namespace parlora
