#include "report/enginesettings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace tervano::report {

QString defaultEngineSettingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           u"/tervano/report-engine.ini"_s;
}

MeasureUnit measureUnitFromSetting(const QVariant& units)
{
    bool ok = false;
    const int value = units.toString().trimmed().toInt(&ok);
    return ok && value == 1 ? MeasureUnit::Inches : MeasureUnit::Centimetres;
}

MeasureUnit readMeasureUnit(const QString& settingsPath)
{
    if (settingsPath.isEmpty() || !QFileInfo::exists(settingsPath))
        return MeasureUnit::Centimetres;
    // QSettings writes only when a value is set; this object is only read.
    const QSettings settings(settingsPath, QSettings::IniFormat);
    return measureUnitFromSetting(settings.value(u"Form.TfrxDesignerForm/Units"_s));
}

} // namespace tervano::report
