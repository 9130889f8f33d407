#pragma once

#include <QFont>
#include <QFontDatabase>

namespace parlora {

// The small windows were laid out for an 8-point sans-serif face; the
// desktop's own sans-serif face at that size keeps their captions inside the
// places they were given.
inline constexpr qreal DialogPointSize = 8.25;

inline QFont dialogFont(qreal pointSize = DialogPointSize, bool bold = false, bool italic = false,
                        bool underline = false)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

} // namespace parlora
