#pragma once

#include "app/startupcheck.h"
#include "lookup/collectiontable.h"
#include "report/reportsession.h"
#include "report/sheetreport.h"

#include <QEvent>
#include <QList>
#include <QWidget>

#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

namespace tervano::app {

class NumberEdit;

// The main window: the number entry box, the three buttons, the nine display boxes of
// "Dados de identificação" inside the disabled Panel1, and the status bar. Control
// members carry the controls' names, which are also their object names.
class TfrmPrincipal : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmPrincipal(StartupFolders folders = StartupFolders::current(), QWidget* parent = nullptr);
    ~TfrmPrincipal() override;

    // The private message that runs the start-up check once the window is on screen.
    static const QEvent::Type VerificaArquivoEvent;

    QLabel* Label1 = nullptr;
    NumberEdit* EdtNossoNro = nullptr;
    QPushButton* BtnBuscar = nullptr;
    QPushButton* BtnImprimir = nullptr;
    QPushButton* BtnSair = nullptr;
    QWidget* Panel1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLineEdit* JvEdtCodigo = nullptr;
    QLineEdit* JvEdtUnid = nullptr;
    QLineEdit* JvEdtTrib = nullptr;
    QLineEdit* JvEdtAno = nullptr;
    QLineEdit* JvEdtSubTrib = nullptr;
    QLineEdit* JvEdtParcela = nullptr;
    QLineEdit* JvEdtValor = nullptr;
    QLineEdit* JvEdtDtVenc = nullptr;
    QLineEdit* JvEdtDtEmissao = nullptr;
    QStatusBar* StatusBar1 = nullptr;

    // The nine display boxes in their fixed order (Codigo ... DtEmissao).
    QList<QLineEdit*> displayBoxes() const;

    // The table component "t1".
    lookup::CollectionTable& table() { return t1; }

    // The identification sheet "frxReport1" and what its preview keeps until the program ends.
    report::SheetReport& report() { return frxReport1; }
    report::ReportSession& reportSession() { return m_reportSession; }

    // The status bar's single panel.
    QString statusText() const;
    void setStatusText(const QString& text);
    QLabel* statusPanel() const { return m_statusPanel; }

    // Moves the focus to EdtNossoNro; when it came from another control the entry reset
    // has run before this returns.
    void focusNumberEntry();

    // Posts the quit request (exit code 0); the calling handler runs on to its end.
    void requestQuit();
    // Replaces what requestQuit does (tests count requests instead of ending).
    void setQuitRequest(std::function<void()> quit) { m_quit = std::move(quit); }

    // Runs an event handler through the application's error box.
    bool runHandler(const std::function<void()>& handler);

    const StartupFolders& folders() const { return m_folders; }

    // Layout factor in use: 1 at 96 dots per inch.
    double scale() const { return m_scale; }

    static QColor highlightColor() { return QColor(255, 255, 221); }

public slots:
    void BtnBuscarClick();
    void BtnImprimirClick();
    void BtnSairClick();
    void EdtNossoNroEnter();
    void EdtNossoNroExit();
    void EdtNossoNroKeyPress(QChar& key);
    void FormShow();
    void WMVerificaArquivo();

protected:
    void FormKeyDown(QKeyEvent* event);
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void centreOnScreen();
    QRect scaled(int left, int top, int width, int height) const;
    void setNumberEntryBackground(const QColor& color);

    StartupFolders m_folders;
    lookup::CollectionTable t1{QStringLiteral("t1")};
    report::SheetReport frxReport1;
    report::ReportSession m_reportSession;
    QLabel* m_statusPanel = nullptr;
    double m_scale = 1.0;
    bool m_shownOnce = false;
    std::function<void()> m_quit;
};

} // namespace tervano::app
