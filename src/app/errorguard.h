#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace tervano::app {

// Shows a failure's message in the application's error box: the application title as
// caption, the error icon, a "." appended by the error-text rule.
void showFailure(QWidget* parent, const QString& message);

// Runs one event handler. A tervano::Failure or std::exception escaping it ends the
// handler there and is shown in the error box (a SilentAbort is not shown); the program
// then goes on. Returns false when the handler failed.
bool runGuarded(QWidget* parent, const std::function<void()>& handler);

} // namespace tervano::app
