#include "app/shellapplication.h"

#include "app/errorguard.h"
#include "app/glyphs.h"
#include "common/failure.h"

#include <QLibraryInfo>
#include <QTranslator>

namespace tervano::app {

ShellApplication::ShellApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setWindowIcon(glyphs::applicationIcon());
}

bool ShellApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const SilentAbort&) {
    } catch (const Failure& failure) {
        showFailure(activeWindow(), failure.message());
    } catch (const std::exception& failure) {
        showFailure(activeWindow(), QString::fromUtf8(failure.what()));
    }
    return false;
}

void installPortugueseTranslations(QCoreApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_pt_BR"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
    else
        delete translator;
}

} // namespace tervano::app
