#pragma once

#include "platform/textfile.h"

#include <QString>

namespace parlora {

// The settings byte can name only the three shipped interface languages; a
// language of the user's own is remembered by name in a small file beside
// the settings file, so that it comes back at the next start.
inline const QString RememberedLanguageFileName = QStringLiteral("language.txt");

// The file beside the given settings file.
QString rememberedLanguageFile(const QString &settingsFile);

// The name in the file (UTF-8, first line); empty when there is none.
QString readRememberedLanguage(const QString &path);
// Replaces the file atomically.
SaveResult rememberLanguage(const QString &path, const QString &name);

// Whether the settings byte names one of the three shipped languages (when
// it does, it wins: an older Parlora may have written it after the name was
// remembered).
bool settingsByteNamesLanguage(quint8 settingsByte);

} // namespace parlora
