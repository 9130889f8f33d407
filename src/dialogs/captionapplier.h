#pragma once

#include "localisation/captiontable.h"
#include "localisation/interfacelanguage.h"

#include <QStringList>

#include <functional>

class QWidget;

namespace parlora {

// Returns the window that receives one window's texts, or nullptr when that
// window does not exist (it takes the current language when it is made).
using CaptionWindowProvider = std::function<QWidget *(CaptionWindow)>;

// Puts the fixed lines of a language file (in line order) on the windows.
//
// How targets are found, so that the windows can be built to match: every
// control, QAction and QMenu is looked up by objectName with findChild on its
// window ("menuFile", "lblParola1", "tbCut", "Label6", ...); a QMenu gets its
// title, a QAction, label or button its text, a QGroupBox its title. A
// tooltip line gives a widget its tooltip and a (toolbar) action its tooltip
// and text. A control a window does not have is skipped.
void applyCaptions(const QStringList &fixedLines, const CaptionWindowProvider &windows);

// The callback to hand to InterfaceLanguage::setCaptionApplier.
InterfaceLanguage::CaptionApplier captionApplierFor(CaptionWindowProvider windows);

} // namespace parlora
