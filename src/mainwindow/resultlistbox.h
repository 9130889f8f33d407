#pragma once

#include <QListWidget>

namespace parlora {

// A result list whose horizontal scroll range is set by the program rather
// than by its contents: the translation run widens it only for long lines,
// so that a list of short lines never shows a scroll bar.
class ResultListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ResultListBox(QWidget *parent = nullptr);

    // The width, in pixels, that can be scrolled through; a scroll bar shows
    // when it exceeds the visible width.
    void setHorizontalExtent(int pixels);
    int horizontalExtent() const { return m_extent; }

    // The selected line, or an empty text when none is selected.
    QString selectedText() const;

signals:
    // A double click anywhere in the list, after it has updated the
    // selection, whether or not it hit a line.
    void doubleClickedAnywhere();

protected:
    void updateGeometries() override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void applyExtent();

    int m_extent = 0;
};

} // namespace parlora
