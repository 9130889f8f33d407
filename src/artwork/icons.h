#pragma once

#include <QIcon>
#include <QString>

namespace parlora::icons {

// The program's own pictures, by file name without ".svg" (for example
// "chevron-left"); drawn from the SVG at whatever size and scale they are
// shown, so they stay sharp on high-DPI screens.
QIcon artwork(const QString &name);

// A standard action's icon from the desktop's icon theme (for example
// "edit-copy"), with our own picture where the theme has none.
QIcon themed(const QString &themeName, const QString &artworkName);

// Where a picture lives among the resources, for the places that need a
// path rather than an icon.
QString artworkPath(const QString &name);

} // namespace parlora::icons
