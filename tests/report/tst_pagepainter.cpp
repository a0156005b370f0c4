// The QPainter renderer on an image: rules, text placement and clipping at two resolutions.
#include "report/pagegeometry.h"
#include "report/pagepainter.h"
#include "report/sheetreport.h"
#include "report/textplacement.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace tervano::report;

namespace {

const QDateTime kBuildStart(QDate(2011, 2, 25), QTime(16, 58, 3));

QImage render(const LaidOutPage& page, double scale)
{
    const QSizeF paper = paperSizeMm(page.setup);
    QImage image(qCeil(unitsFromMm(paper.width()) * scale), qCeil(unitsFromMm(paper.height()) * scale),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, page, 1, scale);
    return image;
}

bool dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

// The horizontal extent of ink in the rows between two paper positions (mm).
std::pair<int, int> inkColumns(const QImage& image, double scale, double topMm, double bottomMm)
{
    int left = image.width(), right = -1;
    const int top = qFloor(unitsFromMm(topMm) * scale);
    const int bottom = qCeil(unitsFromMm(bottomMm) * scale);
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 160) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return {left, right};
}

bool anyInk(const QImage& image, double scale, double topMm, double bottomMm, double leftMm, double rightMm)
{
    for (int y = qCeil(unitsFromMm(topMm) * scale); y < qFloor(unitsFromMm(bottomMm) * scale); ++y) {
        for (int x = qCeil(unitsFromMm(leftMm) * scale); x < qFloor(unitsFromMm(rightMm) * scale); ++x) {
            if (qGray(image.pixel(x, y)) < 200)
                return true;
        }
    }
    return false;
}

} // namespace

class TestPagePainter : public QObject
{
    Q_OBJECT

private slots:
    void drawsTheSheet_data()
    {
        QTest::addColumn<double>("scale"); // device pixels per template unit
        QTest::newRow("screen 100%") << 1.0;
        QTest::newRow("printer 300 dpi") << 300.0 / 96;
    }
    void drawsTheSheet()
    {
        QFETCH(double, scale);
        SheetReport report;
        report.setVariable(u"NossoNro"_s, quoteLiteral(u"20110000123"_s));
        const QImage image = render(report.prepare(kBuildStart, QLocale(QLocale::Portuguese, QLocale::Brazil)).pages[0], scale);
        const double pxPerMm = kUnitsPerMm * scale;

        // Line1 lies 280 mm down from 16 mm to 199 mm
        const int ruleY = qFloor(280 * pxPerMm);
        QVERIFY(dark(image, qRound(17 * pxPerMm), ruleY) || dark(image, qRound(17 * pxPerMm), ruleY + 1));
        QVERIFY(dark(image, qRound(198 * pxPerMm), ruleY) || dark(image, qRound(198 * pxPerMm), ruleY + 1));
        QVERIFY(!dark(image, qRound(15 * pxPerMm), ruleY));
        QVERIFY(!dark(image, qRound(200 * pxPerMm), ruleY));

        // the centred title's ink is centred on the box (16 + 183 / 2 = 107.5 mm)
        const auto [titleLeft, titleRight] = inkColumns(image, scale, 10.68, 15.68);
        QVERIFY(titleRight > titleLeft);
        const double centreMm = (titleLeft + titleRight) / 2.0 / pxPerMm;
        QVERIFY2(qAbs(centreMm - 107.5) < 0.5, qPrintable(QString::number(centreMm)));
        // and as wide as the metrics say (ink is a little narrower than the advances)
        const FontSpec titleFont{u"Arial"_s, 15, true};
        const double advanceMm = mmFromUnits(textWidth(u"PREFEITURA MUNICIPAL DE VALDORINHA"_s, titleFont));
        const double inkMm = (titleRight - titleLeft) / pxPerMm;
        QVERIFY2(inkMm < advanceMm && inkMm > advanceMm - 1.0, qPrintable(QString::number(inkMm)));

        // the footer's "Pág: 1/1" ends on the right inner margin (199 mm - 2 units); the ink
        // of the last "1" stops short of its advance by its right side bearing (0.57 mm at 11 px)
        const auto [footLeft, footRight] = inkColumns(image, scale, 281.0, 286.0);
        Q_UNUSED(footLeft);
        const double rightMm = footRight / pxPerMm;
        const double areaRightMm = 199 - mmFromUnits(2);
        QVERIFY2(rightMm < areaRightMm + 0.2 && rightMm > areaRightMm - 0.9, qPrintable(QString::number(rightMm)));

        // the value starts 2 units inside its box at 52 mm
        const auto [valueLeft, valueRight] = inkColumns(image, scale, 40.32, 45.32);
        Q_UNUSED(valueRight);
        QVERIFY(valueLeft / pxPerMm < 17.8); // the label's ink comes first
        QVERIFY(anyInk(image, scale, 40.32, 45.32, 52.0, 60.0));
    }

    void clipsToTheBox()
    {
        // A box line whose glyphs would run past the box's right edge is cut there.
        LaidOutPage page;
        const FontSpec font{u"Arial"_s, 13, false};
        const QRectF box(100, 100, 40, 18.89765);
        page.texts.push_back(PageText{u"MMMMMMMMMMMM"_s, font, HAlign::Left, QRectF(102, 101, 36, 14.5), box});
        const QImage image = render(page, 1.0);
        const QPointF origin = printableOriginUnits(page.setup);
        bool inside = false;
        for (int x = int(origin.x() + 102); x < int(origin.x() + 139); ++x)
            inside = inside || qGray(image.pixel(x, int(origin.y() + 110))) < 128;
        QVERIFY(inside);
        for (int x = int(origin.x() + 141); x < int(origin.x() + 220); ++x)
            QVERIFY2(qGray(image.pixel(x, int(origin.y() + 110))) > 250, qPrintable(QString::number(x)));
    }

    void replacesTheTotalWhenDrawn()
    {
        // The footer drawn for 1 page and for 12 pages differ only in the total's width.
        SheetReport report;
        const LaidOutPage page = report.prepare(kBuildStart, QLocale(QLocale::Portuguese, QLocale::Brazil)).pages[0];
        QImage one(800, 1200, QImage::Format_RGB32), twelve(800, 1200, QImage::Format_RGB32);
        one.fill(Qt::white);
        twelve.fill(Qt::white);
        {
            QPainter p1(&one);
            paintPage(p1, page, 1, 1.0);
            QPainter p12(&twelve);
            paintPage(p12, page, 12, 1.0);
        }
        const auto [oneLeft, oneRight] = inkColumns(one, 1.0, 281.0, 286.0);
        const auto [twelveLeft, twelveRight] = inkColumns(twelve, 1.0, 281.0, 286.0);
        Q_UNUSED(oneLeft);
        Q_UNUSED(twelveLeft);
        QVERIFY(qAbs(oneRight - twelveRight) <= 1); // right-aligned either way
        QVERIFY(one != twelve);
    }
};

QTEST_MAIN(TestPagePainter)
#include "tst_pagepainter.moc"
