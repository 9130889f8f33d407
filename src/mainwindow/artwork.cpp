#include "mainwindow/artwork.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>

#include <cmath>
#include <functional>
#include <numbers>

namespace parlora::artwork {

namespace {

using Drawing = std::function<void(QPainter &, const QRectF &)>;

// Draws the picture afresh for every requested size and device pixel ratio.
class PaintedIconEngine final : public QIconEngine {
public:
    explicit PaintedIconEngine(Drawing drawing) : m_drawing(std::move(drawing)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        if (mode == QIcon::Disabled)
            painter->setOpacity(DisabledOpacity);
        m_drawing(*painter, QRectF(rect));
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        QPixmap pixmap(size * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine *clone() const override { return new PaintedIconEngine(m_drawing); }

private:
    static constexpr qreal DisabledOpacity = 0.35;
    Drawing m_drawing;
};

QIcon painted(Drawing drawing)
{
    return QIcon(new PaintedIconEngine(std::move(drawing)));
}

// Drawings are made in a unit square and scaled into the target rectangle,
// keeping their proportions.
QRectF centredSquare(const QRectF &rect)
{
    const qreal side = qMin(rect.width(), rect.height());
    return QRectF(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side);
}

void mapUnitSquare(QPainter &p, const QRectF &rect)
{
    const QRectF square = centredSquare(rect);
    p.translate(square.topLeft());
    p.scale(square.width(), square.height());
}

const QColor Outline(60, 60, 60);
const QColor StripFace(214, 219, 230);
const QColor ChevronColour(40, 70, 140);

void drawChevronStrip(QPainter &p, const QRectF &rect, Chevron direction)
{
    p.setPen(QPen(Outline, 1));
    p.setBrush(StripFace);
    p.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);

    // The chevron keeps its size whatever the strip's length.
    const qreal size = qMin(rect.width(), rect.height()) * 0.6;
    const QPointF c = rect.center();
    const qreal h = size / 2;
    QPolygonF arrow;
    switch (direction) {
    case Chevron::Right: arrow << QPointF(c.x() - h / 2, c.y() - h) << QPointF(c.x() + h / 2, c.y()) << QPointF(c.x() - h / 2, c.y() + h); break;
    case Chevron::Left: arrow << QPointF(c.x() + h / 2, c.y() - h) << QPointF(c.x() - h / 2, c.y()) << QPointF(c.x() + h / 2, c.y() + h); break;
    case Chevron::Down: arrow << QPointF(c.x() - h, c.y() - h / 2) << QPointF(c.x(), c.y() + h / 2) << QPointF(c.x() + h, c.y() - h / 2); break;
    case Chevron::Up: arrow << QPointF(c.x() - h, c.y() + h / 2) << QPointF(c.x(), c.y() - h / 2) << QPointF(c.x() + h, c.y() + h / 2); break;
    }
    QPen pen(ChevronColour, qMax<qreal>(1.5, size / 5));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(arrow);
}

// Three vertical stripes in a rounded frame, the way a language is marked on
// a road sign or a phrase book's spine.
void drawLanguageBadge(QPainter &p, const QRectF &r, const QColor &left, const QColor &middle, const QColor &right)
{
    QPainterPath frame;
    frame.addRoundedRect(r, r.height() * 0.15, r.height() * 0.15);
    p.save();
    p.setClipPath(frame);
    const qreal third = r.width() / 3;
    p.fillRect(QRectF(r.left(), r.top(), third, r.height()), left);
    p.fillRect(QRectF(r.left() + third, r.top(), third, r.height()), middle);
    p.fillRect(QRectF(r.left() + 2 * third, r.top(), r.width() - 2 * third, r.height()), right);
    p.restore();
    p.setPen(QPen(Outline, 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(frame);
}

const QColor ItalianGreen(0, 146, 70);
const QColor ItalianWhite(245, 245, 245);
const QColor ItalianRed(206, 43, 55);
const QColor PortugueseGreen(0, 102, 0);
const QColor PortugueseYellow(255, 204, 0);
const QColor PortugueseRed(220, 0, 0);

void drawItalian(QPainter &p, const QRectF &r) { drawLanguageBadge(p, r, ItalianGreen, ItalianWhite, ItalianRed); }
void drawPortuguese(QPainter &p, const QRectF &r) { drawLanguageBadge(p, r, PortugueseGreen, PortugueseYellow, PortugueseRed); }

// Source badge, arrow, target badge, laid out across a wide button face.
void drawDirection(QPainter &p, const QRectF &rect, bool fromItalian)
{
    const qreal h = rect.height() * 0.7;
    const qreal w = h * 1.4;
    const qreal gap = h * 0.5;
    const qreal arrowLength = h * 1.1;
    const qreal total = 2 * w + 2 * gap + arrowLength;
    const qreal x = rect.center().x() - total / 2;
    const qreal y = rect.center().y() - h / 2;
    const QRectF source(x, y, w, h);
    const QRectF target(x + w + 2 * gap + arrowLength, y, w, h);
    if (fromItalian) {
        drawItalian(p, source);
        drawPortuguese(p, target);
    } else {
        drawPortuguese(p, source);
        drawItalian(p, target);
    }
    const qreal ax = x + w + gap;
    const qreal ay = rect.center().y();
    QPen pen(Outline, qMax<qreal>(1.2, h / 8));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.drawLine(QPointF(ax, ay), QPointF(ax + arrowLength, ay));
    p.drawPolyline(QPolygonF() << QPointF(ax + arrowLength - h / 3, ay - h / 3) << QPointF(ax + arrowLength, ay)
                               << QPointF(ax + arrowLength - h / 3, ay + h / 3));
}

// An open book with a green plus: "add to my dictionary".
void drawInsertPair(QPainter &p, const QRectF &rect)
{
    p.save();
    mapUnitSquare(p, rect);
    p.setPen(QPen(Outline, 0.03));
    p.setBrush(QColor(250, 246, 230));
    QPainterPath left;
    left.moveTo(0.5, 0.3);
    left.cubicTo(0.38, 0.22, 0.2, 0.22, 0.08, 0.28);
    left.lineTo(0.08, 0.82);
    left.cubicTo(0.2, 0.76, 0.38, 0.76, 0.5, 0.84);
    left.closeSubpath();
    QPainterPath right;
    right.moveTo(0.5, 0.3);
    right.cubicTo(0.62, 0.22, 0.8, 0.22, 0.92, 0.28);
    right.lineTo(0.92, 0.82);
    right.cubicTo(0.8, 0.76, 0.62, 0.76, 0.5, 0.84);
    right.closeSubpath();
    p.drawPath(left);
    p.drawPath(right);
    p.setPen(QPen(QColor(150, 150, 150), 0.02));
    for (qreal y = 0.4; y < 0.75; y += 0.1) {
        p.drawLine(QPointF(0.15, y), QPointF(0.42, y + 0.02));
        p.drawLine(QPointF(0.58, y + 0.02), QPointF(0.85, y));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 150, 60));
    p.drawEllipse(QPointF(0.78, 0.22), 0.2, 0.2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0.76, 0.1, 0.04, 0.24));
    p.drawRect(QRectF(0.66, 0.2, 0.24, 0.04));
    p.restore();
}

void drawGear(QPainter &p, const QRectF &rect)
{
    p.save();
    mapUnitSquare(p, rect);
    constexpr int Teeth = 8;
    QPainterPath gear;
    for (int i = 0; i < Teeth * 2; ++i) {
        const qreal angle = i * std::numbers::pi / Teeth;
        const qreal radius = (i % 2 == 0) ? 0.44 : 0.34;
        const QPointF point(0.5 + radius * std::cos(angle), 0.5 + radius * std::sin(angle));
        if (i == 0)
            gear.moveTo(point);
        else
            gear.lineTo(point);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(QPointF(0.5, 0.5), 0.13, 0.13);
    p.setPen(QPen(Outline, 0.03));
    p.setBrush(QColor(120, 130, 150));
    p.drawPath(gear.subtracted(hole));
    p.restore();
}

void drawScissors(QPainter &p, const QRectF &rect)
{
    p.save();
    mapUnitSquare(p, rect);
    p.setPen(QPen(Outline, 0.07, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0.3, 0.1), QPointF(0.62, 0.66));
    p.drawLine(QPointF(0.7, 0.1), QPointF(0.38, 0.66));
    p.setPen(QPen(QColor(200, 40, 40), 0.07));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0.3, 0.78), 0.13, 0.13);
    p.drawEllipse(QPointF(0.7, 0.78), 0.13, 0.13);
    p.restore();
}

void drawSheet(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(Outline, 0.04));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(QPen(QColor(140, 140, 140), 0.03));
    for (qreal y = r.top() + 0.12; y < r.bottom() - 0.05; y += 0.1)
        p.drawLine(QPointF(r.left() + 0.07, y), QPointF(r.right() - 0.07, y));
}

void drawCopy(QPainter &p, const QRectF &rect)
{
    p.save();
    mapUnitSquare(p, rect);
    drawSheet(p, QRectF(0.1, 0.08, 0.5, 0.6));
    drawSheet(p, QRectF(0.4, 0.32, 0.5, 0.6));
    p.restore();
}

void drawPaste(QPainter &p, const QRectF &rect)
{
    p.save();
    mapUnitSquare(p, rect);
    p.setPen(QPen(Outline, 0.04));
    p.setBrush(QColor(190, 140, 80));
    p.drawRoundedRect(QRectF(0.12, 0.12, 0.56, 0.78), 0.05, 0.05);
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(0.28, 0.06, 0.24, 0.12));
    drawSheet(p, QRectF(0.42, 0.38, 0.48, 0.56));
    p.restore();
}

