#include "settings/preferences.h"

#include <QSettings>

namespace qv::preferences {

namespace {

QSettings store()
{
    return QSettings(QSettings::UserScope, QStringLiteral("qvconfig"), QStringLiteral("qvconfig"));
}

const QString kVerify = QStringLiteral("download/verify");

} // namespace

bool verifyAfterDownload()
{
    return store().value(kVerify, false).toBool();
}

void setVerifyAfterDownload(bool verify)
{
    store().setValue(kVerify, verify);
}

} // namespace qv::preferences
