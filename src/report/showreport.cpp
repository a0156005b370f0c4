#include "report/showreport.h"

#include "report/previewwindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

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

void installQtPortugueseTranslations(QApplication& app)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QLocale brazil(QLocale::Portuguese, QLocale::Brazil);
    for (const QString& catalogue : {u"qtbase"_s, u"qt"_s}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(brazil, catalogue, u"_"_s, folder)) {
            QCoreApplication::installTranslator(translator);
            break; // "qt" is a meta catalogue naming "qtbase"; one is enough
        }
        delete translator;
    }
}

} // namespace tervano::report
