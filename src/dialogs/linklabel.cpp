#include "dialogs/linklabel.h"

#include <QMouseEvent>

namespace parlora {

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(colours);
    setAlignment(Qt::AlignCenter);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    // Only a release over the label counts, so dragging away cancels.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace parlora
