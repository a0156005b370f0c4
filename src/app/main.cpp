#include "app/UPrincipal.h"
#include "app/shellapplication.h"

int main(int argc, char* argv[])
{
    tervano::app::ShellApplication app(argc, argv);
    tervano::app::installPortugueseTranslations(app);
    tervano::app::TfrmPrincipal window(tervano::app::StartupFolders::current());
    window.show();
    return app.exec();
}
