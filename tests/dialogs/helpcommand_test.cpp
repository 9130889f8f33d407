#include "dialogs/helpcommand.h"

#include <gtest/gtest.h>

using namespace parlora;

// The English interface once opened the Portuguese help.
TEST(HelpCommand, OpensTheHelpPageOfTheInterfaceLanguage)
{
    const struct {
        const char *language;
        const char *page;
    } cases[] = {
        {"Italiano", "/opt/parlora/help/help.htm"},   {"English", "/opt/parlora/help/helpen.htm"},
        {"Português", "/opt/parlora/help/helppt.htm"}, {"italiano", "/opt/parlora/help/helpen.htm"},
        {"Deutsch", "/opt/parlora/help/helpen.htm"},   {"", "/opt/parlora/help/helpen.htm"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.language);
        QList<QUrl> opened;

        EXPECT_TRUE(OpenHelp(ApplicationFolder(QStringLiteral("/opt/parlora")), QString::fromUtf8(c.language),
                             [&](const QUrl &url) {
                                 opened << url;
                                 return true;
                             }));

        ASSERT_EQ(opened.size(), 1);
        EXPECT_EQ(opened[0], QUrl::fromLocalFile(QString::fromUtf8(c.page)));
    }
}
