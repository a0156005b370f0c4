#include "report/reportsession.h"

#include "report/enginesettings.h"

#include <QDesktopServices>
#include <QPrinterInfo>
#include <QUrl>

namespace tervano::report {

ReportServices ReportServices::production()
{
    ReportServices services;
    services.dialogs = makeQtReportDialogs();
    services.printers.names = [] { return QPrinterInfo::availablePrinterNames(); };
    services.printers.defaultName = [] { return QPrinterInfo::defaultPrinterName(); };
    services.openFile = [](const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };
    services.now = [] { return QDateTime::currentDateTime(); };
    services.engineSettingsPath = defaultEngineSettingsPath();
    return services;
}

} // namespace tervano::report
