#include "report/pageview.h"

#include "report/pagepainter.h"

#include <QPainter>

namespace tervano::report {

PageView::PageView(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(false);
}

void PageView::setReport(const PreparedReport* report)
{
    m_report = report;
    updateGeometry();
    adjustSize();
    update();
}

void PageView::setZoom(double zoom)
{
    m_zoom = zoom;
    updateGeometry();
    adjustSize();
    update();
}

double PageView::pixelsPerUnit() const
{
    // Template units are 1/96 inch; 100 % shows the paper at its real size.
    return m_zoom * logicalDpiX() / 96.0;
}

QSizeF PageView::paperPixels(const LaidOutPage& page) const
{
    const double perMm = kUnitsPerMm * pixelsPerUnit();
    return {page.setup.paperWidthMm * perMm, page.setup.paperHeightMm * perMm};
}

QSizeF PageView::paperPixelsAtFullSize() const
{
    const PageSetup setup = m_report && !m_report->pages.empty() ? m_report->pages.front().setup : PageSetup{};
    const double perMm = kUnitsPerMm * logicalDpiX() / 96.0;
    return {setup.paperWidthMm * perMm, setup.paperHeightMm * perMm};
}

QSize PageView::sizeHint() const
{
    if (!m_report || m_report->pages.empty())
        return {1, 1};
    double width = 0;
    double height = kGap;
    for (const LaidOutPage& page : m_report->pages) {
        const QSizeF paper = paperPixels(page);
        width = std::max(width, paper.width());
        height += paper.height() + kGap;
    }
    return QSizeF(width + 2 * kGap, height).toSize();
}

void PageView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x80, 0x80, 0x80));
    if (!m_report)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const int total = static_cast<int>(m_report->pages.size());
    double top = kGap;
    for (const LaidOutPage& page : m_report->pages) {
        const QSizeF paper = paperPixels(page);
        const QPointF origin((width() - paper.width()) / 2, top);
        const QRectF sheet(origin, paper);
        painter.fillRect(sheet.translated(3, 3), QColor(0x40, 0x40, 0x40));
        painter.fillRect(sheet, Qt::white);
        painter.save();
        painter.setClipRect(sheet);
        paintPage(painter, page, total, pixelsPerUnit(), origin);
        painter.restore();
        top += paper.height() + kGap;
    }
}

void PageView::mouseDoubleClickEvent(QMouseEvent*)
{
    emit doubleClicked();
}

} // namespace tervano::report
