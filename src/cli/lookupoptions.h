#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace parlora::cli {

// What the command line asks of parlora-lookup.
struct LookupOptions {
    QString dataFolder;                  // empty: the program's own
    QStringList directions;              // "it", "pt", or both, in that order
    std::optional<bool> similar;         // absent: the default or the saved option
    std::optional<bool> phrases;
    std::optional<bool> baseForms;
    bool saved = false;                  // take direction and options from the window's settings
    bool json = false;
    bool batch = false;                  // queries from standard input, one per line
    QString query;                       // the words, joined by spaces
    QString language;                    // interface language for the messages
    QString exportPersonalFile;
    bool helpWanted = false;
    bool versionWanted = false;
    QString error;                       // a usage error; the rest is then meaningless
};

// arguments without the program's name; standardInputIsTerminal decides
// whether a command line without words reads queries from standard input.
LookupOptions parseLookupOptions(const QStringList &arguments, bool standardInputIsTerminal);
QString lookupHelpText();
QString lookupUsageLine();

} // namespace parlora::cli
