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
    QScrollBar *bar = horizontalScrollBar();
    const int visible = viewport()->width();
    bar->setPageStep(visible);
    bar->setRange(0, qMax(0, m_extent - visible));
}

} // namespace parlora
