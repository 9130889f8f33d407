#include "app/sessionend.h"
#include "parlorarun.h"
#include "platform/singleinstance.h"
#include "platform/terminationsignals.h"

#include <QTemporaryDir>

#include <csignal>
#include <thread>

namespace parlora::testing {
namespace {

// kill -TERM, a logout or a closed terminal with the window open once lost
// every word of the session: only closing the window saved.
TEST(SessionEnd, ASignalSavesTheWordsBeforeTheProgramEnds)
{
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signalNumber);
        TestFolder folder;
        ParloraRun run(folder.path());
        TerminationSignals terminations;
        ASSERT_TRUE(terminations.isActive());
        saveOnEveryEnd(*qGuiApp, run.window(), terminations);
        run.trigger("menuDizionarioPersonale");
        run.insertPersonal(QStringLiteral("mare"), QStringLiteral("mar"));

        ASSERT_EQ(std::raise(signalNumber), 0);
        QTRY_COMPARE(folder.personalDictionaryLines(), (QStringList{QStringLiteral("mare"), QStringLiteral("mar")}));
    }
}

TEST(SessionEnd, AWordHandedOverBySecondStartIsLookedUp)
{
    TestFolder folder;
    ParloraRun run(folder.path());
    QTemporaryDir runtime;
    SingleInstance instance(QStringLiteral("test"), runtime.path());
    ASSERT_TRUE(instance.claim());
    takeHandedOverStarts(instance, run.window());

    bool handed = false;
    std::thread second([&] {
        SingleInstance later(QStringLiteral("test"), runtime.path());
        handed = later.handOver({"parlora", "--from", "it", "cane"}, std::chrono::milliseconds(3000));
    });
    QTRY_COMPARE(run.lines("lstTraduzioni"), QStringList{QStringLiteral("cane --> c\u00e3o")});
    second.join();
    EXPECT_TRUE(handed);
    EXPECT_TRUE(run.session.settings.Direction);
}

} // namespace
} // namespace parlora::testing
