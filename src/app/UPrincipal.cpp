#include "app/UPrincipal.h"

#include "app/centring.h"
#include "app/errorguard.h"
#include "app/glyphs.h"
#include "app/numberedit.h"
#include "common/messagebox.h"
#include "lookup/recordsearch.h"
#include "report/showreport.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QStyleFactory>

namespace tervano::app {

const QEvent::Type TfrmPrincipal::VerificaArquivoEvent =
    static_cast<QEvent::Type>(QEvent::registerEventType(QEvent::User + 1));

namespace {

// "MS Sans Serif" 8 pt, or the closest sans-serif face this system has.
QFont windowFont(bool bold = false)
{
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    font.setBold(bold);
    return font;
}

// The window font's text height on this screen over its height at 96 dots per inch:
// with the original face that is the measured height over 13.
double measuredLayoutScale(const QFont& font)
{
    QImage at96Dpi(1, 1, QImage::Format_ARGB32);
    at96Dpi.setDotsPerMeterX(3780);
    at96Dpi.setDotsPerMeterY(3780);
    return layoutScale(QFontMetricsF(font).height(), QFontMetricsF(font, &at96Dpi).height());
}

// Disabled controls keep their normal look: the disabled colours are the active ones.
void keepLookWhenDisabled(QPalette& palette)
{
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = static_cast<QPalette::ColorRole>(role);
        palette.setColor(QPalette::Disabled, r, palette.color(QPalette::Active, r));
    }
}

void setColorInAllGroups(QPalette& palette, QPalette::ColorRole role, const QColor& color)
{
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, role, color);
}

// The classic Windows look the window's layout was drawn for: etched group frame through
// its caption, sunken edit borders. Shared by the window's controls for the whole run;
// message boxes and other windows keep the desktop's style.
QStyle* classicStyle()
{
    static QStyle* style = [] {
        QStyle* created = QStyleFactory::create(QStringLiteral("Windows"));
        if (created)
            created->setParent(qApp);
        return created;
    }();
    return style;
}

} // namespace

