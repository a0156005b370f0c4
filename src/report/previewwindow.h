#pragma once

#include "report/laidoutpage.h"
#include "report/reportsession.h"
#include "report/sheetreport.h"
#include "report/zoom.h"

#include <QDialog>

class QAction;
class QComboBox;
class QLabel;
class QScrollArea;
class QStatusBar;
class QToolBar;
class QToolButton;

namespace tervano::report {

class PageView;

// "Visualizar": builds the sheet inside its own loop and offers print, PDF export, zoom,
// full screen, page settings and close.
class PreviewWindow : public QDialog
{
    Q_OBJECT
public:
    PreviewWindow(SheetReport& report, ReportSession& session, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    bool isBuilding() const { return m_building; }
    bool hasBuilt() const { return m_built; }
    const PreparedReport& prepared() const { return m_prepared; }
    int currentPage() const { return m_currentPage; }
    double zoom() const;
    QString statusText() const;
    QString closeText() const;

    QAction* action(const QString& objectName) const;
    QComboBox* zoomBox() const { return m_zoomBox; }

    void reject() override; // Esc and the close button: stop the build, or close

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void startBuild();
    void runBuild();
    void finishBuild();
    void closeOrCancel();

    void print();
    void exportPdf();
    void pageSettings();
    void toggleFullScreen();
    void zoomChosen(int index);
    void setZoom(double zoom);
    void applyZoomMode();
    void updateState();

    SheetReport& m_report;
    ReportSession& m_session;
    PreparedReport m_prepared;
    int m_currentPage = 0;
    bool m_started = false;
    bool m_building = false;
    bool m_cancelRequested = false;
    bool m_built = false;
    ZoomMode m_zoomMode = ZoomMode::Percent;

    QToolBar* m_toolBar = nullptr;
    QStatusBar* m_statusBar = nullptr;
    QLabel* m_status = nullptr;
    QScrollArea* m_scroll = nullptr;
    PageView* m_view = nullptr;
    QComboBox* m_zoomBox = nullptr;
    QAction* m_print = nullptr;
    QAction* m_export = nullptr;
    QAction* m_zoomIn = nullptr;
    QAction* m_zoomOut = nullptr;
    QAction* m_fullScreen = nullptr;
    QAction* m_pageSetup = nullptr;
    QAction* m_close = nullptr;
};

} // namespace tervano::report
