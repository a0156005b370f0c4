#include "app/startupcheck.h"

#include "app/profilefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tervano::app {

namespace {
const QString pathSection = QStringLiteral("Path");
const QString tableKey = QStringLiteral("Arrec");

QString inFolder(const QString& folder, QStringView fileName)
{
    return QDir(folder).filePath(fileName.toString());
}
} // namespace

StartupFolders StartupFolders::current()
{
    return {QCoreApplication::applicationDirPath(), QDir::currentPath()};
}

QString configurationPath(const StartupFolders& folders)
{
    return inFolder(folders.executableFolder, configurationFileName);
}

DataFileCheck checkDataFile(const StartupFolders& folders)
{
    const QString iniPath = configurationPath(folders);
    ProfileFile configuration(iniPath);

    bool hasEntry = false;
    if (QFileInfo(iniPath).isFile()) {
        const QStringList keys = configuration.sectionKeys(pathSection);
        hasEntry = std::any_of(keys.begin(), keys.end(), [](const QString& k) {
            return k.compare(tableKey, Qt::CaseInsensitive) == 0;
        });
    }
    if (!hasEntry)
        configuration.writeString(pathSection, tableKey, inFolder(folders.executableFolder, defaultTableFileName));

    DataFileCheck check;
    check.dataPath = configuration.readString(pathSection, tableKey, QString());
    check.found = dataFileExists(check.dataPath, folders.workingDirectory);
    return check;
}

bool dataFileExists(const QString& path, const QString& workingDirectory)
{
    if (path.isEmpty())
        return false;
    return QFileInfo(QDir(workingDirectory).filePath(path)).isFile();
}

QString quotedPath(const QString& path)
{
    QString doubled = path;
    doubled.replace(u'\'', QStringLiteral("''"));
    return u'\'' + doubled + u'\'';
}

QString missingDataFileMessage(const QString& dataPath)
{
    return QStringLiteral("Não foi encontrado o arquivo ") + quotedPath(dataPath) + QStringLiteral(".\r\r")
           + QStringLiteral("Localize o arquivo 'arrec.dbf' e adicione em 'tervano.ini'");
}

} // namespace tervano::app
