// Saves a picture of the main window as the running X server shows it, frame included,
// to compare its look by eye: snapshot <out.png> [executable folder]
#include "app/UPrincipal.h"
#include "app/shellapplication.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

using namespace tervano::app;
using namespace Qt::StringLiterals;

int main(int argc, char* argv[])
{
    ShellApplication app(argc, argv);
    installPortugueseTranslations(app);
    if (argc < 2)
        return 2;
    const QString out = QString::fromLocal8Bit(argv[1]);
    StartupFolders folders{argc > 2 ? QString::fromLocal8Bit(argv[2]) : QDir::tempPath(), QDir::currentPath()};
    TfrmPrincipal window(folders);
    window.setQuitRequest([] {});
    window.show();
    window.activateWindow();
    QTimer::singleShot(1500, [&] {
        const QStringList sample{u"000001234"_s, u"0042"_s, u"ISS"_s, u"2024"_s, u"01"_s, u"3"_s, u"1.234,56"_s,
                                 u"10/05/2024"_s, u"02/04/2024"_s};
        for (int i = 0; i < 9; ++i)
            window.displayBoxes()[i]->setText(sample[i]);
        window.BtnImprimir->setEnabled(argc > 3);
        QCoreApplication::processEvents();
        window.grab().save(out.left(out.size() - 4) + QStringLiteral("-client.png"));
        const QRect frame = window.frameGeometry();
        window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).save(out);
        QCoreApplication::exit(0);
    });
    return app.exec();
}
