// Text metrics, wrapping, clipping to the box and the final placement of a line.
#include "report/textlayout.h"
#include "report/textplacement.h"
#include "report/winansi.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace tervano::report;

namespace {
const FontSpec kRegular{u"Arial"_s, 13, false};
const FontSpec kBold{u"Arial"_s, 13, true};
const double kFiveMm = 18.89765;
} // namespace

class TestTextLayout : public QObject
{
    Q_OBJECT

private slots:
    void measuresWithArialMetrics_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<double>("thousandths"); // sum of the advances in 1/1000 em
        QTest::newRow("digits") << u"0123456789"_s << false << 5560.0;
        QTest::newRow("space") << u" "_s << false << 278.0;
        QTest::newRow("accented regular") << u"ÚÃÇá"_s << false << (722.0 + 667 + 722 + 556);
        QTest::newRow("bold label") << u"NOSSO NÚMERO:"_s << true
                                    << (722.0 + 778 + 667 + 667 + 778 + 278 + 722 + 722 + 833 + 667 + 722 + 778 + 333);
        QTest::newRow("euro") << u"€"_s << false << 556.0;
        QTest::newRow("not WinAnsi measured as ?") << u"Ω"_s << false << 556.0;
        QTest::newRow("surrogate pair is one ?") << u"😀"_s << false << 556.0;
    }
    void measuresWithArialMetrics()
    {
        QFETCH(QString, text);
        QFETCH(bool, bold);
        QFETCH(double, thousandths);
        QVERIFY(qFuzzyCompare(textWidth(text, bold ? kBold : kRegular), thousandths * 13 / 1000));
    }

    void encodesWinAnsi_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << u"Pág: 1/1"_s << QByteArray("P\xE1g: 1/1");
        QTest::newRow("accents") << u"ÇÃÚ"_s << QByteArray("\xC7\xC3\xDA");
        QTest::newRow("high block") << u"€“”–"_s << QByteArray("\x80\x93\x94\x96");
        QTest::newRow("greek") << u"Ωa"_s << QByteArray("?a");
        QTest::newRow("emoji") << u"a😀b"_s << QByteArray("a?b");
        QTest::newRow("control") << u"a\tb"_s << QByteArray("a?b");
    }
    void encodesWinAnsi()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(toWinAnsi(text), bytes);
    }

    void wrapsAtWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("width");
        QTest::addColumn<QStringList>("lines");
        const double digit = 556 * 13 / 1000.0;
        const double space = 278 * 13 / 1000.0;
        QTest::newRow("fits") << u"11 22"_s << 100.0 << QStringList{u"11 22"_s};
        QTest::newRow("exact fit") << u"11 22"_s << 4 * digit + space << QStringList{u"11 22"_s};
        QTest::newRow("breaks at space") << u"11 22 33"_s << 4 * digit + space + 1
                                         << QStringList{u"11 22"_s, u"33"_s};
        QTest::newRow("spaces at break dropped") << u"11   22"_s << 2 * digit + 1
                                                 << QStringList{u"11"_s, u"22"_s};
        QTest::newRow("long word split") << u"123456"_s << 4 * digit + 1
                                         << QStringList{u"1234"_s, u"56"_s};
        QTest::newRow("line breaks") << u"a\r\nb\nc"_s << 100.0 << QStringList{u"a"_s, u"b"_s, u"c"_s};
        QTest::newRow("empty paragraph kept") << u"a\r\n\r\nb"_s << 100.0
                                              << QStringList{u"a"_s, QString(), u"b"_s};
        QTest::newRow("leading spaces kept") << u"  a"_s << 100.0 << QStringList{u"  a"_s};
    }
    void wrapsAtWords()
    {
        QFETCH(QString, text);
        QFETCH(double, width);
        QFETCH(QStringList, lines);
        QCOMPARE(wrapText(text, kRegular, width), lines);
    }

    void fiveMillimetreBoxShowsOneLine_data()
    {
        QTest::addColumn<double>("emHeight");
        QTest::addColumn<bool>("bold");
        QTest::newRow("11 px") << 11.0 << false;
        QTest::newRow("13 px") << 13.0 << false;
        QTest::newRow("15 px bold") << 15.0 << true;
    }
    void fiveMillimetreBoxShowsOneLine()
    {
        QFETCH(double, emHeight);
        QFETCH(bool, bold);
        const FontSpec font{u"Arial"_s, emHeight, bold};
        const QRectF box(10, 20, 60, kFiveMm);
        const auto lines = layoutTextBox(box, font, HAlign::Left, u"um dois três quatro cinco seis sete"_s);
        QCOMPARE(lines.size(), size_t(1));
        QCOMPARE(lines[0].lineBox, QRectF(12, 21, 56, fontLineHeight(font)));
        QCOMPARE(lines[0].clip, box);
        QVERIFY(textWidth(lines[0].text, font) <= 56);
    }

    void tallBoxSpacesLinesTwoUnitsApart()
    {
        const QRectF box(0, 0, 40, 100);
        const auto lines = layoutTextBox(box, kRegular, HAlign::Left, u"11 22 33 44 55"_s);
        QVERIFY(lines.size() >= 2);
        QCOMPARE(lines[1].lineBox.top() - lines[0].lineBox.top(), fontLineHeight(kRegular) + 2);
        for (const PageText& line : lines)
            QVERIFY(line.lineBox.bottom() <= box.bottom());
    }

    void emptyTextHasNoLines() { QVERIFY(layoutTextBox(QRectF(0, 0, 50, kFiveMm), kRegular, HAlign::Left, {}).empty()); }

    void placesAlignedText_data()
    {
        QTest::addColumn<int>("align");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("totalPages");
        QTest::addColumn<QString>("expectedText");
        QTest::newRow("left") << int(HAlign::Left) << u"ab"_s << 1 << u"ab"_s;
        QTest::newRow("centre") << int(HAlign::Center) << u"ab"_s << 1 << u"ab"_s;
        QTest::newRow("right with total") << int(HAlign::Right) << u"Pág: 1/[TotalPages#]"_s << 1
                                          << u"Pág: 1/1"_s;
        QTest::newRow("total ignores case") << int(HAlign::Right) << u"[totalpages#]/[TOTALPAGES#]"_s << 12
                                            << u"12/12"_s;
    }
    void placesAlignedText()
    {
        QFETCH(int, align);
        QFETCH(QString, text);
        QFETCH(int, totalPages);
        QFETCH(QString, expectedText);
        const QRectF lineBox(100, 50, 200, fontLineHeight(kRegular));
        const PageText line{text, kRegular, HAlign(align), lineBox, lineBox};
        const PlacedText placed = placeText(line, totalPages);
        QCOMPARE(placed.text, expectedText);
        const double width = textWidth(expectedText, kRegular);
        const double expectedX = align == int(HAlign::Left)     ? 100
                                 : align == int(HAlign::Center) ? 100 + (200 - width) / 2
                                                                : 300 - width;
        QCOMPARE(placed.x, expectedX);
        QCOMPARE(placed.baseline, 50 + fontAscent(kRegular));
    }
};

QTEST_APPLESS_MAIN(TestTextLayout)
#include "tst_textlayout.moc"
