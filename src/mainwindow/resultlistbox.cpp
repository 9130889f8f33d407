#include "mainwindow/resultlistbox.h"

#include <QMouseEvent>
#include <QScrollBar>

namespace parlora {

ResultListBox::ResultListBox(QWidget *parent) : QListWidget(parent)
{
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
}

void ResultListBox::setHorizontalExtent(int pixels)
{
    m_extent = pixels;
    applyExtent();
}

QString ResultListBox::selectedText() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.constFirst()->text();
}

void ResultListBox::updateGeometries()
{
    // The view recomputes its ranges from the items here; ours wins.
    QListWidget::updateGeometries();
    applyExtent();
}

void ResultListBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClickedAnywhere();
}

void ResultListBox::applyExtent()
{
    // Whether the bar shows is ours to say too. Left to the view, it showed
    // the bar for a line wider than the list, our range then hid it, the
    // view laid itself out again and showed it: the window froze.
    const int visible = viewport()->width();
    const Qt::ScrollBarPolicy policy = m_extent > visible ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    if (horizontalScrollBarPolicy() != policy)
        setHorizontalScrollBarPolicy(policy);
    QScrollBar *bar = horizontalScrollBar();
    bar->setPageStep(visible);
    bar->setRange(0, qMax(0, m_extent - visible));
}

} // namespace parlora
