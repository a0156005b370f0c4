#include "report/previewwindow.h"

#include "report/enginesettings.h"
#include "report/pageview.h"
#include "report/reportjobs.h"
#include "report/toolicons.h"

#include "common/messagebox.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tervano::report {

PreviewWindow::PreviewWindow(SheetReport& report, ReportSession& session, QWidget* parent)
    : QDialog(parent), m_report(report), m_session(session)
{
    setObjectName(u"PreviewWindow"_s);
    setWindowTitle(u"Visualizar"_s);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setSizeGripEnabled(false);

    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(u"toolBar"_s);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->setMovable(false);

    auto makeAction = [this](const QString& name, const QString& tip, const QIcon& icon) {
        auto* action = new QAction(icon, tip, this);
        action->setObjectName(name);
        action->setToolTip(tip);
        return action;
    };
    m_print = makeAction(u"actionPrint"_s, u"Imprimir (Ctrl+P)"_s, toolIcon(ToolGlyph::Print));
    m_print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    m_print->setShortcutContext(Qt::WindowShortcut);
    m_export = makeAction(u"actionExportPdf"_s, u"Exportar para PDF"_s, toolIcon(ToolGlyph::Pdf));
    m_zoomIn = makeAction(u"actionZoomIn"_s, u"Aumentar zoom"_s, toolIcon(ToolGlyph::ZoomIn));
    m_zoomOut = makeAction(u"actionZoomOut"_s, u"Diminuir zoom"_s, toolIcon(ToolGlyph::ZoomOut));
    m_fullScreen = makeAction(u"actionFullScreen"_s, u"Tela cheia"_s, toolIcon(ToolGlyph::FullScreen));
    m_fullScreen->setCheckable(true);
    m_pageSetup = makeAction(u"actionPageSetup"_s, u"Configurar página"_s, toolIcon(ToolGlyph::PageSetup));
    m_close = makeAction(u"actionClose"_s, u"Fechar"_s, QIcon());

    m_zoomBox = new QComboBox(m_toolBar);
    m_zoomBox->setObjectName(u"zoomBox"_s);
    m_zoomBox->setToolTip(u"Zoom"_s);
    for (const ZoomEntry& entry : zoomList())
        m_zoomBox->addItem(entry.text);
    m_zoomBox->setEditable(false);
    m_zoomBox->setMinimumContentsLength(16);

    m_toolBar->addAction(m_print);
    m_toolBar->addAction(m_export);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_zoomIn);
    m_toolBar->addWidget(m_zoomBox);
    m_toolBar->addAction(m_zoomOut);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_fullScreen);
    m_toolBar->addAction(m_pageSetup);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_close);
    // The close button is the one tool that shows its caption: "Fechar" or "Cancelar".
    if (auto* closeButton = qobject_cast<QToolButton*>(m_toolBar->widgetForAction(m_close)))
        closeButton->setToolButtonStyle(Qt::ToolButtonTextOnly);

    m_view = new PageView;
    m_view->setObjectName(u"pageView"_s);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(u"pageScroll"_s);
    m_scroll->setWidget(m_view);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setWidgetResizable(false);
    // The same grey around the papers as between them.
    QPalette grey = m_scroll->viewport()->palette();
    grey.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    m_scroll->viewport()->setPalette(grey);
    m_scroll->viewport()->setAutoFillBackground(true);

    m_statusBar = new QStatusBar(this);
    m_statusBar->setSizeGripEnabled(false);
    m_status = new QLabel(m_statusBar);
    m_status->setObjectName(u"pageStatus"_s);
    m_statusBar->addWidget(m_status);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_scroll, 1);
    layout->addWidget(m_statusBar);

    connect(m_print, &QAction::triggered, this, &PreviewWindow::print);
    connect(m_export, &QAction::triggered, this, &PreviewWindow::exportPdf);
    connect(m_zoomIn, &QAction::triggered, this, [this] {
        m_zoomMode = ZoomMode::Percent;
        setZoom(zoomIn(zoom()));
    });
    connect(m_zoomOut, &QAction::triggered, this, [this] {
        m_zoomMode = ZoomMode::Percent;
        setZoom(zoomOut(zoom()));
    });
    connect(m_zoomBox, &QComboBox::activated, this, &PreviewWindow::zoomChosen);
    connect(m_fullScreen, &QAction::triggered, this, &PreviewWindow::toggleFullScreen);
    connect(m_pageSetup, &QAction::triggered, this, &PreviewWindow::pageSettings);
    connect(m_close, &QAction::triggered, this, &PreviewWindow::closeOrCancel);
    connect(m_view, &PageView::doubleClicked, this, [this] {
        if (m_fullScreen->isChecked())
            toggleFullScreen();
    });

    m_view->setReport(&m_prepared);
    setZoom(1.0);
    updateState();
}

PreviewWindow::~PreviewWindow() = default;

double PreviewWindow::zoom() const { return m_view->zoom(); }

QString PreviewWindow::statusText() const { return m_status->text(); }

QString PreviewWindow::closeText() const { return m_close->text(); }

QAction* PreviewWindow::action(const QString& objectName) const
{
    return findChild<QAction*>(objectName, Qt::FindDirectChildrenOnly);
}

void PreviewWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        QTimer::singleShot(0, this, &PreviewWindow::startBuild);
    }
}

