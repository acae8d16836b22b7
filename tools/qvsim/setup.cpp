#include "setup.h"

#include <QFile>

#include <cmath>
#include <numbers>

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
    QString text = qv::transfer::record::fromWire(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() == 1 && lines.first().count(u'|') == qv::transfer::record::FieldCount &&
        lines.first().endsWith(u'|')) {
        lines = qv::transfer::record::downloadLines(lines.first());
        lines.removeLast();
    }
    if (lines.size() != qv::transfer::record::FieldCount) {
        if (error)
            *error = QStringLiteral("%1: %2 fields, 56 expected").arg(path).arg(lines.size());
        return std::nullopt;
    }
    return lines;
}

bool applyStatusItems(qv::transfer::status::ModuleStatus &status, const QString &items,
                      QString *error)
{
    qv::transfer::status::ModuleStatus s = status;
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

namespace {

// A well-mixed number from the seed and the answer (splitmix32-like), the course's dice.
quint32 dice(quint32 seed, int answer)
{
    quint32 x = seed * 0x9E3779B9u + quint32(answer) * 0x85EBCA6Bu;
    x ^= x >> 16;
    x *= 0x7FEB352Du;
    x ^= x >> 15;
    x *= 0x846CA68Bu;
    x ^= x >> 16;
    return x;
}

} // namespace

qv::transfer::status::ModuleStatus statusForAnswer(const qv::transfer::status::ModuleStatus &base,
                                                   const StatusCourse &course, int answer)
{
    qv::transfer::status::ModuleStatus s = base;
    const int n = course.cycle > 0 ? (answer - 1) % course.cycle + 1 : answer;
    for (const StatusCourse::Step &step : course.steps) {
        if (step.answer <= n)
            applyStatusItems(s, step.items, nullptr);
    }
    if (!course.wander)
        return s;
    const double phase = double(course.seed % 97) / 97.0 * 2 * std::numbers::pi;
    const quint32 roll = dice(course.seed, answer);
    const int jitter = roll % 5 == 0 ? -1 : roll % 5 == 4 ? 1 : 0;
    const double level = 3.0 + 1.7 * std::sin(answer * 2 * std::numbers::pi / 41 + phase) + jitter;
    s.signalLevel = qBound(1, int(std::lround(level)), 5);
    bool ok = false;
    const double volts = s.analog.toDouble(&ok);
    const double drift = 1.5 * std::sin(answer * 2 * std::numbers::pi / 67 + phase) +
                         0.1 * double(int(roll >> 8 & 7) - 3);
    s.analog = QString::number(qMax(0.0, (ok ? volts : 12.0) + drift), 'f', 1);
    const qint64 count = s.counter.toLongLong(&ok);
    s.counter = QStringLiteral("%1").arg((ok ? count : 0) + 2 * answer + qint64(roll >> 12 & 1),
                                         int(s.counter.size()), 10, QLatin1Char('0'));
    return s;
}

std::optional<StatusCourse::Step> parseStatusStep(const QString &text, QString *error)
{
    bool ok = false;
    const int answer = text.section(u':', 0, 0).toInt(&ok, 10);
    const QString items = text.section(u':', 1);
    qv::transfer::status::ModuleStatus probe;
    if (!ok || answer < 1 || !text.contains(u':') || !applyStatusItems(probe, items, error)) {
        if (error && (!ok || answer < 1 || !text.contains(u':')))
            *error = QStringLiteral("bad --status-at \"%1\" (N:ITEMS, N from 1)").arg(text);
        return std::nullopt;
    }
    return StatusCourse::Step{answer, items};
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
