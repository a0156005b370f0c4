#pragma once

#include "report/reportdialogs.h"

#include <QString>
#include <QVariant>

namespace tervano::report {

// The report engine's settings: an INI file that the program only reads, by default
// "$XDG_CONFIG_HOME/tervano/report-engine.ini" (~/.config/tervano/report-engine.ini).
// The page settings dialog reads the whole number "Units" in section
// "Form.TfrxDesignerForm": 1 means inches; 0, 2, 3, absent or unreadable mean centimetres.
QString defaultEngineSettingsPath();

MeasureUnit measureUnitFromSetting(const QVariant& units);
MeasureUnit readMeasureUnit(const QString& settingsPath);

} // namespace tervano::report
