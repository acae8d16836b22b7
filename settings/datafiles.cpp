#include "settings/datafiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace qv {

QStringList dataFileFolders()
{
    QStringList folders{QDir::currentPath()};
    if (QCoreApplication::instance()) {
        const QString appDir = QCoreApplication::applicationDirPath();
        folders << appDir << QDir::cleanPath(appDir + QStringLiteral("/../share/qvconfig"));
    }
    folders << QStringLiteral(QV_DATA_INSTALL_DIR);
    folders.removeDuplicates();
    return folders;
}

QString locateDataFile(const QString &name)
{
    if (QFileInfo(name).isAbsolute())
        return name;
    for (const QString &folder : dataFileFolders()) {
        const QString candidate = QDir(folder).filePath(name);
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return name;
}

} // namespace qv
