#include "report/pdfexport.h"

#include "common/failure.h"
#include "report/pagegeometry.h"
#include "report/textplacement.h"
#include "report/winansi.h"

#include <QFile>
#include <QSaveFile>
#include <QTimeZone>

#include <hpdf.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

using namespace Qt::StringLiterals;

namespace tervano::report {

namespace {

// libharu reports errors through a callback; the first one is kept and checked after each
// step, since an exception must not cross the C library.
struct HaruErrors
{
    HPDF_STATUS first = HPDF_OK;
};

void onHaruError(HPDF_STATUS error, HPDF_STATUS, void* userData)
{
    auto* errors = static_cast<HaruErrors*>(userData);
    if (errors->first == HPDF_OK)
        errors->first = error;
}

struct DocDeleter
{
    void operator()(HPDF_Doc doc) const { HPDF_Free(doc); }
};
using Doc = std::unique_ptr<std::remove_pointer_t<HPDF_Doc>, DocDeleter>;

// The embedded fonts: Arial where installed, else its metric twin Liberation Sans.
QString trueTypeFile(bool bold)
{
    const QString arial = bold ? u"/usr/share/fonts/truetype/msttcorefonts/Arial_Bold.ttf"_s
                               : u"/usr/share/fonts/truetype/msttcorefonts/Arial.ttf"_s;
    if (QFile::exists(arial))
        return arial;
    return bold ? u"/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf"_s
                : u"/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf"_s;
}

HPDF_Date pdfDate(const QDateTime& when)
{
    const QDate date = when.date();
    const QTime time = when.time();
    const int offsetMinutes = when.offsetFromUtc() / 60;
    HPDF_Date result{};
    result.year = date.year();
    result.month = date.month();
    result.day = date.day();
    result.hour = time.hour();
    result.minutes = time.minute();
    result.seconds = time.second();
    result.ind = offsetMinutes == 0 ? 'Z' : (offsetMinutes > 0 ? '+' : '-');
    result.off_hour = std::abs(offsetMinutes) / 60;
    result.off_minutes = std::abs(offsetMinutes) % 60;
    return result;
}

class PdfWriter
{
public:
    explicit PdfWriter(const PdfExportOptions& options) : m_options(options)
    {
        m_doc.reset(HPDF_New(onHaruError, &m_errors));
        if (!m_doc)
            throw std::bad_alloc();
        HPDF_SetCompressionMode(m_doc.get(), options.compressed ? HPDF_COMP_ALL : HPDF_COMP_NONE);
    }

    bool failed() const { return m_errors.first != HPDF_OK || !m_doc; }

    void setInfo(const QDateTime& now)
    {
        HPDF_Doc doc = m_doc.get();
        HPDF_SetInfoAttr(doc, HPDF_INFO_PRODUCER, "Tervano sheet engine");
        HPDF_SetInfoAttr(doc, HPDF_INFO_AUTHOR, "FastReport");
        HPDF_SetInfoAttr(doc, HPDF_INFO_SUBJECT, "FastReport PDF export");
        HPDF_SetInfoAttr(doc, HPDF_INFO_CREATOR, "");
        HPDF_SetInfoAttr(doc, HPDF_INFO_TITLE, "");
        const HPDF_Date date = pdfDate(now);
        HPDF_SetInfoDateAttr(doc, HPDF_INFO_CREATION_DATE, date);
        HPDF_SetInfoDateAttr(doc, HPDF_INFO_MOD_DATE, date);
    }

