#include "app/apptitle.h"

namespace tervano::app {

QString applicationTitle(const QString& executablePath)
{
    // Both separators count: a title is derived the same way from either form of path.
    const qsizetype slash = std::max(executablePath.lastIndexOf(u'/'), executablePath.lastIndexOf(u'\\'));
    QString name = executablePath.mid(slash + 1);
    const qsizetype dot = name.indexOf(u'.');
    if (dot >= 0)
        name.truncate(dot);
    if (name.isEmpty())
        return name;
    return name.left(1) + name.mid(1).toLower();
}

} // namespace tervano::app

#include <QCoreApplication>

namespace tervano::app {

QString runningApplicationTitle() { return applicationTitle(QCoreApplication::applicationFilePath()); }

} // namespace tervano::app
