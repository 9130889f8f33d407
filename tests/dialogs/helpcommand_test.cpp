#include "dialogs/helpcommand.h"

#include <gtest/gtest.h>

using namespace parlora;

TEST(HelpCommand, OpensItalianHelpOnlyForTheItalianInterface)
{
    const struct {
        const char *language;
        const char *page;
    } cases[] = {
        {"Italiano", "/opt/parlora/help/help.htm"},   {"English", "/opt/parlora/help/helppt.htm"},
        {"Português", "/opt/parlora/help/helppt.htm"}, {"italiano", "/opt/parlora/help/helppt.htm"},
        {"Italiano ", "/opt/parlora/help/helppt.htm"}, {"", "/opt/parlora/help/helppt.htm"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.language);
        QList<QUrl> opened;

        OpenHelp(ApplicationFolder(QStringLiteral("/opt/parlora")), QString::fromUtf8(c.language),
                 [&](const QUrl &url) { opened << url; });

        ASSERT_EQ(opened.size(), 1);
        EXPECT_EQ(opened[0], QUrl::fromLocalFile(QString::fromUtf8(c.page)));
    }
}