    void addPage(const LaidOutPage& laidOut, int totalPages)
    {
        const QSizeF paper = paperSizeMm(laidOut.setup);
        const double paperHeightPt = paper.height() * kPointsPerMm;
        const QPointF origin = printableOriginUnits(laidOut.setup);
        // template units from the printable area -> PDF points from the paper's bottom-left
        auto x = [&](double units) { return pointsFromUnits(origin.x() + units); };
        auto y = [&](double units) { return paperHeightPt - pointsFromUnits(origin.y() + units); };

        HPDF_Page page = HPDF_AddPage(m_doc.get());
        if (!page)
            return;
        HPDF_Page_SetWidth(page, paper.width() * kPointsPerMm);
        HPDF_Page_SetHeight(page, paperHeightPt);

        HPDF_Page_SetRGBStroke(page, 0, 0, 0);
        HPDF_Page_SetLineCap(page, HPDF_BUTT_END);
        for (const PageRule& rule : laidOut.rules) {
            HPDF_Page_SetLineWidth(page, pointsFromUnits(rule.width));
            HPDF_Page_MoveTo(page, x(rule.from.x()), y(rule.from.y()));
            HPDF_Page_LineTo(page, x(rule.to.x()), y(rule.to.y()));
            HPDF_Page_Stroke(page);
        }

        HPDF_Page_SetRGBFill(page, 0, 0, 0);
        for (const PageText& line : laidOut.texts) {
            const PlacedText placed = placeText(line, totalPages);
            const QByteArray bytes = toWinAnsi(placed.text);
            HPDF_Page_GSave(page);
            HPDF_Page_Rectangle(page, x(line.clip.left()), y(line.clip.bottom()),
                                pointsFromUnits(line.clip.width()), pointsFromUnits(line.clip.height()));
            HPDF_Page_Clip(page);
            HPDF_Page_EndPath(page);
            HPDF_Page_BeginText(page);
            HPDF_Page_SetFontAndSize(page, font(line.font.bold), pointsFromUnits(line.font.emHeight));
            HPDF_Page_TextOut(page, x(placed.x), y(placed.baseline), bytes.constData());
            HPDF_Page_EndText(page);
            HPDF_Page_GRestore(page);
        }
    }

    QByteArray bytes()
    {
        HPDF_Doc doc = m_doc.get();
        if (failed() || HPDF_SaveToStream(doc) != HPDF_OK)
            return {};
        QByteArray data(static_cast<qsizetype>(HPDF_GetStreamSize(doc)), Qt::Uninitialized);
        HPDF_UINT32 size = static_cast<HPDF_UINT32>(data.size());
        HPDF_ResetStream(doc);
        HPDF_ReadFromStream(doc, reinterpret_cast<HPDF_BYTE*>(data.data()), &size);
        if (failed() || size != static_cast<HPDF_UINT32>(data.size()))
            return {};
        return data;
    }

private:
    HPDF_Font font(bool bold)
    {
        HPDF_Font& cached = bold ? m_bold : m_regular;
        if (cached)
            return cached;
        const char* name = bold ? "Helvetica-Bold" : "Helvetica";
        if (m_options.embeddedFonts) {
            const QByteArray path = QFile::encodeName(trueTypeFile(bold));
            name = HPDF_LoadTTFontFromFile(m_doc.get(), path.constData(), HPDF_TRUE);
        }
        cached = name ? HPDF_GetFont(m_doc.get(), name, "WinAnsiEncoding") : nullptr;
        return cached;
    }

    PdfExportOptions m_options;
    HaruErrors m_errors;
    Doc m_doc;
    HPDF_Font m_regular = nullptr;
    HPDF_Font m_bold = nullptr;
};

} // namespace

void writePdf(const PreparedReport& report, const QString& path, const PdfExportOptions& options,
              const QDateTime& now)
{
    const int totalPages = static_cast<int>(report.pages.size());
    PdfWriter writer(options);
    writer.setInfo(now);
    for (int number = 1; number <= totalPages; ++number) {
        if (options.pages.empty() ||
            std::find(options.pages.begin(), options.pages.end(), number) != options.pages.end())
            writer.addPage(report.pages[number - 1], totalPages);
    }
    const QByteArray data = writer.bytes();

    // Written beside the target and renamed over it, so a failed export leaves no partial file.
    QSaveFile file(path);
    // commit() replaces the file even when writing the last buffered bytes fails (a full
    // disk): flushing first reports that failure, and the unflushed copy is discarded.
    if (data.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(data) != data.size() ||
        !file.flush() || !file.commit())
        throw Failure(u"Cannot create file "_s + path);
}

} // namespace tervano::report
