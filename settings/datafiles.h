// Where the program finds its data files (pictures, defaults, compatibility table, manual).
#pragma once

#include <QString>
#include <QStringList>

namespace qv {

// The folders searched for a data file, in order: the working directory first
// (a technician may keep edited copies next to their configurations), then the
// program's own folder, then the installed data folder.
QStringList dataFileFolders();

// Replaces the folders above (tests use folders of their own); an empty list restores them.
void setDataFileFolders(const QStringList &folders);

// The path of the first existing file called `name` in dataFileFolders(); the
// bare name when none exists, so that callers report it as missing.
QString locateDataFile(const QString &name);

} // namespace qv
