#pragma once

#include "platform/applicationfolder.h"

#include <QByteArray>
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

// The text of a language file's bytes. Files written by the Windows program
// are Windows-1252; a file saved by a Linux editor is usually UTF-8. A UTF-8
// byte-order mark, or bytes that are valid UTF-8 and not plain ASCII, make it
// UTF-8; anything else is read as Windows-1252, so no byte is ever refused.
QString decodeLanguageFileText(const QByteArray &bytes);

// The lines of a text: CR LF, CR and LF all end a line; the terminators are
// not part of the lines.
QStringList splitLanguageFileLines(QStringView text);

// Why a language cannot be used, so that a window can say it in the user's
// own language.
enum class LanguageFileProblem {
    None,
    NotALanguageName, // a name with a folder separator in it
    Missing,          // no such file (or not a regular file)
    Unreadable,       // detail: the system's reason
    TooFewCaptions,   // detail: how many caption lines the file has
};

struct LanguageFileContents {
    bool ok = false;
    LanguageFileProblem problem = LanguageFileProblem::None;
    // The file that was read (or looked for).
    QString path;
    QString detail;
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

// The names of the languages whose files in the lang folder can be applied,
// sorted, so that the list reads the same on every file system. Only names
// ending in a lower-case ".lng" are language files.
QStringList usableLanguageNames(const ApplicationFolder &folder);

} // namespace parlora
