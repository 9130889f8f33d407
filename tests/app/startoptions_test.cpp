#include "app/startoptions.h"

#include <gtest/gtest.h>

using namespace parlora;

namespace {

TEST(StartOptions, WordsAndDirectionFromTheCommandLine)
{
    const struct {
        const char *name;
        QStringList arguments;
        QString query;
        std::optional<bool> forward;
        bool error;
    } rows[] = {
        {"Nothing", {}, {}, std::nullopt, false},
        {"WordsMakeOneQuery", {"buona", "sera"}, "buona sera", std::nullopt, false},
        {"Italian", {"--from", "it", "casa"}, "casa", true, false},
        {"Portuguese", {"--from=pt", "casa"}, "casa", false, false},
        {"HyphenatedWordAfterDashes", {"--", "-mente"}, "-mente", std::nullopt, false},
        {"UnknownLanguage", {"--from", "fr", "casa"}, {}, std::nullopt, true},
        {"UnknownOption", {"--colour", "casa"}, {}, std::nullopt, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const StartOptions options = parseStartOptions(QStringList{"parlora"} + row.arguments);
        EXPECT_EQ(!options.error.isEmpty(), row.error) << options.error.toStdString();
        if (row.error)
            continue;
        EXPECT_EQ(options.query, row.query);
        EXPECT_EQ(options.language1ToLanguage2, row.forward);
    }
    EXPECT_TRUE(parseStartOptions({"parlora", "--help"}).helpWanted);
    EXPECT_TRUE(parseStartOptions({"parlora", "--version"}).versionWanted);
    EXPECT_TRUE(startOptionsHelp().contains(QStringLiteral("--from")));
}

} // namespace
