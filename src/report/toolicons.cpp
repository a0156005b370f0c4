#include "report/toolicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

using namespace Qt::StringLiterals;

namespace tervano::report {

namespace {

QString themeName(ToolGlyph glyph)
{
    switch (glyph) {
    case ToolGlyph::Print: return u"document-print"_s;
    case ToolGlyph::Pdf: return u"application-pdf"_s;
    case ToolGlyph::ZoomIn: return u"zoom-in"_s;
    case ToolGlyph::ZoomOut: return u"zoom-out"_s;
    case ToolGlyph::FullScreen: return u"view-fullscreen"_s;
    case ToolGlyph::PageSetup: return u"document-page-setup"_s;
    }
    return {};
}

QPixmap drawn(ToolGlyph glyph)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen ink(QColor(0x30, 0x30, 0x30), 2);
    p.setPen(ink);
    switch (glyph) {
    case ToolGlyph::Print:
        p.setBrush(Qt::white);
        p.drawRect(9, 3, 14, 9);
        p.setBrush(QColor(0xb0, 0xb0, 0xb0));
        p.drawRoundedRect(3, 11, 26, 12, 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(9, 18, 14, 11);
        break;
    case ToolGlyph::Pdf: {
        p.setBrush(Qt::white);
        p.drawRect(6, 2, 20, 28);
        QFont font = p.font();
        font.setPixelSize(10);
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(0xc0, 0x10, 0x10));
        p.drawText(QRect(6, 10, 20, 14), Qt::AlignCenter, u"PDF"_s);
        break;
    }
    case ToolGlyph::ZoomIn:
    case ToolGlyph::ZoomOut:
        p.drawEllipse(4, 4, 18, 18);
        p.setPen(QPen(QColor(0x30, 0x30, 0x30), 4));
        p.drawLine(20, 20, 28, 28);
        p.setPen(ink);
        p.drawLine(8, 13, 18, 13);
        if (glyph == ToolGlyph::ZoomIn)
            p.drawLine(13, 8, 13, 18);
        break;
    case ToolGlyph::FullScreen:
        p.drawRect(4, 6, 24, 20);
        p.drawLine(8, 10, 13, 10);
        p.drawLine(8, 10, 8, 15);
        p.drawLine(24, 22, 19, 22);
        p.drawLine(24, 22, 24, 17);
        break;
    case ToolGlyph::PageSetup:
        p.setBrush(Qt::white);
        p.drawRect(7, 2, 18, 28);
        p.setPen(QPen(QColor(0x30, 0x60, 0xc0), 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(10, 6, 12, 20);
        break;
    }
    return pixmap;
}

} // namespace

QIcon toolIcon(ToolGlyph glyph)
{
    return QIcon::fromTheme(themeName(glyph), QIcon(drawn(glyph)));
}

} // namespace tervano::report
