#pragma once

#include "buildconfig.h"

#include <QString>
#include <QStringList>

#include <span>

namespace parlora {

// The program's version, shown after the about window's version caption; it
// comes from the build (CMake's project version).
inline constexpr auto ProgramVersionText = PARLORA_VERSION;

// The three windows whose texts a language file sets.
enum class CaptionWindow { Main, Config, Info };

// What a fixed line of a language file sets on its target.
enum class CaptionKind {
    Text,        // caption of a menu, action, label, button, check box or frame
    WindowTitle, // the window's own title
    ToolTip,     // tooltip of the control or toolbar action named by the target
};

struct CaptionLine {
    int line; // 1-based, counting meaningful lines only
    CaptionWindow window;
    // The objectName of the control or action, or empty for the window
    // itself.
    const char *target;
    CaptionKind kind;
    // What the control shows before any language file; empty for none.
    const char *builtIn;
};

// After the lines are set, some controls repeat another's caption: the
// pop-up menus carry the same commands as the menu bar.
struct CaptionCopy {
    const char *from;
    const char *to;
};

// One entry per fixed line, in line order.
std::span<const CaptionLine> captionTable();
// In the order they are made; a later copy may read an earlier one's target.
std::span<const CaptionCopy> captionCopies();

// The text a fixed line puts on its target: the first line gets the "&" of
// its accelerator, the version line gets the version number.
QString captionText(const CaptionLine &entry, const QString &line);

// The captions the windows show before any language file: the Italian ones,
// one per fixed line, as a language file would give them.
QStringList builtInCaptionLines();

} // namespace parlora
