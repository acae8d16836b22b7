#include "settings/preferences.h"

#include <QSettings>

namespace qv::preferences {

namespace {

QSettings store()
{
    return QSettings(QSettings::UserScope, QStringLiteral("qvconfig"), QStringLiteral("qvconfig"));
}

const QString kVerify = QStringLiteral("download/verify");
const QString kBackup = QStringLiteral("download/backup");

} // namespace

bool verifyAfterDownload()
{
    return store().value(kVerify, false).toBool();
}

void setVerifyAfterDownload(bool verify)
{
    store().setValue(kVerify, verify);
}

bool backupBeforeDownload()
{
    return store().value(kBackup, false).toBool();
}

void setBackupBeforeDownload(bool backup)
{
    store().setValue(kBackup, backup);
}

} // namespace qv::preferences
