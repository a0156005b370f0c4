#include "report/showreport.h"

#include "report/previewwindow.h"

namespace tervano::report {

void showReport(QWidget* parent, SheetReport& report, ReportSession& session)
{
    if (session.allPagesSetup)
        report.setPageSetup(*session.allPagesSetup);
    // A new window starts with no pages: those of the last preview are gone with it.
    PreviewWindow window(report, session, parent);
    window.setWindowModality(Qt::ApplicationModal);
    window.setWindowState(Qt::WindowMaximized);
    window.exec();
}

} // namespace tervano::report
