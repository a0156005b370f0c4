#pragma once

#include <QString>

namespace tervano::app {

// Where the program looks for its files: the executable's folder (configuration file and
// default table) and the working directory (against which a relative table path is
// resolved). Tests point both at temporary folders.
struct StartupFolders
{
    QString executableFolder;
    QString workingDirectory;

    // The running program's own folders.
    static StartupFolders current();
};

inline constexpr auto configurationFileName = u"tervano.ini";
inline constexpr auto defaultTableFileName = u"arrec.dbf";

struct DataFileCheck
{
    QString dataPath; // the entry's value, used unchanged
    bool found = false;
};

// Reads section "Path", key "Arrec" of the configuration file beside the executable,
// first writing the default (executable folder + "arrec.dbf") when the file or the key
// is missing; an existing entry is never rewritten. Then tests whether a file (not a
// folder) exists at the path. Throws tervano::Failure when the default cannot be written.
DataFileCheck checkDataFile(const StartupFolders& folders);

QString configurationPath(const StartupFolders& folders);

// True when `path` names an existing file that is not a folder; relative paths count
// from `workingDirectory`, and an empty path never exists.
bool dataFileExists(const QString& path, const QString& workingDirectory);

// The path between single quotes, every single quote inside it doubled.
QString quotedPath(const QString& path);

// The "Atenção" text for a table that is not where the configuration says.
QString missingDataFileMessage(const QString& dataPath);

} // namespace tervano::app
