#pragma once

#include "report/reportsession.h"
#include "report/sheetreport.h"

class QApplication;
class QWidget;

namespace tervano::report {

// Shows the sheet: discards pages built before, opens the preview modal for the whole
// application, maximised, at 100 %, builds the sheet inside it and returns when it closes.
void showReport(QWidget* parent, SheetReport& report, ReportSession& session);

// Loads Qt's own Brazilian Portuguese texts so the print, file and message dialogs
// speak the user's language. Call once after the application object exists.
void installQtPortugueseTranslations(QApplication& app);

} // namespace tervano::report
