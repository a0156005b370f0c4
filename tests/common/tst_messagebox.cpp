#include "common/messagebox.h"

#include <QTest>

using namespace tervano;

class TestMessageBox : public QObject
{
    Q_OBJECT
private slots:
    void handlerSeesEveryBox()
    {
        QList<MessageRequest> seen;
        const auto previous = setMessageHandler([&](QWidget*, const MessageRequest& r) { seen << r; });
        showMessage(nullptr, QStringLiteral("Atenção"), QStringLiteral("Nosso número não encontrado."));
        setMessageHandler(previous);
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen.first().caption, QStringLiteral("Atenção"));
        QCOMPARE(seen.first().text, QStringLiteral("Nosso número não encontrado."));
        QCOMPARE(seen.first().icon, MessageIcon::Error);
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
