#pragma once

#include "report/laidoutpage.h"

#include <QWidget>

namespace tervano::report {

// The built pages on grey, one under the other, drawn from their laid-out contents at
// the zoom's own resolution so that text stays sharp at every zoom.
class PageView : public QWidget
{
    Q_OBJECT
public:
    explicit PageView(QWidget* parent = nullptr);

    void setReport(const PreparedReport* report);
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }

    // Paper size of the first page at 100 %, in screen pixels.
    QSizeF paperPixelsAtFullSize() const;
    static constexpr double kGap = 10; // grey around and between papers, in pixels

    QSize sizeHint() const override;

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    double pixelsPerUnit() const; // screen pixels per template unit at this zoom
    QSizeF paperPixels(const LaidOutPage& page) const;

    const PreparedReport* m_report = nullptr;
    double m_zoom = 1;
};

} // namespace tervano::report
