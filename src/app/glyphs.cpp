#include "app/glyphs.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace tervano::app::glyphs {

namespace {

QImage blank(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void drawMagnifier(QPainter& p, QPointF lens, qreal radius, qreal handle, const QColor& glass,
                   const QColor& rim, const QColor& grip, qreal gripWidth)
{
    const QPointF dir(-0.7071, 0.7071);
    const QPointF from = lens + dir * radius;
    const QPointF to = from + dir * handle;
    p.setPen(QPen(grip, gripWidth, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    p.setPen(QPen(rim, radius / 3.5));
    p.setBrush(glass);
    p.drawEllipse(lens, radius, radius);
}

} // namespace

QPixmap magnifier()
{
    QImage image = blank(16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A dark outline under the handle keeps the orange readable on any face colour.
    drawMagnifier(p, {10, 5.8}, 4.3, 6.2, Qt::transparent, Qt::transparent, QColor(110, 60, 10), 3.6);
    drawMagnifier(p, {10, 5.8}, 4.3, 6.0, QColor(190, 225, 255), QColor(45, 80, 130), QColor(240, 140, 30), 2.4);
    p.setPen(QPen(QColor(255, 255, 255, 220), 1.2));
    p.drawArc(QRectF(7.4, 3.2, 4, 4), 90 * 16, 90 * 16); // glint on the lens
    p.end();
    return QPixmap::fromImage(image);
}

QPixmap printer()
{
    QImage image = blank(16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor outline(70, 70, 70);
    // The sheet rises from the printer's top.
    p.setPen(QPen(QColor(60, 110, 180), 1));
    p.setBrush(QColor(185, 220, 255));
    p.drawRect(QRectF(4.5, 0.5, 7, 8));
    p.setPen(QPen(QColor(90, 140, 200), 1));
    p.drawLine(QPointF(6, 3), QPointF(10, 3));
    p.drawLine(QPointF(6, 5), QPointF(10, 5));
    // Body.
    p.setPen(QPen(outline, 1));
    p.setBrush(QColor(175, 175, 175));
    p.drawRoundedRect(QRectF(0.5, 6.5, 15, 6), 1.2, 1.2);
    p.setBrush(QColor(215, 215, 215));
    p.drawRect(QRectF(2.5, 11.5, 11, 3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 180, 60));
    p.drawRect(QRectF(12, 8, 2, 1.5)); // power light
    p.end();
    return QPixmap::fromImage(image);
}

QPixmap door()
{
    QImage image = blank(16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF doorway(6.5, 1.5, 8, 13);
    // The landscape seen through the doorway: sky above, ground below.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 175, 240));
    p.drawRect(doorway);
    p.setBrush(QColor(80, 165, 60));
    p.drawRect(QRectF(doorway.left(), 9.5, doorway.width(), doorway.bottom() - 9.5));
    p.setBrush(QColor(255, 230, 90));
    p.drawEllipse(QPointF(12.3, 4.2), 1.3, 1.3); // sun
    p.setPen(QPen(QColor(90, 55, 25), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(doorway);
    // The open door, swung towards the viewer at the left.
    QPainterPath leaf;
    leaf.moveTo(6.5, 1.5);
    leaf.lineTo(1.5, 0.5);
    leaf.lineTo(1.5, 15.5);
    leaf.lineTo(6.5, 14.5);
    leaf.closeSubpath();
    p.setBrush(QColor(200, 110, 40));
    p.drawPath(leaf);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 215, 80));
    p.drawEllipse(QPointF(3, 8.5), 0.9, 0.9); // knob
    p.end();
    return QPixmap::fromImage(image);
}

QPixmap greyed(const QPixmap& image)
{
    QImage source = image.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < source.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(source.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const QRgb c = line[x];
            // Lighter than the plain luminance, as a disabled image should be.
            const int grey = 96 + qGray(c) * 150 / 255;
            line[x] = qRgba(grey, grey, grey, qAlpha(c));
        }
    }
    return QPixmap::fromImage(source);
}

QIcon buttonIcon(const QPixmap& image, bool withDisabledImage)
{
    QIcon icon;
    icon.addPixmap(image, QIcon::Normal);
    if (withDisabledImage)
        icon.addPixmap(greyed(image), QIcon::Disabled);
    return icon;
}

QPixmap applicationImage()
{
    QImage image = blank(32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor rim(80, 80, 88);
    const QColor side(160, 162, 170);
    const QColor top(205, 207, 214);
    // Three stacked discs, bottom first, so each upper disc covers the one below.
    for (int disc = 2; disc >= 0; --disc) {
        const qreal y = 5 + disc * 7.5;
        QPainterPath body;
        body.moveTo(3, y + 3);
        body.lineTo(3, y + 9);
        body.arcTo(QRectF(3, y + 6, 22, 6), 180, 180);
        body.lineTo(25, y + 3);
        body.closeSubpath();
        p.setPen(QPen(rim, 1));
        p.setBrush(side);
        p.drawPath(body);
        p.setBrush(top);
        p.drawEllipse(QRectF(3, y, 22, 6));
    }
    // Blue badge with a white magnifier.
    const QRectF badge(16.5, 16.5, 15, 15);
    p.setPen(QPen(QColor(20, 60, 150), 1));
    p.setBrush(QColor(40, 100, 215));
    p.drawRoundedRect(badge, 2.5, 2.5);
    drawMagnifier(p, {26, 21.5}, 3.2, 5.2, Qt::transparent, Qt::white, Qt::white, 2.2);
    p.end();
    return QPixmap::fromImage(image);
}

QIcon applicationIcon() { return QIcon(applicationImage()); }

} // namespace tervano::app::glyphs
