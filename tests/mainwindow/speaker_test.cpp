#include "platform/speaker.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

namespace parlora {
namespace {

// Listing speech-dispatcher's voices takes seconds; the windows must not
// wait for it. Whatever this machine has (no plugin, no service, voices),
// the first question is answered at once and the answer follows.
TEST(TextToSpeechSpeaker, AnswersAtOnceAndTellsWhenTheEngineHasStarted)
{
#if defined(__SANITIZE_ADDRESS__)
    // The real speech service is asked here. Under AddressSanitizer its
    // client library's string searches over espeak-ng's long voice list are
    // checked byte by byte and take minutes; the plain build runs this.
    GTEST_SKIP() << "asks the machine's real speech service";
#endif
    constexpr qint64 AtOnceMs = 500;
    constexpr int StartMs = 60000;
    TextToSpeechSpeaker speaker;
    int told = 0;
    speaker.setAvailabilityListener([&told] { ++told; });

    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(speaker.availability(QLocale::Italian), Speaker::Availability::Starting);
    EXPECT_EQ(speaker.availability(QLocale::Portuguese), Speaker::Availability::Starting);
    EXPECT_LT(clock.elapsed(), AtOnceMs);

    ASSERT_TRUE(QTest::qWaitFor([&told] { return told > 0; }, StartMs));
    EXPECT_EQ(told, 1);
    EXPECT_NE(speaker.availability(QLocale::Italian), Speaker::Availability::Starting);
    // Nothing to say is never said, and no voice means silence, not a crash.
    speaker.say(QStringLiteral("  "), QLocale::Italian);
    speaker.say(QStringLiteral("ola"), QLocale::Tongan);

    // Ended while still starting: it goes at once, and the start drops
    // its engine.
    auto early = std::make_unique<TextToSpeechSpeaker>();
    (void)early->availability(QLocale::Italian);
    early.reset();
}

} // namespace
} // namespace parlora
