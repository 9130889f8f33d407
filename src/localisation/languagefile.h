#pragma once

#include "platform/applicationfolder.h"
#include "platform/textfile.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace parlora {

// A language file starts with the captions and tooltips of the windows, one
// meaningful line each, in a fixed order; every meaningful line after them is
// a message of the numbered table.
inline constexpr int FixedLanguageLineCount = 57;

// Empty lines and lines starting with "#" or "'" are comments. A line of
// spaces, or one whose "#" follows a space, is meaningful.
bool isMeaningfulLanguageLine(QStringView line);

// The next meaningful line of an open language file. A meaningful line is
// never empty, so the empty string means the file ran out before one was
// found.
QString ReadLanguageLine(TextFileReader &file);

struct LanguageFileContents {
    bool ok = false;
    // Why the file could not be used, for the caller that wants to say so.
    QString error;
    QStringList fixedLines;
    // Possibly empty: a file may end right after its fixed lines.
    QStringList messages;
};

// Reads a whole language file. It is usable (ok) only when it was readable
// and held all fixed lines, so that a caller never applies half a language.
LanguageFileContents readLanguageFile(const QString &path);
// The file of a language in the lang folder; a name with a path in it is
// refused.
LanguageFileContents readLanguageFile(const ApplicationFolder &folder, const QString &languageName);

} // namespace parlora
