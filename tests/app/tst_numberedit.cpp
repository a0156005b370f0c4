#include "windowfixture.h"

#include "app/numberedit.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

using namespace tervano::app;
using namespace Qt::StringLiterals;

namespace {
QColor background(QWidget* w) { return w->palette().color(QPalette::Active, QPalette::Base); }
QColor windowColour() { return QApplication::palette().color(QPalette::Active, QPalette::Base); }
} // namespace

class TestNumberEdit : public QObject
{
    Q_OBJECT
private slots:
    void startsEmptyAndHighlighted()
    {
        WindowFixture f;
        QCOMPARE(f.window->EdtNossoNro->text(), u"0"_s); // before it is first entered
        QVERIFY(f.showAndSettle());
        QCOMPARE(QApplication::focusWidget(), f.window->EdtNossoNro);
        QCOMPARE(f.window->EdtNossoNro->text(), QString());
        QCOMPARE(background(f.window->EdtNossoNro), TfrmPrincipal::highlightColor());
    }

    void typingThenLeaving_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("whileEditing");
        QTest::addColumn<QString>("afterLeaving");
        QTest::newRow("nothing") << u""_s << u""_s << u"0"_s;
        QTest::newRow("leading zeros") << u"000123"_s << u"000123"_s << u"123"_s;
        QTest::newRow("plus") << u"+45"_s << u"+45"_s << u"45"_s;
        QTest::newRow("minus and zeros") << u"-0012"_s << u"-0012"_s << u"-12"_s;
        QTest::newRow("minus alone") << u"-"_s << u"-"_s << u"0"_s;
        QTest::newRow("letters, space, comma, full stop dropped") << u"1a 2,3.4"_s << u"1234"_s << u"1234"_s;
        QTest::newRow("minus after first character dropped") << u"12-3"_s << u"123"_s << u"123"_s;
        QTest::newRow("second minus dropped") << u"--5"_s << u"-5"_s << u"-5"_s;
        QTest::newRow("out of range") << QString(20, u'9') << QString(20, u'9') << u"0"_s;
        QTest::newRow("largest") << u"9223372036854775807"_s << u"9223372036854775807"_s << u"9223372036854775807"_s;
    }
    void typingThenLeaving()
    {
        QFETCH(QString, keys);
        QFETCH(QString, whileEditing);
        QFETCH(QString, afterLeaving);
        WindowFixture f;
        QVERIFY(f.showAndSettle());
        NumberEdit* edit = f.window->EdtNossoNro;
        QTest::keyClicks(edit, keys);
        QCOMPARE(edit->text(), whileEditing);
        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.window->BtnBuscar);
        QCOMPARE(edit->text(), afterLeaving);
        QCOMPARE(background(edit), windowColour());
    }

    void typedInFront_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("inFront");
        QTest::addColumn<QString>("whileEditing");
        QTest::addColumn<QString>("afterLeaving");
        QTest::newRow("3 in front of -5") << u"-5"_s << u"3"_s << u"3-5"_s << u"35"_s;
        QTest::newRow("minus in front of +12") << u"+12"_s << u"-"_s << u"-+12"_s << u"-12"_s;
    }
    void typedInFront()
    {
        QFETCH(QString, first);
        QFETCH(QString, inFront);
        QFETCH(QString, whileEditing);
        QFETCH(QString, afterLeaving);
        WindowFixture f;
        QVERIFY(f.showAndSettle());
        NumberEdit* edit = f.window->EdtNossoNro;
        QTest::keyClicks(edit, first);
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClicks(edit, inFront);
        QCOMPARE(edit->text(), whileEditing);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(edit->text(), afterLeaving);
    }

    void accentedCharacterDropped()
    {
        WindowFixture f;
        QVERIFY(f.showAndSettle());
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, u"é"_s);
        QApplication::sendEvent(f.window->EdtNossoNro, &press);
        QCOMPARE(f.window->EdtNossoNro->text(), QString());
    }

    void minusReplacesSelectedText()
    {
        WindowFixture f;
        QVERIFY(f.showAndSettle());
        NumberEdit* edit = f.window->EdtNossoNro;
        QTest::keyClicks(edit, u"-12"_s);
        edit->selectAll();
        QTest::keyClicks(edit, u"-"_s);
        QCOMPARE(edit->text(), u"-"_s);
    }

    void pasteByKeyboard_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("shown");
        QTest::newRow("12ab34") << u"12ab34"_s << u"1234"_s;
        QTest::newRow("abc") << u"abc"_s << u"0"_s;
        QTest::newRow("x-5") << u"x-5"_s << u"5"_s;
        QTest::newRow("thirty zeros then 42") << QString(30, u'0') + u"42"_s << u"42"_s;
    }
    void pasteByKeyboard()
    {
        QFETCH(QString, clipboard);
        QFETCH(QString, shown);
        WindowFixture f;
        QVERIFY(f.showAndSettle());
        NumberEdit* edit = f.window->EdtNossoNro;
        QApplication::clipboard()->setText(clipboard);
        QTest::keySequence(edit, QKeySequence::Paste);
        QCOMPARE(edit->text(), shown);
        QCOMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(background(edit), TfrmPrincipal::highlightColor());
    }

    void pasteFromContextMenu()
    {
        WindowFixture f;
        QVERIFY(f.showAndSettle());
        NumberEdit* edit = f.window->EdtNossoNro;
        QApplication::clipboard()->setText(u"7 8x9"_s);
        bool pasted = false;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction* action : menu->actions())
                if (action->objectName() == u"edit-paste") {
                    action->trigger();
                    pasted = true;
                }
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5), edit->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(edit, &event);
        QVERIFY(pasted);
        QCOMPARE(edit->text(), u"789"_s);
        // The offscreen platform does not hand the activation back by itself.
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QCOMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(edit->text(), u"789"_s);
        QCOMPARE(background(edit), TfrmPrincipal::highlightColor()); // the menu was no entry or exit
    }

    void enterMovesToSearchButton()
    {
        WindowFixture f;
        QVERIFY(f.showAndSettle());
        NumberEdit* edit = f.window->EdtNossoNro;
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.window->BtnBuscar);
        QCOMPARE(edit->text(), u"0"_s);
        QCOMPARE(background(edit), windowColour());
        QCOMPARE(f.quitRequests, 0);
    }

    void enteringAfterAResultResetsIt()
    {
        WindowFixture f;
        QVERIFY(f.showAndSettle());
        TfrmPrincipal& w = *f.window;
        QTest::keyClicks(w.EdtNossoNro, u"123"_s);
        QTest::keyClick(w.EdtNossoNro, Qt::Key_Return);
        for (QLineEdit* box : w.displayBoxes())
            box->setText(u"valor"_s);
        w.BtnImprimir->setEnabled(true);
        QTest::keyClick(w.BtnBuscar, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), w.EdtNossoNro);
        QCOMPARE(w.EdtNossoNro->text(), QString());
        for (QLineEdit* box : w.displayBoxes())
            QCOMPARE(box->text(), QString());
        QVERIFY(!w.BtnImprimir->isEnabled());
        QCOMPARE(background(w.EdtNossoNro), TfrmPrincipal::highlightColor());
    }

    void clickIntoTheFocusedBoxChangesNothing()
    {
        WindowFixture f;
        QVERIFY(f.showAndSettle());
        QTest::keyClicks(f.window->EdtNossoNro, u"55"_s);
        QTest::mouseClick(f.window->EdtNossoNro, Qt::LeftButton);
        QCOMPARE(f.window->EdtNossoNro->text(), u"55"_s);
    }

    void focusFromCodeResetsBeforeReturning()
    {
        WindowFixture f;
        QVERIFY(f.showAndSettle());
        TfrmPrincipal& w = *f.window;
        QTest::keyClicks(w.EdtNossoNro, u"9"_s);
        QTest::keyClick(w.EdtNossoNro, Qt::Key_Return);
        w.JvEdtValor->setText(u"1,00"_s);
        w.focusNumberEntry();
        QCOMPARE(w.EdtNossoNro->text(), QString());
        QCOMPARE(w.JvEdtValor->text(), QString());
        QCOMPARE(QApplication::focusWidget(), w.EdtNossoNro);
    }

    void switchingWindowsKeepsTheHighlight()
    {
        WindowFixture f;
        QVERIFY(f.showAndSettle());
        NumberEdit* edit = f.window->EdtNossoNro;
        QWidget other;
        auto* otherEdit = new QLineEdit(&other);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        otherEdit->setFocus();
        QCOMPARE(edit->text(), u"0"_s); // normalised on deactivation
        QCOMPARE(background(edit), TfrmPrincipal::highlightColor());
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QCOMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(edit->text(), u"0"_s); // not emptied again
        QCOMPARE(background(edit), TfrmPrincipal::highlightColor());
    }
};

QTEST_MAIN(TestNumberEdit)
#include "tst_numberedit.moc"
