#include "catalogue.h"

#include "serial/serialline.h"
#include "transfer/modulerecord.h"

#include <array>

namespace qvsim {

namespace {

constexpr std::array<const char *, ExchangeCount> ExchangeNames = {"ident", "readout", "download",
                                                                   "status"};
constexpr std::array<const char *, 15> FaultNames = {
    "none",         "silent",          "garbage",     "wrong-ready", "ack-wrong",
    "ack-late",     "ack-second-only", "ack-missing", "truncated",   "overlong",
    "never-silent", "unplug",          "slow-under",  "slow-over",   "stores-other"};

template <typename Enum, size_t N>
std::optional<Enum> fromName(const std::array<const char *, N> &names, const QString &name)
{
    for (size_t i = 0; i < N; ++i) {
        if (name == QLatin1String(names[i]))
            return Enum(i);
    }
    return std::nullopt;
}

} // namespace

QString exchangeName(Exchange exchange)
{
    return QLatin1String(ExchangeNames[size_t(exchange)]);
}

std::optional<Exchange> exchangeFromName(const QString &name)
{
    return fromName<Exchange>(ExchangeNames, name);
}

QString faultName(Fault fault)
{
    return QLatin1String(FaultNames[size_t(fault)]);
}

std::optional<Fault> faultFromName(const QString &name)
{
    return fromName<Fault>(FaultNames, name);
}

QStringList faultNames()
{
    QStringList names;
    for (const char *name : FaultNames)
        names << QLatin1String(name);
    return names;
}

std::optional<Model> modelFromName(const QString &name)
{
    const QString n = name.toLower();
    if (n == u"qv5" || n == u"q_qv5")
        return Model::QV5;
    if (n == u"qv3" || n == u"q_qv3")
        return Model::QV3;
    if (n == u"brk2" || n == u"q_brk2")
        return Model::BRK2;
    return std::nullopt;
}

std::optional<Exchange> requestedExchange(char byteAfterTilde)
{
    switch (byteAfterTilde) {
    case '|':
        return Exchange::Identification;
    case '{':
        return Exchange::ReadOut;
    case '}':
        return Exchange::Download;
    case '[':
        return Exchange::Status;
    default:
        return std::nullopt;
    }
}

QString defaultIdentification(Model model)
{
    switch (model) {
    case Model::QV5:
        return QStringLiteral("Q_QV5_FW2.1");
    case Model::QV3:
        return QStringLiteral("Q_QV3_FW2.1");
    case Model::BRK2:
        return QStringLiteral("Q_BRK2_FW1.4");
    }
    return {};
}

QStringList factoryFields()
{
    QStringList f;
    f << QStringLiteral("36309888000") << QStringLiteral("0000") << QStringLiteral("0001")
      << QStringLiteral("QV MODUL") << QStringLiteral("1") << QStringLiteral("0005")
      << QStringLiteral("10") << QStringLiteral("15") << QStringLiteral("050")
      << QStringLiteral("120") << QStringLiteral("0") << QStringLiteral("10000");
    f << QString() << QString() << QString() << QString(); // 12..15 reserved
    f << QStringLiteral("ANALOG ALACSONY") << QStringLiteral("ANALOG MAGAS")
      << QStringLiteral("ANALOG NORMAL") << QStringLiteral("SZAMLALO TELE");
    f << QString() << QString(); // 20..21 reserved
    f << QStringLiteral("ANALOG BEMENET") << QStringLiteral("SZAMLALO");
    for (const char *kind :
         {"BEMENET %1", "BEMENET %1 BE", "BEMENET %1 KI", "KIMENET %1 BE", "KIMENET %1 KI"}) {
        for (int n = 1; n <= 4; ++n)
            f << QString::fromLatin1(kind).arg(n);
    }
    f << QStringLiteral("SZAMLALO TORLES") << QStringLiteral("RIASZTAS BE")
      << QStringLiteral("RIASZTAS KI") << QString(); // 47 reserved
    for (int k = 1; k <= 8; ++k)
        f << qv::transfer::record::encodeTelephone(0, false, 0,
                                                   QString()); // "08": no rights, no output
    return f;
}

qv::transfer::status::ModuleStatus defaultStatus(Model model)
{
    qv::transfer::status::ModuleStatus s;
    s.outputs = {true, false, false, false};
    s.inputs = {false, true, false, false};
    s.analog = QStringLiteral("12.5");
    s.counter = QStringLiteral("00042");
    s.supply = true;
    s.signalLevel = 4;
    s.version = defaultIdentification(model).section(u'_', 2);
    return s;
}

int exchangeTimeout(Exchange exchange)
{
    // Only the time-outs are read; the port name and speed play no part in them.
    switch (exchange) {
    case Exchange::Identification:
        return qv::serial::lines::identification({}, 1200).readTimeout();
    case Exchange::ReadOut:
        return qv::serial::lines::readOut({}, 1200).readTimeout();
    case Exchange::Download:
        return qv::serial::lines::download({}).readTimeout();
    case Exchange::Status:
        return qv::serial::lines::status({}).readTimeout();
    }
    return 1000;
}

} // namespace qvsim
