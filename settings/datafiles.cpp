#include "settings/datafiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace qv {

namespace {
QStringList &folderOverride()
{
    static QStringList folders;
    return folders;
}
} // namespace

void setDataFileFolders(const QStringList &folders) { folderOverride() = folders; }

QStringList dataFileFolders()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
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
