#include "settings/datafiles.h"

#include "settings/compattable.h"
#include "settings/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace qv::settings {

Q_LOGGING_CATEGORY(lcData, "qv.data", QtInfoMsg)

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

QStringList dataFileFolders(const QString &workingDir, const QString &programDir)
{
    QStringList folders{QDir::cleanPath(workingDir)};
    if (!programDir.isEmpty()) {
        folders << QDir::cleanPath(programDir)
                << QDir::cleanPath(programDir + QLatin1Char('/') +
                                   QStringLiteral(QV_DATA_FROM_BIN_DIR));
    }
    folders << QDir::cleanPath(QStringLiteral(QV_DATA_INSTALL_DIR));
    folders.removeDuplicates();
    return folders;
}

QStringList dataFileFolders()
{
    if (!overriddenFolders().isEmpty())
        return overriddenFolders();
    return dataFileFolders(QDir::currentPath(), QCoreApplication::instance()
                                                    ? QCoreApplication::applicationDirPath()
                                                    : QString());
}

QString locateDataFile(const QString &name)
{
    if (QFileInfo(name).isAbsolute())
        return name;
    const QStringList folders = dataFileFolders();
    for (const QString &folder : folders) {
        const QString candidate = QDir(folder).filePath(name);
        if (QFileInfo(candidate).isFile()) {
            qCDebug(lcData, "%s: %s", qUtf8Printable(name), qUtf8Printable(candidate));
            return candidate;
        }
    }
    qCDebug(lcData, "%s: not found in %s", qUtf8Printable(name),
            qUtf8Printable(folders.join(QStringLiteral(", "))));
    return name;
}

QString locateLocalisedDataFile(const QString &name)
{
    if (language::current() != language::Language::Hungarian && !QFileInfo(name).isAbsolute()) {
        const QFileInfo info(name);
        const QString localised = info.completeBaseName() + QStringLiteral("_en.") + info.suffix();
        const QString path = locateDataFile(localised);
        if (QFileInfo(path).isFile())
            return path;
    }
    return locateDataFile(name);
}

QStringList dataFileNames(const QString &version)
{
    return {QStringLiteral("i_default.dll"),    QStringLiteral("i_qv-5.dll"),
            QStringLiteral("i_qv-3.dll"),       QStringLiteral("i_bk-2.dll"),
            QStringLiteral("defval_qv.dll"),    compat::tableFileName(version),
            manualFileName(QLocale::Hungarian), manualFileName(QLocale::English)};
}

QString manualFileName(QLocale::Language language)
{
    return language == QLocale::Hungarian ? QStringLiteral("quorvel-help.pdf")
                                          : QStringLiteral("quorvel-help_en.pdf");
}

QString locateManual(QLocale::Language language)
{
    const QString wanted = manualFileName(language);
    const QString other =
        manualFileName(language == QLocale::Hungarian ? QLocale::English : QLocale::Hungarian);
    for (const QString &name : {wanted, other}) {
        const QString path = locateDataFile(name);
        if (QFileInfo(path).isFile())
            return path;
    }
    return wanted;
}

} // namespace qv::settings
