#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace parlora::cli {

// Exit statuses of parlora-lookup, for scripts.
inline constexpr int ExitFound = 0;
inline constexpr int ExitNotFound = 1;
inline constexpr int ExitFailure = 2;

// Runs one lookup for the command line (arguments without the program name)
// against the application folder, writing results to out and problems to err.
// Returns the exit status. Writes no file.
int runLookup(const QStringList &arguments, const QString &defaultFolder, QTextStream &out, QTextStream &err);

} // namespace parlora::cli
