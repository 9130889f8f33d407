#include "mainwindow/resultlistbox.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

class VisibilityChanges : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
            ++count;
        return false;
    }
};

// A line wider than the list, but short enough to need no scrolling by our
// rule: the view wanted the bar for it and our range took it away again,
// for ever, and the window stopped painting ("Palavra não encontrada" in
// the Portuguese window at its first size). The bar settles either way.
TEST(ResultListBox, HorizontalBarSettlesForLinesWiderThanTheList)
{
    const struct {
        const char *name;
        int extent;
        bool barShown;
    } rows[] = {{"our extent says no bar", 0, false}, {"our extent says a bar", 2000, true}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        parlora::ResultListBox list;
        list.resize(120, 90);
        list.show();
        VisibilityChanges changes;
        list.horizontalScrollBar()->installEventFilter(&changes);
        list.addItem(QStringLiteral("Palavra não encontrada no dicionário principal"));
        list.setHorizontalExtent(row.extent);
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 300)
            QCoreApplication::processEvents();
        EXPECT_LE(changes.count, 2);
        EXPECT_EQ(list.horizontalScrollBar()->isVisible(), row.barShown);
    }
}

} // namespace
