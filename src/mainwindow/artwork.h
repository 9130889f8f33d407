#pragma once

#include <QIcon>

namespace parlora::artwork {

// The window's pictures, drawn as vectors at whatever size and scale they are
// shown, so they stay sharp on high-DPI screens without image files.

enum class Chevron { Left, Right, Up, Down };
// A strip with a chevron, for the buttons that open and close the panels.
QIcon chevronStrip(Chevron direction);

// The direction pictures on the translate button: the source language's
// colours, an arrow, the target language's colours.
QIcon italianToPortuguese();
QIcon portugueseToItalian();

// The picture that inserts a pair into the personal dictionary.
QIcon insertPair();

// Toolbar images, by the image keys of the toolbar.
QIcon toolbarImage(const QString &imageKey);

// The window icon.
QIcon applicationIcon();

} // namespace parlora::artwork
