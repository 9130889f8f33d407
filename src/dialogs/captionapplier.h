#pragma once

#include "localisation/captiontable.h"
#include "localisation/interfacelanguage.h"

#include <QStringList>

#include <functional>

class QWidget;

namespace parlora {

// Returns the window that receives one window's texts. For the options and
// about windows it creates them hidden when they do not exist yet, so they
// show the current language when first opened. May return nullptr when
// there is no such window to set.
using CaptionWindowProvider = std::function<QWidget *(CaptionWindow)>;

// Puts the fixed lines of a language file (in line order) on the windows.
//
// How targets are found, so that the windows can be built to match:
// - every control, QAction and QMenu is looked up by objectName with
//   findChild on its window ("menuFile", "lblParola1", "Label6", ...);
//   a QMenu gets its title, a QAction, label or button its text, a
//   QGroupBox its title;
// - the toolbar buttons are the toolbar's QActions, told apart by the key
//   stored in their QAction::data(): "Opzioni", "Cut", "Copy", "Paste",
//   "Dizionario", "Tastierino", "Recycling"; each gets a tooltip.
// A control a window does not have is skipped.
void applyCaptions(const QStringList &fixedLines, const CaptionWindowProvider &windows);

// The callback to hand to InterfaceLanguage::setCaptionApplier.
InterfaceLanguage::CaptionApplier captionApplierFor(CaptionWindowProvider windows);

} // namespace parlora
