#pragma once

#include "platform/applicationfolder.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace parlora::cli {

// Exit statuses of parlora-lookup, for scripts.
inline constexpr int ExitFound = 0;
inline constexpr int ExitNotFound = 1;
inline constexpr int ExitFailure = 2;

// Where parlora-lookup reads and writes: the data folder found as the
// desktop program finds it (unless --data names one), standard input for
// batch mode, and the two output streams. A write that fails makes the
// command fail.
struct LookupIo {
    DataFolderSearch dataSearch;
    bool standardInputIsTerminal = true;
    // The next line of standard input, without its end; false at the end.
    std::function<bool(QByteArray &line)> readLine;
    std::function<bool(const QByteArray &bytes)> writeOut;
    std::function<void(const QByteArray &bytes)> writeErr;
    // The process ends right after the run, without freeing anything.
    bool endsAfterRun = false;
};

// Runs parlora-lookup for the command line (without the program's name).
// Returns the exit status. Writes no file but the index cache (and the file
// --export-personal names).
int runLookup(const QStringList &arguments, const LookupIo &io);

} // namespace parlora::cli
