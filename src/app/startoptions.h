#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace parlora {

// What the desktop program was asked to do on its command line:
//   parlora [--from it|pt] [WORD...]   start (or raise the running window)
//                                      with the words looked up
//   parlora --help | --version
struct StartOptions {
    // The words given, as one query; empty when none were.
    QString query;
    // --from it: Italian to Portuguese (true); --from pt: the reverse.
    std::optional<bool> language1ToLanguage2;
    bool helpWanted = false;
    bool versionWanted = false;
    // A usage error, for the terminal; empty when the line was understood.
    QString error;
};

// arguments as the process got them, the program's name first.
StartOptions parseStartOptions(const QStringList &arguments);
QString startOptionsHelp();

} // namespace parlora