void PreviewWindow::startBuild()
{
    m_building = true;
    m_cancelRequested = false;
    updateState();
    // One turn of the loop first, so the window is drawn and "Cancelar" can be pressed.
    QTimer::singleShot(0, this, &PreviewWindow::runBuild);
}

void PreviewWindow::runBuild()
{
    if (m_cancelRequested) {
        finishBuild();
        return;
    }
    try {
        m_prepared = m_report.prepare(m_session.services.now(), QLocale());
    } catch (const BuildError& error) {
        finishBuild();
        showMessage(this, u"Erro"_s, buildErrorMessage(error.lines));
        return;
    }
    m_built = true;
    finishBuild();
}

void PreviewWindow::finishBuild()
{
    m_building = false;
    m_currentPage = m_prepared.pages.empty() ? 0 : std::clamp(m_currentPage, 1, int(m_prepared.pages.size()));
    m_view->setReport(&m_prepared);
    applyZoomMode();
    updateState();
}

void PreviewWindow::updateState()
{
    m_close->setText(m_building ? u"Cancelar"_s : u"Fechar"_s);
    m_close->setToolTip(m_close->text());
    const bool hasPages = !m_building && !m_prepared.pages.empty();
    m_print->setEnabled(hasPages);
    m_export->setEnabled(hasPages);
    m_pageSetup->setEnabled(hasPages);
    m_status->setText(m_prepared.pages.empty()
                          ? QString()
                          : u"Página %1 de %2"_s.arg(m_currentPage).arg(m_prepared.pages.size()));
}

void PreviewWindow::closeOrCancel()
{
    if (m_building) {
        m_cancelRequested = true;
        return;
    }
    QDialog::reject();
}

void PreviewWindow::reject()
{
    if (m_fullScreen->isChecked()) {
        toggleFullScreen();
        return;
    }
    closeOrCancel();
}

void PreviewWindow::closeEvent(QCloseEvent* event)
{
    // The window stays while the sheet is being built; closing stops the build instead.
    if (m_building) {
        m_cancelRequested = true;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void PreviewWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    applyZoomMode();
}

void PreviewWindow::print()
{
    if (m_building || m_prepared.pages.empty())
        return;
    printReport(this, m_prepared, m_currentPage, m_session);
}

void PreviewWindow::exportPdf()
{
    if (m_building || m_prepared.pages.empty())
        return;
    exportReport(this, m_prepared, m_currentPage, m_session);
}

void PreviewWindow::pageSettings()
{
    if (m_building || m_prepared.pages.empty())
        return;
    LaidOutPage& page = m_prepared.pages[m_currentPage - 1];
    const MeasureUnit unit = readMeasureUnit(m_session.services.engineSettingsPath);
    const auto choice = m_session.services.dialogs->pageSetup(this, page.setup, unit);
    if (!choice)
        return;
    if (choice->allPages) {
        // Into the template for the rest of the run, then a fresh build.
        m_session.allPagesSetup = choice->setup;
        m_report.setPageSetup(choice->setup);
        startBuild();
        return;
    }
    page.setup = choice->setup;
    m_view->setReport(&m_prepared);
    applyZoomMode();
}

void PreviewWindow::toggleFullScreen()
{
    const bool full = !isFullScreen();
    m_fullScreen->setChecked(full);
    m_toolBar->setVisible(!full);
    m_statusBar->setVisible(!full);
    if (full)
        showFullScreen();
    else
        showMaximized();
}

void PreviewWindow::zoomChosen(int index)
{
    const auto& list = zoomList();
    if (index < 0 || index >= int(list.size()))
        return;
    m_zoomMode = list[index].mode;
    if (m_zoomMode == ZoomMode::Percent)
        setZoom(list[index].percent / 100.0);
    else
        applyZoomMode();
}

void PreviewWindow::setZoom(double zoom)
{
    m_view->setZoom(zoom);
    const auto& list = zoomList();
    const auto it = std::find_if(list.begin(), list.end(), [&](const ZoomEntry& e) {
        return e.mode == m_zoomMode && (m_zoomMode != ZoomMode::Percent || qFuzzyCompare(e.percent, zoom * 100));
    });
    if (it != list.end()) {
        m_zoomBox->setCurrentIndex(int(it - list.begin()));
    } else {
        // A percentage off the list is shown as an extra last entry.
        const int extra = int(list.size());
        if (m_zoomBox->count() == extra)
            m_zoomBox->addItem(QString());
        m_zoomBox->setItemText(extra, zoomText(zoom));
        m_zoomBox->setCurrentIndex(extra);
    }
}

void PreviewWindow::applyZoomMode()
{
    if (m_zoomMode == ZoomMode::Percent)
        return;
    const QSizeF paper = m_view->paperPixelsAtFullSize();
    const QSizeF viewport = m_scroll->viewport()->size();
    // Leave room for the vertical scroll bar in page-width mode.
    const double z = m_zoomMode == ZoomMode::PageWidth
                         ? zoomForPageWidth(paper, viewport - QSizeF(m_scroll->verticalScrollBar()->sizeHint().width(), 0),
                                            PageView::kGap)
                         : zoomForWholePage(paper, viewport, PageView::kGap);
    m_view->setZoom(z);
}

} // namespace tervano::report
