#pragma once

class QGuiApplication;

namespace parlora {

class MainWindow;
class SingleInstance;
class TerminationSignals;

// However the program ends (the desktop session ends, a signal arrives, the
// event loop is left), what the user changed is saved first, without asking:
// nobody is there to answer.
void saveOnEveryEnd(QGuiApplication &application, MainWindow &window, TerminationSignals &terminations);

// A later start's command line reaches the running window: it comes to the
// front and looks up the words given there.
void takeHandedOverStarts(SingleInstance &instance, MainWindow &window);

} // namespace parlora
