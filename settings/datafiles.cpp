#include "settings/datafiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace qv {

namespace {
QStringList &overriddenFolders()
{
    static QStringList folders;
    return folders;
}
} // namespace

void overrideDataFileFolders(const QStringList &folders)
{
    overriddenFolders() = folders;
}

QStringList dataFileFolders()
{
    if (!overriddenFolders().isEmpty())
        return overriddenFolders();
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
