#pragma once

#include <QString>

namespace tervano::app {

// The application title from the executable's path: the file name without its folder,
// cut at its first ".", every character after the first in lower case
// ("REPORTER.EXE" -> "Reporter", "Look.Up.exe" -> "Look").
QString applicationTitle(const QString& executablePath);

} // namespace tervano::app

namespace tervano::app {

// The title of the running program, from its own executable's path.
QString runningApplicationTitle();

} // namespace tervano::app