TfrmPrincipal::TfrmPrincipal(StartupFolders folders, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_folders(std::move(folders))
{
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(QStringLiteral("Tervano"));
    setFont(windowFont());
    m_scale = measuredLayoutScale(font());

    QPalette face = palette();
    setColorInAllGroups(face, QPalette::Window, face.color(QPalette::Active, QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);

    buildControls();
    if (QStyle* classic = classicStyle()) {
        setStyle(classic);
        for (QWidget* child : findChildren<QWidget*>())
            child->setStyle(classic);
    }
    setFixedSize(scaled(0, 0, 340, 443).size());

    // Key preview: the window sees every key before the focused control does.
    qApp->installEventFilter(this);
}

TfrmPrincipal::~TfrmPrincipal() = default;

QRect TfrmPrincipal::scaled(int left, int top, int width, int height) const
{
    return {qRound(left * m_scale), qRound(top * m_scale), qRound(width * m_scale), qRound(height * m_scale)};
}

void TfrmPrincipal::buildControls()
{
    const auto placeLabel = [this](QLabel* label, const QString& name, QRect at) {
        label->setObjectName(name);
        label->setFont(windowFont());
        label->setTextFormat(Qt::PlainText);
        at.setWidth(std::max(at.width(), label->sizeHint().width()));
        at.setHeight(std::max(at.height(), label->sizeHint().height()));
        label->setGeometry(at);
    };
    const auto makeButton = [this](const QString& name, const QString& text, const QIcon& icon, QRect at) {
        auto* button = new QPushButton(icon, text, this);
        button->setObjectName(name);
        button->setIconSize(QSize(16, 16));
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setGeometry(at);
        return button;
    };

    // Created in tab order: the window's focus chain follows creation.
    Label1 = new QLabel(QStringLiteral("Nosso Número:"), this);
    EdtNossoNro = new NumberEdit(this);
    EdtNossoNro->setObjectName(QStringLiteral("EdtNossoNro"));
    EdtNossoNro->setGeometry(scaled(28, 33, 105, 21));
    placeLabel(Label1, QStringLiteral("Label1"), scaled(28, 17, 73, 13));
    Label1->setBuddy(EdtNossoNro);

    BtnBuscar = makeButton(QStringLiteral("BtnBuscar"), QStringLiteral("Buscar"),
                           glyphs::buttonIcon(glyphs::magnifier(), false), scaled(138, 32, 79, 25));
    BtnImprimir = makeButton(QStringLiteral("BtnImprimir"), QStringLiteral("Imprimir"),
                             glyphs::buttonIcon(glyphs::printer(), true), scaled(232, 32, 75, 25));
    BtnImprimir->setEnabled(false);
    BtnSair = makeButton(QStringLiteral("BtnSair"), QStringLiteral("Sair"),
                         glyphs::buttonIcon(glyphs::door(), true), scaled(232, 384, 75, 25));
    setTabOrder(EdtNossoNro, BtnBuscar);
    setTabOrder(BtnBuscar, BtnImprimir);
    setTabOrder(BtnImprimir, BtnSair);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(scaled(8, 64, 321, 309));
    QPalette panelPalette = Panel1->palette();
    keepLookWhenDisabled(panelPalette);
    Panel1->setPalette(panelPalette);
    Panel1->setEnabled(false);

    GroupBox1 = new QGroupBox(QStringLiteral("Dados de identificação"), Panel1);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setFont(windowFont(true));
    GroupBox1->setGeometry(scaled(22, 16, 277, 288));

    struct Row
    {
        QLabel** label;
        const char16_t* labelName;
        const char16_t* text;
        int labelLeft, labelTop, labelWidth;
        QLineEdit** box;
        const char16_t* boxName;
        int boxTop;
        QColor background; // invalid: the system's window colour
    };
    const Row rows[] = {
        {&Label2, u"Label2", u"Código:", 27, 31, 36, &JvEdtCodigo, u"JvEdtCodigo", 29, QColor(255, 255, 0)},
        {&Label3, u"Label3", u"Unid.:", 27, 59, 28, &JvEdtUnid, u"JvEdtUnid", 55, {}},
        {&Label4, u"Label4", u"Trib.:", 27, 87, 24, &JvEdtTrib, u"JvEdtTrib", 82, {}},
        {&Label5, u"Label5", u"Ano:", 27, 113, 22, &JvEdtAno, u"JvEdtAno", 109, {}},
        {&Label6, u"Label6", u"Sub-Trib.:", 27, 139, 46, &JvEdtSubTrib, u"JvEdtSubTrib", 136, {}},
        {&Label7, u"Label7", u"Parcela:", 27, 166, 39, &JvEdtParcela, u"JvEdtParcela", 163,
         QColor(255, 255, 128)},
        {&Label8, u"Label8", u"Valor:", 26, 192, 27, &JvEdtValor, u"JvEdtValor", 189, QColor(255, 198, 198)},
        {&Label9, u"Label9", u"Dt. Venc.:", 27, 219, 48, &JvEdtDtVenc, u"JvEdtDtVenc", 216, {}},
        {&Label10, u"Label10", u"Dt. Emiss.:", 27, 246, 50, &JvEdtDtEmissao, u"JvEdtDtEmissao", 243, {}},
    };
    for (const Row& row : rows) {
        auto* box = new QLineEdit(GroupBox1);
        box->setObjectName(QString::fromUtf16(row.boxName));
        box->setFont(windowFont(true));
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        box->setContextMenuPolicy(Qt::NoContextMenu);
        box->setGeometry(scaled(80, row.boxTop, 121, 21));
        QPalette boxPalette = box->palette();
        setColorInAllGroups(boxPalette, QPalette::Base,
                            row.background.isValid() ? row.background
                                                     : boxPalette.color(QPalette::Active, QPalette::Base));
        setColorInAllGroups(boxPalette, QPalette::Text, QColor(128, 128, 128));
        box->setPalette(boxPalette);
        *row.box = box;

        auto* label = new QLabel(QString::fromUtf16(row.text), GroupBox1);
        placeLabel(label, QString::fromUtf16(row.labelName),
                   scaled(row.labelLeft, row.labelTop, row.labelWidth, 13));
        label->setBuddy(box);
        *row.label = label;
    }

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFont(QApplication::font("QStatusBar"));
    StatusBar1->setGeometry(scaled(0, 424, 340, 19));
    m_statusPanel = new QLabel(StatusBar1);
    m_statusPanel->setObjectName(QStringLiteral("StatusBar1Panel"));
    m_statusPanel->setTextFormat(Qt::PlainText);
    m_statusPanel->setWordWrap(false);
    m_statusPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_statusPanel->setIndent(2);
    // A long path is cut at the panel's right edge; it never widens the bar.
    m_statusPanel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_statusPanel->setMinimumWidth(1);
    QPalette statusPalette = m_statusPanel->palette();
    setColorInAllGroups(statusPalette, QPalette::WindowText, statusPalette.color(QPalette::ButtonText));
    m_statusPanel->setPalette(statusPalette);
    StatusBar1->addWidget(m_statusPanel, 1);

    connect(BtnBuscar, &QPushButton::clicked, this, [this] { runHandler([this] { BtnBuscarClick(); }); });
    connect(BtnImprimir, &QPushButton::clicked, this, [this] { runHandler([this] { BtnImprimirClick(); }); });
    connect(BtnSair, &QPushButton::clicked, this, [this] { runHandler([this] { BtnSairClick(); }); });
    connect(EdtNossoNro, &NumberEdit::entered, this, [this] { runHandler([this] { EdtNossoNroEnter(); }); });
    connect(EdtNossoNro, &NumberEdit::exited, this, [this] { runHandler([this] { EdtNossoNroExit(); }); });
    EdtNossoNro->setKeyPressHandler([this](QChar& key) { runHandler([&] { EdtNossoNroKeyPress(key); }); });
}

QList<QLineEdit*> TfrmPrincipal::displayBoxes() const
{
    return {JvEdtCodigo,  JvEdtUnid,  JvEdtTrib,   JvEdtAno,      JvEdtSubTrib,
            JvEdtParcela, JvEdtValor, JvEdtDtVenc, JvEdtDtEmissao};
}

QString TfrmPrincipal::statusText() const
{
    return m_statusPanel->text();
}

void TfrmPrincipal::setStatusText(const QString& text)
{
    m_statusPanel->setText(text);
}

void TfrmPrincipal::focusNumberEntry()
{
    EdtNossoNro->enterFromCode();
}

void TfrmPrincipal::requestQuit()
{
    if (m_quit) {
        m_quit();
        return;
    }
    QMetaObject::invokeMethod(
        qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

bool TfrmPrincipal::runHandler(const std::function<void()>& handler)
{
    return runGuarded(this, handler);
}

namespace {

// The window as the record search sees it.
class WindowSearchView : public lookup::SearchView
{
public:
    explicit WindowSearchView(TfrmPrincipal& window) : m_window(window) {}
    QString numberText() const override { return m_window.EdtNossoNro->text(); }
    void setDisplayText(int box, const QString& text) override
    {
        m_window.displayBoxes().at(box)->setText(text);
    }
    void setPrintEnabled(bool enabled) override { m_window.BtnImprimir->setEnabled(enabled); }
    void focusNumberEntry() override { m_window.focusNumberEntry(); }
    void showAttention(const QString& text) override
    {
        showMessage(&m_window, QStringLiteral("Atenção"), text, MessageIcon::Error);
    }

private:
    TfrmPrincipal& m_window;
};

} // namespace

void TfrmPrincipal::BtnBuscarClick()
{
    WindowSearchView view(*this);
    // QLocale() follows the user's settings as they stand now (tests set a default).
    lookup::runSearch(t1, view, QLocale());
}

void TfrmPrincipal::BtnImprimirClick()
{
    const std::pair<const char16_t*, QLineEdit*> variables[] = {
        {u"NossoNro", EdtNossoNro},    {u"Codigo", JvEdtCodigo}, {u"Unidade", JvEdtUnid},
        {u"Tributo", JvEdtTrib},       {u"Ano", JvEdtAno},       {u"SubTributo", JvEdtSubTrib},
        {u"Parcela", JvEdtParcela},    {u"Valor", JvEdtValor},   {u"DtVencto", JvEdtDtVenc},
        {u"DtEmissao", JvEdtDtEmissao}};
    for (const auto& [name, box] : variables)
        frxReport1.setVariable(QString::fromUtf16(name), report::quoteLiteral(box->text()));
    report::showReport(this, frxReport1, m_reportSession);
}

void TfrmPrincipal::BtnSairClick()
{
    requestQuit();
}

void TfrmPrincipal::setNumberEntryBackground(const QColor& color)
{
    QPalette p = EdtNossoNro->palette();
    setColorInAllGroups(p, QPalette::Base, color);
    EdtNossoNro->setPalette(p);
}

void TfrmPrincipal::EdtNossoNroEnter()
{
    EdtNossoNro->clear();
    for (QLineEdit* box : displayBoxes())
        box->clear();
    if (BtnImprimir->isEnabled())
        BtnImprimir->setEnabled(false);
    setNumberEntryBackground(highlightColor());
}

void TfrmPrincipal::EdtNossoNroExit()
{
    setNumberEntryBackground(QApplication::palette().color(QPalette::Active, QPalette::Base));
}

void TfrmPrincipal::EdtNossoNroKeyPress(QChar& key)
{
    if (key != u'\r')
        return;
    // Runs the box's leaving behaviour before returning; from the box this is BtnBuscar.
    focusNextChild();
    key = QChar(0);
}

void TfrmPrincipal::FormShow()
{
    QCoreApplication::postEvent(this, new QEvent(VerificaArquivoEvent));
}

void TfrmPrincipal::FormKeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        requestQuit();
}

void TfrmPrincipal::WMVerificaArquivo()
{
    const DataFileCheck check = checkDataFile(m_folders);
    if (!check.found) {
        showMessage(this, QStringLiteral("Atenção"), missingDataFileMessage(check.dataPath),
                    MessageIcon::Error);
        requestQuit();
    }
    t1.close();
    t1.setTablePath(check.dataPath);
    setStatusText(check.dataPath);
}

bool TfrmPrincipal::event(QEvent* event)
{
    if (event->type() == VerificaArquivoEvent) {
        runHandler([this] { WMVerificaArquivo(); });
        return true;
    }
    return QWidget::event(event);
}

bool TfrmPrincipal::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return QWidget::eventFilter(watched, event);
    auto* target = static_cast<QWidget*>(watched);
    // Only the first delivery, to the focused control; a key the control passes on to
    // its parents comes through here again.
    QWidget* focus = QApplication::focusWidget();
    const bool firstDelivery = focus ? target == focus : target == this;
    if (!firstDelivery || target->window() != this)
        return QWidget::eventFilter(watched, event);

    auto* key = static_cast<QKeyEvent*>(event);
    runHandler([&] { FormKeyDown(key); });

    // Enter clicks the focused button, and only that one: there is no default button.
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const auto modifiers = key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (enter && modifiers == Qt::NoModifier) {
        if (auto* button = qobject_cast<QPushButton*>(target); button && button->isEnabled()) {
            button->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmPrincipal::showEvent(QShowEvent* event)
{
    if (!m_shownOnce) {
        m_shownOnce = true;
        runHandler([this] { FormShow(); });
        centreOnScreen();
    }
    QWidget::showEvent(event);
}

void TfrmPrincipal::centreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.topLeft() + centredPosition(area.size(), frameGeometry().size()));
}

void TfrmPrincipal::closeEvent(QCloseEvent* event)
{
    requestQuit();
    event->accept();
}

} // namespace tervano::app
