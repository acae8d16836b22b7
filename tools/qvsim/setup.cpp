#include "setup.h"

#include <QFile>

namespace qvsim {

namespace {

bool parseBits(const QString &value, std::array<bool, 4> &bits)
{
    if (value.size() != 4)
        return false;
    for (int i = 0; i < 4; ++i) {
        if (value.at(i) != u'0' && value.at(i) != u'1')
            return false;
        bits[i] = value.at(i) == u'1';
    }
    return true;
}

} // namespace

ModuleSetup ModuleSetup::of(Model model)
{
    ModuleSetup setup;
    setup.model = model;
    setup.identText = defaultIdentification(model);
    setup.status = defaultStatus(model);
    return setup;
}

qint32 LineSetup::speedOf(Exchange exchange) const
{
    return (exchange == Exchange::Download || exchange == Exchange::Status) ? fixedBaud
                                                                            : moduleBaud;
}

FaultSetup FaultSetup::only(Exchange exchange, Fault fault)
{
    FaultSetup setup;
    setup[exchange].fault = fault;
    return setup;
}

std::optional<QStringList> loadFieldsFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    constexpr qint64 Limit = 64 * 1024; // a configuration is about a kilobyte
    const QByteArray bytes = file.read(Limit + 1);
    if (bytes.size() > Limit) {
        if (error)
            *error = QStringLiteral("%1: too large for a configuration").arg(path);
        return std::nullopt;
    }
    QString text = qv::record::fromWire(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() == 1 && lines.first().count(u'|') == qv::record::FieldCount &&
        lines.first().endsWith(u'|')) {
        lines = qv::record::downloadLines(lines.first());
        lines.removeLast();
    }
    if (lines.size() != qv::record::FieldCount) {
        if (error)
            *error = QStringLiteral("%1: %2 fields, 56 expected").arg(path).arg(lines.size());
        return std::nullopt;
    }
    return lines;
}

bool applyStatusItems(qv::status::ModuleStatus &status, const QString &items, QString *error)
{
    qv::status::ModuleStatus s = status;
    for (const QString &item : items.split(u',', Qt::SkipEmptyParts)) {
        const QString key = item.section(u'=', 0, 0).trimmed();
        const QString value = item.section(u'=', 1);
        bool ok = item.contains(u'=');
        if (ok) {
            if (key == u"outputs")
                ok = parseBits(value, s.outputs);
            else if (key == u"inputs")
                ok = parseBits(value, s.inputs);
            else if (key == u"analog")
                s.analog = value;
            else if (key == u"counter")
                s.counter = value;
            else if (key == u"supply")
                ok = (value == u"0" || value == u"1") && ((s.supply = value == u"1"), true);
            else if (key == u"signal")
                s.signalLevel = value.toInt(&ok, 10);
            else if (key == u"version")
                s.version = value;
            else
                ok = false;
        }
        if (!ok) {
            if (error)
                *error = QStringLiteral("bad status item \"%1\"").arg(item);
            return false;
        }
    }
    status = s;
    return true;
}

std::optional<SequenceUnit> parseUnitItems(const QString &text, const SequenceUnit &base,
                                           QString *error)
{
    auto fail = [&](const QString &why) -> std::optional<SequenceUnit> {
        if (error)
            *error = QStringLiteral("--unit \"%1\": %2").arg(text, why);
        return std::nullopt;
    };
    QList<std::pair<QString, QString>> items;
    for (const QString &item : text.split(u';', Qt::SkipEmptyParts)) {
        if (!item.contains(u'='))
            return fail(QStringLiteral("\"%1\" is not key=value").arg(item));
        items.append({item.section(u'=', 0, 0).trimmed(), item.section(u'=', 1)});
    }
    SequenceUnit unit = base;
    // The model first, whatever the order: the other keys change the module it gives.
    for (const auto &[key, value] : items) {
        if (key != u"model")
            continue;
        const auto model = modelFromName(value);
        if (!model)
            return fail(QStringLiteral("unknown model %1").arg(value));
        unit.module.model = *model;
        unit.module.identText = defaultIdentification(*model);
        unit.module.status = defaultStatus(*model);
    }
    for (const auto &[key, value] : items) {
        QString why;
        if (key == u"model") {
            continue;
        } else if (key == u"ident") {
            unit.module.identText = value;
        } else if (key == u"config") {
            const auto fields = loadFieldsFile(value, &why);
            if (!fields)
                return fail(why);
            unit.module.fields = *fields;
        } else if (key == u"status") {
            if (!applyStatusItems(unit.module.status, value, &why))
                return fail(why);
        } else if (key == u"fault") {
            const auto exchange = exchangeFromName(value.section(u'=', 0, 0));
            const auto fault = faultFromName(value.section(u'=', 1));
            if (!exchange || !fault || !value.contains(u'='))
                return fail(QStringLiteral("bad fault \"%1\" (see --help)").arg(value));
            unit.faults[*exchange].fault = *fault;
        } else if (key == u"loose") {
            bool ok = false;
            unit.looseContactMs = value.toInt(&ok);
            if (!ok || unit.looseContactMs < 0)
                return fail(QStringLiteral("bad loose contact \"%1\" (ms)").arg(value));
        } else {
            return fail(QStringLiteral("unknown key \"%1\"").arg(key));
        }
    }
    return unit;
}

} // namespace qvsim