// A closed book: the personal dictionary.
void drawBook(QPainter &p, const QRectF &rect)
{
    p.save();
    mapUnitSquare(p, rect);
    p.setPen(QPen(Outline, 0.04));
    p.setBrush(QColor(250, 246, 230));
    p.drawRect(QRectF(0.22, 0.14, 0.62, 0.78));
    p.setBrush(QColor(40, 90, 170));
    p.drawRect(QRectF(0.16, 0.08, 0.62, 0.78));
    p.setBrush(QColor(230, 190, 60));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(0.3, 0.26, 0.34, 0.08));
    p.restore();
}

// A key cap with an accented letter: the keypad.
void drawKeyCap(QPainter &p, const QRectF &rect)
{
    p.save();
    mapUnitSquare(p, rect);
    p.setPen(QPen(Outline, 0.04));
    p.setBrush(QColor(235, 235, 235));
    p.drawRoundedRect(QRectF(0.08, 0.08, 0.84, 0.84), 0.15, 0.15);
    QFont font;
    font.setBold(true);
    font.setPixelSize(64);
    p.setFont(font);
    p.scale(1.0 / 100, 1.0 / 100);
    p.setPen(QColor(40, 40, 40));
    p.drawText(QRectF(0, 0, 100, 100), Qt::AlignCenter, QStringLiteral("\u00e0"));
    p.restore();
}

