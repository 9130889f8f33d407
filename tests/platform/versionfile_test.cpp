#include "platform/versionfile.h"

#include <gtest/gtest.h>

using namespace parlora;

namespace {

TEST(VersionFile, AnnouncesTheFirstLineWhenItIsNumbersAndDots)
{
    const struct {
        const char *name;
        QByteArray body;
        const char *announced; // nullptr: nothing announced
    } rows[] = {
        {"plain", "3.1", "3.1"},
        {"firstLineOnly", "3.10\r\n9.9\r\n", "3.10"},
        {"lfOrCrEndsTheLine", "3.2\n<html>", "3.2"},
        {"spacesAroundAreLayout", " \t3.1 \r\n", "3.1"},
        {"leadingZerosAreNumbers", "003.0001", "3.1"},
        {"signInAPart", "3.+1", nullptr},
        {"signedLongPart", "3.0000000000000000006.+000000000.3", nullptr},
        {"minusInAPart", "3.-1", nullptr},
        {"spaceInsideAPart", "3. 1", nullptr},
        {"emptyPart", "3..1", nullptr},
        {"trailingDot", "3.", nullptr},
        {"suffix", "3.1-beta", nullptr},
        {"partPastInt", "3.99999999999", nullptr},
        {"errorPage", "<html>404</html>", nullptr},
        {"emptyFirstLine", "\r\n3.2", nullptr},
        {"empty", "", nullptr},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<QVersionNumber> version = announcedVersion(row.body);
        if (!row.announced) {
            EXPECT_FALSE(version) << version->toString().toStdString();
            continue;
        }
        ASSERT_TRUE(version);
        EXPECT_EQ(version->toString().toStdString(), row.announced);
    }
}

} // namespace
