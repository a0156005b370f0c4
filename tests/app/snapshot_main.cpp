// Saves a picture of the main window as the running X server shows it, frame included,
// to compare its look by eye: snapshot <out.png> [executable folder]
#include "app/UPrincipal.h"
#include "app/shellapplication.h"

#include <QDir>
#include <QScreen>
#include <QTimer>

using namespace tervano::app;

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
        window.grab().save(out.left(out.size() - 4) + QStringLiteral("-client.png"));
        const QRect frame = window.frameGeometry();
        window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).save(out);
        QCoreApplication::exit(0);
    });
    return app.exec();
}
