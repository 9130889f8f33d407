#include "parlorarun.h"

#include <QProgressBar>

#include <gtest/gtest.h>

namespace parlora::testing {
namespace {

// Loading and translating report maxima of 0 and values past the maximum;
// the bar must neither turn into a busy indicator nor drop the value.
TEST(ProgressDisplay, ClampsValuesAndAcceptsAnEmptyRange)
{
    TestFolder folder;
    ParloraRun run(folder.path());
    ProgressSink &sink = run.window();
    auto *bar = run.find<QProgressBar>("barAtividade");
    ASSERT_NE(bar, nullptr);

    const struct {
        const char *name;
        int maximum;
        int value;
        int shownFraction; // in percent of the bar
    } cases[] = {
        {"InRange", 200, 50, 25},
        {"PastTheMaximum", 200, 450, 100},
        {"EmptyRange", 0, 30, 0},
        {"Negative", 100, -5, 0},
    };
    for (const auto &c : cases) {
        sink.setProgressMaximum(c.maximum);
        sink.setProgressValue(c.value);
        EXPECT_GT(bar->maximum(), bar->minimum()) << c.name;
        const int percent = (bar->value() - bar->minimum()) * 100 / (bar->maximum() - bar->minimum());
        EXPECT_EQ(percent, c.shownFraction) << c.name;
    }

    // A maximum lowered below the value keeps the bar full, not empty.
    sink.setProgressMaximum(1000);
    sink.setProgressValue(800);
    sink.setProgressMaximum(400);
    EXPECT_EQ(bar->value(), bar->maximum());

    sink.setStatusText(QStringLiteral("loading"));
    EXPECT_EQ(run.statusText(), QStringLiteral("loading"));
}

} // namespace
} // namespace parlora::testing
