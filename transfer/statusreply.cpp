#include "transfer/statusreply.h"

#include <QStringList>

namespace qv::transfer::status {

namespace {

bool isOne(const QString &field, int position)
{
    return position < field.size() && field.at(position) == u'1';
}

QChar digit(bool on)
{
    return on ? QChar(u'1') : QChar(u'0');
}

} // namespace

ParseResult parseStatusLine(const QString &line)
{
    ParseResult parsed;
    const QStringList fields = line.split(u' ', Qt::KeepEmptyParts);
    parsed.fieldCount = int(fields.size());
    if (fields.size() < MinimumFields)
        return parsed;

    ModuleStatus &s = parsed.status;
    for (int i = 0; i < 4; ++i) {
        s.outputs[i] = isOne(fields.at(0), 5 + i);
        s.inputs[i] = isOne(fields.at(1), 3 + i);
    }
    s.analog = fields.at(2).mid(3);
    s.counter = fields.at(3).mid(4);
    s.supply = isOne(fields.at(4), 6);
    bool ok = false;
    const int level = fields.at(5).mid(5).toInt(&ok, 10);
    s.signalLevel = ok ? level : 0;
    s.version = fields.at(7);
    parsed.result = ParseStatus::Ok;
    return parsed;
}

int signalBarValue(int level)
{
    // Compared before multiplying, so that a huge level cannot overflow.
    if (level < 2 || level > 5)
        return 10;
    return level * 10;
}

QString buildStatusLine(const ModuleStatus &s)
{
    QString outputs, inputs;
    for (int i = 0; i < 4; ++i) {
        outputs += digit(s.outputs[i]);
        inputs += digit(s.inputs[i]);
    }
    const QStringList fields = {
        QStringLiteral("OUTP:") + outputs,
        QStringLiteral("IN:") + inputs,
        QStringLiteral("AN:") + s.analog,
        QStringLiteral("CNT:") + s.counter,
        QStringLiteral("POWER:") + digit(s.supply),
        QStringLiteral("GSMQ:") + QString::number(s.signalLevel),
        QStringLiteral("ALRM:0"),
        s.version,
    };
    return fields.join(u' ');
}

} // namespace qv::transfer::status
