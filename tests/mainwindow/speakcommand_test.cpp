#include "parlorarun.h"

#include <QContextMenuEvent>
#include <QMenu>

namespace parlora::testing {
namespace {

const QString Pt = QStringLiteral("pt");

using SpeakCommand = WindowTest;

// What the speak command reads and in which voice depends on where the focus
// is and on the direction, never on the interface language (Portuguese in
// the test folder); without an engine or a voice it is off and says why.
TEST_F(SpeakCommand, ReadsTheFocusedTextInItsOwnLanguageOrSaysWhyItCannot)
{
    const QLocale::Language it = QLocale::Italian;
    const QLocale::Language pt = QLocale::Portuguese;
    const QString hint = messageText(Pt, 60);
    const QString noPortugueseVoice = messageText(Pt, 62) + QStringLiteral(" Portugu\u00eas %2 %3");
    const struct {
        const char *name;
        bool italianToPortuguese;
        QString query;
        const char *focused;
        QString selected; // the line selected in the focused list
        bool engine;
        QList<QLocale::Language> voices;
        QString toolTip;
        QString said; // empty when nothing may be said
        QLocale::Language voice;
    } cases[] = {
        {"InputInItalian", true, QStringLiteral("cane"), "txtParola", {}, true, {it, pt}, hint,
         QStringLiteral("cane"), it},
        {"TranslationInPortuguese", true, QStringLiteral("cane"), "lstTraduzioni", QStringLiteral("cane --> c\u00e3o"),
         true, {it, pt}, hint, QStringLiteral("c\u00e3o"), pt},
        {"SimilarWordInPortuguese", false, QStringLiteral("gatx"), "lstSimili", QStringLiteral("gato"), true, {pt},
         hint, QStringLiteral("gato"), pt},
        {"TranslationBackInItalian", false, QStringLiteral("c\u00e3o"), "lstTraduzioni",
         QStringLiteral("c\u00e3o --> cane"), true, {it}, hint, QStringLiteral("cane"), it},
        {"NoVoiceForTheTranslation", true, QStringLiteral("cane"), "lstTraduzioni", QStringLiteral("cane --> c\u00e3o"),
         true, {it}, noPortugueseVoice, {}, pt},
        {"NoVoiceForTheInput", false, QStringLiteral("c\u00e3o"), "txtParola", {}, true, {it}, noPortugueseVoice, {},
         pt},
        {"NoEngine", true, QStringLiteral("cane"), "txtParola", {}, false, {}, messageText(Pt, 61), {}, it},
    };
    run.session.settings.SimilarWordSearch = true;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        run.speaker.engine = c.engine;
        run.speaker.voices = c.voices;
        run.speaker.said.clear();
        run.trigger(c.italianToPortuguese ? "menuItaPorto" : "menuPortoIta");
        // No list of earlier queries pops up while typing.
        run.trigger("menuPulisciCronologia");
        run.translate(c.query);
        if (!c.selected.isEmpty()) {
            const int row = run.rowOf(c.focused, c.selected);
            ASSERT_GE(row, 0) << run.lines(c.focused).join(u',').toStdString();
            run.selectRow(c.focused, row);
        }
        run.focus(c.focused);

        for (const char *action : {"menuPronuncia", "tbPronuncia"}) {
            EXPECT_EQ(run.action(action)->isEnabled(), !c.said.isEmpty()) << action;
            EXPECT_EQ(run.action(action)->toolTip(), c.toolTip) << action;
        }
        run.pressKey(c.focused, Qt::Key_F5);
        if (c.said.isEmpty()) {
            EXPECT_TRUE(run.speaker.said.isEmpty());
        } else {
            ASSERT_EQ(run.speaker.said.size(), 1);
            EXPECT_EQ(run.speaker.said[0], std::make_pair(c.said, c.voice));
        }
    }
}

TEST_F(SpeakCommand, ThePopUpMenuReadsTheLinePointedAt)
{
    run.trigger("menuItaPorto");
    run.translate(QStringLiteral("cane"));
    QWidget *viewport = run.list("lstTraduzioni")->viewport();
    const QPoint firstRow = run.list("lstTraduzioni")->visualRect(run.list("lstTraduzioni")->model()->index(0, 0)).center();
    run.focus("txtParola");
    QContextMenuEvent request(QContextMenuEvent::Mouse, firstRow, viewport->mapToGlobal(firstRow));
    QCoreApplication::sendEvent(viewport, &request);
    auto *popup = run.find<QMenu>("menuPopup");
    ASSERT_TRUE(popup->isVisible());
    ASSERT_TRUE(popup->actions().contains(run.action("menuPronuncia")));
    run.trigger("menuPronuncia");
    popup->close();
    ASSERT_EQ(run.speaker.said.size(), 1);
    EXPECT_EQ(run.speaker.said[0], std::make_pair(QStringLiteral("c\u00e3o"), QLocale::Portuguese));
}

} // namespace
} // namespace parlora::testing
