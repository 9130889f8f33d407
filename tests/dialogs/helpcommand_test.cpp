#include "dialogs/helpcommand.h"

#include <gtest/gtest.h>

using namespace parlora;

TEST(HelpCommand, OpensItalianHelpOnlyForTheItalianInterface)
{
    const struct {
        const char *language;
        const char *document;
    } cases[] = {
        {"Italiano", "/opt/parlora/help/help.htm"},
        {"English", "/opt/parlora/help/helppt.htm"},
        {"Português", "/opt/parlora/help/helppt.htm"},
        {"italiano", "/opt/parlora/help/helppt.htm"},
        {"Italiano ", "/opt/parlora/help/helppt.htm"},
        {"", "/opt/parlora/help/helppt.htm"},
    };
    const ApplicationFolder folder(QStringLiteral("/opt/parlora"));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.language);
        QList<QUrl> opened;

        OpenHelp(folder, QString::fromUtf8(c.language), [&](const QUrl &url) { opened << url; });

        ASSERT_EQ(opened.size(), 1);
        EXPECT_TRUE(opened[0].isLocalFile());
        EXPECT_EQ(opened[0].toLocalFile(), QString::fromUtf8(c.document));
    }
}
