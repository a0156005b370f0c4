#pragma once

#include <QApplication>

namespace tervano::app {

// The application object. Handlers already run through runGuarded; a failure that still
// escapes into the event loop is shown here in the error box instead of ending the process.
class ShellApplication : public QApplication
{
    Q_OBJECT
public:
    ShellApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Loads Qt's own Brazilian Portuguese texts so the standard dialogs speak Portuguese.
void installPortugueseTranslations(QCoreApplication& app);

} // namespace tervano::app
