#pragma once

#include "app/UPrincipal.h"
#include "common/messagebox.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A main window over temporary executable and working folders, with the message boxes
// and the quit request recorded instead of shown or acted on.
struct WindowFixture
{
    QTemporaryDir exeDir;
    QTemporaryDir workDir;
    QList<tervano::MessageRequest> messages;
    int quitRequests = 0;
    std::unique_ptr<tervano::app::TfrmPrincipal> window;
    tervano::MessageHandler previousHandler;

    explicit WindowFixture(bool withTable = true, QString exeFolder = {})
    {
        if (withTable) {
            QFile table(exeDir.filePath(QStringLiteral("arrec.dbf")));
            (void)table.open(QIODevice::WriteOnly);
        }
        previousHandler = tervano::setMessageHandler(
            [this](QWidget*, const tervano::MessageRequest& r) { messages << r; });
        window = std::make_unique<tervano::app::TfrmPrincipal>(
            tervano::app::StartupFolders{exeFolder.isEmpty() ? exeDir.path() : exeFolder, workDir.path()});
        window->setQuitRequest([this] { ++quitRequests; });
    }
    ~WindowFixture()
    {
        window.reset();
        tervano::setMessageHandler(previousHandler);
    }

    QString tablePath() const { return exeDir.filePath(QStringLiteral("arrec.dbf")); }

    // Shows the window, waits until it is active and the start-up check has run.
    bool showAndSettle()
    {
        window->show();
        if (!QTest::qWaitForWindowActive(window.get()))
            return false;
        QCoreApplication::processEvents();
        return true;
    }
};