// Two arrows chasing each other: swap the direction of translation.
void drawSwap(QPainter &p, const QRectF &rect)
{
    p.save();
    mapUnitSquare(p, rect);
    QPen pen(QColor(20, 130, 60), 0.09, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QRectF circle(0.18, 0.18, 0.64, 0.64);
    p.drawArc(circle, 30 * 16, 140 * 16);
    p.drawArc(circle, 210 * 16, 140 * 16);
    p.setBrush(QColor(20, 130, 60));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF() << QPointF(0.06, 0.46) << QPointF(0.32, 0.46) << QPointF(0.19, 0.62));
    p.drawPolygon(QPolygonF() << QPointF(0.68, 0.54) << QPointF(0.94, 0.54) << QPointF(0.81, 0.38));
    p.restore();
}

} // namespace

QIcon chevronStrip(Chevron direction)
{
    return painted([direction](QPainter &p, const QRectF &r) { drawChevronStrip(p, r, direction); });
}

QIcon italianToPortuguese()
{
    return painted([](QPainter &p, const QRectF &r) { drawDirection(p, r, true); });
}

QIcon portugueseToItalian()
{
    return painted([](QPainter &p, const QRectF &r) { drawDirection(p, r, false); });
}

QIcon insertPair()
{
    return painted(drawInsertPair);
}

QIcon toolbarImage(const QString &imageKey)
{
    // Cut, copy and paste follow the desktop's icon theme where it has them.
    if (imageKey == QLatin1String("Cut"))
        return QIcon::fromTheme(QStringLiteral("edit-cut"), painted(drawScissors));
    if (imageKey == QLatin1String("Copy"))
        return QIcon::fromTheme(QStringLiteral("edit-copy"), painted(drawCopy));
    if (imageKey == QLatin1String("Paste"))
        return QIcon::fromTheme(QStringLiteral("edit-paste"), painted(drawPaste));
    if (imageKey == QLatin1String("Opt"))
        return painted(drawGear);
    if (imageKey == QLatin1String("Lib"))
        return painted(drawBook);
    if (imageKey == QLatin1String("Let"))
        return painted(drawKeyCap);
    if (imageKey == QLatin1String("Recycling"))
        return painted(drawSwap);
    return {};
}

QIcon applicationIcon()
{
    return painted([](QPainter &p, const QRectF &r) {
        const QRectF square = centredSquare(r);
        const qreal h = square.height() * 0.42;
        drawItalian(p, QRectF(square.left(), square.top(), square.width() * 0.8, h));
        drawPortuguese(p, QRectF(square.left() + square.width() * 0.2, square.bottom() - h, square.width() * 0.8, h));
    });
}

} // namespace parlora::artwork
