#pragma once

#include <QString>

namespace tervano::app {

// The text of the application's error box: the failure's message, with a "." appended
// when it is not empty and its last character's code lies above that of "." (46).
QString errorBoxText(const QString& message);

} // namespace tervano::app
