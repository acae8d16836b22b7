#include "serial/identification.h"

#include <QStringList>

namespace qv::serial {

QString normaliseIdentification(const QString &reply)
{
    QString text = reply.toUpper();
    text.remove(QChar(u'\r'));
    return text;
}

int modelFromIdentification(const QString &normalised)
{
    const QStringList fields = normalised.split(u'_', Qt::KeepEmptyParts);
    if (fields.size() < 2 || fields.at(1).isEmpty())
        return settings::NoDevice;
    switch (fields.at(1).back().unicode()) {
    case u'5':
        return settings::ModelQV5;
    case u'3':
        return settings::ModelQV3;
    case u'2':
        return settings::ModelBRK2;
    default:
        return settings::NoDevice;
    }
}

Identification evaluateIdentification(const QString &reply)
{
    Identification id;
    id.text = normaliseIdentification(reply);
    id.isModule = id.text.startsWith(QStringLiteral("Q_"));
    id.model = id.isModule ? modelFromIdentification(id.text) : int(settings::NoDevice);
    return id;
}

bool answersAsModule(const QString &rawReply)
{
    return rawReply.startsWith(QStringLiteral("Q_"));
}

} // namespace qv::serial
