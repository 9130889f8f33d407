#include "platform/singleinstance.h"

#include <QDeadlineTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace parlora;

namespace {

// The second start blocks while it hands over, as a separate process would;
// a thread stands in for that process so the first can answer meanwhile.
bool handOverFromAnotherStart(const QString &key, const QString &folder, const QStringList &arguments)
{
    std::atomic<bool> done = false;
    bool handed = false;
    std::thread second([&] {
        SingleInstance later(key, folder);
        handed = !later.claim() && later.handOver(arguments, std::chrono::milliseconds(3000));
        done = true;
    });
    // The first answers from its event loop while the second waits.
    QDeadlineTimer deadline(5000);
    while (!done && !deadline.hasExpired())
        QTest::qWait(10);
    second.join();
    return handed;
}

TEST(SingleInstance, ALaterStartHandsItsCommandLineToTheFirst)
{
    QTemporaryDir folder;
    const QString key = SingleInstance::keyFor(folder.filePath(QStringLiteral("portital.per")));
    auto first = std::make_unique<SingleInstance>(key, folder.path());
    ASSERT_TRUE(first->claim());
    QSignalSpy received(first.get(), &SingleInstance::argumentsReceived);

    EXPECT_TRUE(handOverFromAnotherStart(key, folder.path(), {"parlora", "--from", "it", "casa"}));
    ASSERT_EQ(received.size(), 1);
    EXPECT_EQ(received.front().front().toStringList(), (QStringList{"parlora", "--from", "it", "casa"}));

    // Other user files are guarded on their own.
    SingleInstance other(SingleInstance::keyFor(folder.filePath(QStringLiteral("other.per"))), folder.path());
    EXPECT_TRUE(other.claim());

    // Once the first has ended (or crashed, leaving its socket file), the
    // next start is the first again.
    first.reset();
    SingleInstance next(key, folder.path());
    EXPECT_TRUE(next.claim());
}

TEST(SingleInstance, NobodyListeningMeansTheHandOverFails)
{
    QTemporaryDir folder;
    SingleInstance lonely(QStringLiteral("nobody"), folder.path());
    EXPECT_FALSE(lonely.handOver({"parlora"}, std::chrono::milliseconds(200)));
}

} // namespace
