#pragma once

#include "report/reportsession.h"
#include "report/sheetreport.h"

class QWidget;

namespace tervano::report {

// Shows the sheet: discards pages built before, opens the preview modal for the whole
// application, maximised, at 100 %, builds the sheet inside it and returns when it closes.
void showReport(QWidget* parent, SheetReport& report, ReportSession& session);

} // namespace tervano::report
