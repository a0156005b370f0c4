#include "windowfixture.h"

#include "app/apptitle.h"
#include "app/numberedit.h"
#include "common/failure.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

using namespace tervano;
using namespace tervano::app;
using namespace Qt::StringLiterals;

namespace {
QString accessibleName(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// Every text the accessibility tree below `iface` offers, names and values.
QStringList accessibleTexts(QAccessibleInterface* iface)
{
    QStringList texts;
    if (!iface)
        return texts;
    texts << iface->text(QAccessible::Name) << iface->text(QAccessible::Value)
          << iface->text(QAccessible::Description);
    for (int i = 0; i < iface->childCount(); ++i)
        texts << accessibleTexts(iface->child(i));
    return texts;
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void everyControlByName()
    {
        WindowFixture f;
        const QStringList names{u"Label1"_s, u"EdtNossoNro"_s, u"BtnBuscar"_s, u"BtnImprimir"_s, u"BtnSair"_s,
                                u"StatusBar1"_s, u"Panel1"_s, u"GroupBox1"_s, u"JvEdtCodigo"_s, u"JvEdtUnid"_s,
                                u"JvEdtTrib"_s, u"JvEdtAno"_s, u"JvEdtSubTrib"_s, u"JvEdtParcela"_s, u"JvEdtValor"_s,
                                u"JvEdtDtVenc"_s, u"JvEdtDtEmissao"_s};
        for (const QString& name : names)
            QVERIFY2(f.window->findChild<QWidget*>(name), qPrintable(name));
        for (int i = 2; i <= 10; ++i)
            QVERIFY(f.window->findChild<QLabel*>(u"Label"_s + QString::number(i)));
        QCOMPARE(f.window->windowTitle(), u"Tervano"_s);
        QCOMPARE(f.window->GroupBox1->title(), u"Dados de identificação"_s);
        QCOMPARE(f.window->table().name(), u"t1"_s);
        QCOMPARE(f.window->displayBoxes().size(), 9);
        QCOMPARE(f.window->displayBoxes().first(), f.window->JvEdtCodigo);
        QCOMPARE(f.window->displayBoxes().last(), f.window->JvEdtDtEmissao);
    }

    void geometry()
    {
        WindowFixture f;
        TfrmPrincipal& w = *f.window;
        if (!qFuzzyCompare(w.scale(), 1.0))
            QSKIP("the window font measures differently here; the layout is scaled");
        QCOMPARE(w.size(), QSize(340, 443));
        QCOMPARE(w.minimumSize(), w.maximumSize()); // not resizable
        QCOMPARE(w.EdtNossoNro->geometry(), QRect(28, 33, 105, 21));
        QCOMPARE(w.BtnBuscar->geometry(), QRect(138, 32, 79, 25));
        QCOMPARE(w.BtnImprimir->geometry(), QRect(232, 32, 75, 25));
        QCOMPARE(w.BtnSair->geometry(), QRect(232, 384, 75, 25));
        QCOMPARE(w.StatusBar1->geometry(), QRect(0, 424, 340, 19));
        QCOMPARE(w.Panel1->geometry(), QRect(8, 64, 321, 309));
        QCOMPARE(w.GroupBox1->geometry(), QRect(22, 16, 277, 288));
        QCOMPARE(w.GroupBox1->mapTo(&w, QPoint(0, 0)), QPoint(30, 80));
        QCOMPARE(w.JvEdtCodigo->mapTo(&w, QPoint(0, 0)), QPoint(110, 109));
        const int tops[] = {29, 55, 82, 109, 136, 163, 189, 216, 243};
        for (int i = 0; i < 9; ++i)
            QCOMPARE(w.displayBoxes()[i]->geometry(), QRect(80, tops[i], 121, 21));
        QCOMPARE(w.Label1->pos(), QPoint(28, 17));
        QCOMPARE(w.Label8->pos(), QPoint(26, 192));
        QCOMPARE(w.Label10->pos(), QPoint(27, 246));
    }

    void look()
    {
        WindowFixture f;
        TfrmPrincipal& w = *f.window;
        QVERIFY(!w.Panel1->isEnabled());
        QVERIFY(!w.BtnImprimir->isEnabled());
        QVERIFY(!(w.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w.windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(w.GroupBox1->font().bold());
        QVERIFY(!w.Label2->font().bold());
        QCOMPARE(w.font().pointSize(), 8);
        const QList<QColor> backgrounds{QColor(255, 255, 0), {}, {}, {}, {}, QColor(255, 255, 128),
                                        QColor(255, 198, 198), {}, {}};
        for (int i = 0; i < 9; ++i) {
            QLineEdit* box = w.displayBoxes()[i];
            QVERIFY(box->font().bold());
            QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
            // Disabled yet drawn with its own colours: the disabled group is the active one.
            QCOMPARE(box->palette().color(QPalette::Disabled, QPalette::Text), QColor(128, 128, 128));
            const QColor base = box->palette().color(QPalette::Disabled, QPalette::Base);
            QCOMPARE(base, backgrounds[i].isValid() ? backgrounds[i] : QApplication::palette().color(QPalette::Base));
            QCOMPARE(box->focusPolicy(), Qt::NoFocus);
        }
        QCOMPARE(w.Label2->palette().color(QPalette::Disabled, QPalette::WindowText),
                 w.Label2->palette().color(QPalette::Active, QPalette::WindowText));
        QCOMPARE(w.EdtNossoNro->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QCOMPARE(w.BtnBuscar->iconSize(), QSize(16, 16));
        QVERIFY(!w.BtnBuscar->isDefault() && !w.BtnBuscar->autoDefault());
        QVERIFY(!w.BtnImprimir->icon().pixmap(16, 16, QIcon::Disabled).isNull());
    }

    void longStatusTextIsCutNotWrapped()
    {
        WindowFixture f;
        const QString longPath = u"/"_s + QString(400, u'd') + u"/arrec.dbf"_s;
        f.window->setStatusText(longPath);
        QVERIFY(f.showAndSettle());
        f.window->setStatusText(longPath);
        QCOMPARE(f.window->StatusBar1->geometry().width(), f.window->width());
        QVERIFY(f.window->statusPanel()->width() <= f.window->width());
        QVERIFY(!f.window->statusPanel()->wordWrap());
        QCOMPARE(f.window->statusText(), longPath);
    }

    void tabOrder()
    {
        WindowFixture f;
        QVERIFY(f.showAndSettle());
        TfrmPrincipal& w = *f.window;
        QCOMPARE(QApplication::focusWidget(), w.EdtNossoNro);
        QTest::keyClick(w.EdtNossoNro, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.BtnBuscar);
        QTest::keyClick(w.BtnBuscar, Qt::Key_Tab); // BtnImprimir is disabled
        QCOMPARE(QApplication::focusWidget(), w.BtnSair);
        QTest::keyClick(w.BtnSair, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.EdtNossoNro);
        w.BtnImprimir->setEnabled(true);
        QTest::keyClick(w.EdtNossoNro, Qt::Key_Tab);
        QTest::keyClick(w.BtnBuscar, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.BtnImprimir);
        QTest::keyClick(w.BtnImprimir, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), w.BtnBuscar);
        QCOMPARE(f.quitRequests, 0);
    }

    void startupWithTable()
    {
        WindowFixture f;
        QVERIFY(f.showAndSettle());
        QTRY_COMPARE(f.window->statusText(), f.tablePath());
        QCOMPARE(f.window->table().tablePath(), f.tablePath());
        QVERIFY(!f.window->table().isOpen());
        QVERIFY(f.messages.isEmpty());
        QCOMPARE(f.quitRequests, 0);
        // Runs once: showing the window again does not repeat it.
        f.window->hide();
        f.window->show();
        QCoreApplication::processEvents();
        QVERIFY(f.messages.isEmpty());
    }

    void startupWithoutTable()
    {
        WindowFixture f(false);
        QVERIFY(f.showAndSettle());
        QTRY_COMPARE(f.messages.size(), 1);
        QCOMPARE(f.messages[0].caption, u"Atenção"_s);
        QCOMPARE(f.messages[0].icon, MessageIcon::Error);
        QCOMPARE(f.messages[0].text, u"Não foi encontrado o arquivo '"_s + f.tablePath()
                                         + u"'.\r\rLocalize o arquivo 'arrec.dbf' e adicione em 'tervano.ini'"_s);
        QCOMPARE(f.quitRequests, 1);
        // The handler ran on to its end after asking to quit.
        QCOMPARE(f.window->statusText(), f.tablePath());
        QCOMPARE(f.window->table().tablePath(), f.tablePath());
    }

    void startupWithUnwritableFolder()
    {
        QTemporaryDir parent;
        const QString gone = parent.filePath(u"gone"_s);
        WindowFixture f(false, gone);
        QVERIFY(f.showAndSettle());
        QTRY_COMPARE(f.messages.size(), 1);
        QCOMPARE(f.messages[0].caption, runningApplicationTitle());
        QCOMPARE(f.messages[0].text, u"Unable to write to "_s + gone + u"/tervano.ini."_s);
        QCOMPARE(f.quitRequests, 0);
        QVERIFY(f.window->isVisible());
        QCOMPARE(f.window->statusText(), QString());
        QCOMPARE(f.window->table().tablePath(), QString());
    }

    void errorGuard()
    {
        WindowFixture f;
        bool after = false;
        QVERIFY(!f.window->runHandler([&] {
            throw Failure(u"Campo inválido"_s);
            after = true;
        }));
        QVERIFY(!after);
        QCOMPARE(f.messages.size(), 1);
        QCOMPARE(f.messages[0].caption, runningApplicationTitle());
        QCOMPARE(f.messages[0].text, u"Campo inválido."_s);
        QCOMPARE(f.messages[0].icon, MessageIcon::Error);
        QVERIFY(!f.window->runHandler([] { throw SilentAbort(); }));
        QVERIFY(!f.window->runHandler([] { throw std::runtime_error("disk (full)"); }));
        QCOMPARE(f.messages.size(), 2);
        QCOMPARE(f.messages[1].text, u"disk (full)"_s);
        QVERIFY(f.window->runHandler([] {}));
    }

    void endingKeys_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("quits");
        QTest::newRow("Esc in the number box") << u"EdtNossoNro"_s << int(Qt::Key_Escape) << 0 << 1;
        QTest::newRow("Shift+Esc on a button") << u"BtnBuscar"_s << int(Qt::Key_Escape) << int(Qt::ShiftModifier) << 1;
        QTest::newRow("Enter on BtnSair") << u"BtnSair"_s << int(Qt::Key_Return) << 0 << 1;
        QTest::newRow("keypad Enter on BtnSair") << u"BtnSair"_s << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 1;
        QTest::newRow("Space on BtnSair") << u"BtnSair"_s << int(Qt::Key_Space) << 0 << 1;
        QTest::newRow("Ctrl+Enter on BtnSair") << u"BtnSair"_s << int(Qt::Key_Return) << int(Qt::ControlModifier) << 0;
        QTest::newRow("Enter on BtnBuscar is no default click") << u"BtnBuscar"_s << int(Qt::Key_Return) << 0 << 0;
        QTest::newRow("Enter in the number box") << u"EdtNossoNro"_s << int(Qt::Key_Return) << 0 << 0;
    }
    void endingKeys()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, quits);
        WindowFixture f;
        QVERIFY(f.showAndSettle());
        auto* target = f.window->findChild<QWidget*>(focus);
        target->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), target);
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(f.quitRequests, quits);
    }

    void closeBoxEnds()
    {
        WindowFixture f;
        QVERIFY(f.showAndSettle());
        f.window->close();
        QCOMPARE(f.quitRequests, 1);
    }

    void escEndsTheProgramWithCodeZero()
    {
        WindowFixture f;
        f.window->setQuitRequest({}); // the real request
        QVERIFY(f.showAndSettle());
        QTimer::singleShot(0, [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); });
        QTimer safety;
        safety.setSingleShot(true);
        connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(7); });
        safety.start(20000);
        QCOMPARE(QApplication::exec(), 0);
    }

    void accessibility()
    {
        WindowFixture f;
        QVERIFY(f.showAndSettle());
        TfrmPrincipal& w = *f.window;
        QCOMPARE(accessibleName(w.EdtNossoNro), u"Nosso Número:"_s);
        QCOMPARE(accessibleName(w.JvEdtCodigo), u"Código:"_s);
        QCOMPARE(accessibleName(w.JvEdtDtEmissao), u"Dt. Emiss.:"_s);
        QTRY_COMPARE(accessibleName(w.statusPanel()), f.tablePath());
    }

    void messageBoxTextIsAccessible()
    {
        tervano::MessageHandler previous = setMessageHandler({});
        QStringList seen;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box);
            seen = accessibleTexts(QAccessible::queryAccessibleInterface(box));
            qobject_cast<QMessageBox*>(box)->accept();
        });
        showMessage(nullptr, u"Atenção"_s, u"Linha um.\r\rLinha dois"_s);
        setMessageHandler(previous);
        QVERIFY2(seen.join(u'|').contains(u"Linha um.\n\nLinha dois"_s), qPrintable(seen.join(u'|')));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
