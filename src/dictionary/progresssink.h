#pragma once

#include <QString>

namespace parlora {

// The parts of the window a long operation paints while it runs.
enum class RepaintTarget { MainWindow, StatusBar, TranslationsList };

// Where loading and translating report their progress: the status text, the
// progress bar and explicit repaints (nothing else paints while they run).
// The main window implements it; tests and the terminal tool may record or
// ignore the calls.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void setStatusText(const QString &text) = 0;
    // A maximum of 0, or below the current value, must be accepted.
    virtual void setProgressMaximum(int maximum) = 0;
    virtual void setProgressValue(int value) = 0;
    virtual void setProgressVisible(bool visible) { (void)visible; }
    virtual void repaint(RepaintTarget target) { (void)target; }
};

class NullProgressSink final : public ProgressSink {
public:
    void setStatusText(const QString &) override {}
    void setProgressMaximum(int) override {}
    void setProgressValue(int) override {}
};

} // namespace parlora
