// "qvconfig identify" and "qvconfig status": the module's identity and its status.
#include "cli/command.h"

#include "form/deviceprofile.h"
#include "transfer/statusquery.h"
#include "transfer/statusreply.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QTextStream>

namespace qv::cli {

int identifyCommand(Context &c)
{
    if (const int status = identify(c); status != Done)
        return status;
    if (c.json)
        printJson(c, identificationJson(c));
    else
        *c.out << CommandText::tr("Port: %1 (%2 bit/s)\nEszköz: %3\nTípus: %4\n")
                      .arg(c.settings.Port)
                      .arg(c.settings.Baudrate)
                      .arg(c.settings.DeviceId, form::device::modelName(c.settings.DeviceModel));
    return Done;
}

int statusCommand(Context &c)
{
    if (c.options->isSet(QStringLiteral("watch")))
        return watchStatusCommand(c);
    if (const int status = identify(c); status != Done)
        return status;
    const transfer::StatusQueryOutcome outcome =
        transfer::queryStatus(transfer::linkOf(c.settings));
    if (outcome.end == transfer::StatusQueryEnd::NotOpen)
        return fail(c, PortUnusable, transfer::statusFailureText(outcome));
    if (outcome.end != transfer::StatusQueryEnd::Ok) // the query runs at 1200 bit/s
        return fail(c, Failed, transfer::statusFailureText(outcome) + u' ' + portNote(c, 1200));
    const transfer::status::ModuleStatus &s = outcome.status;
    if (c.json) {
        QJsonArray outputs, inputs;
        for (bool on : s.outputs)
            outputs.append(on);
        for (bool on : s.inputs)
            inputs.append(on);
        QJsonObject json = identificationJson(c);
        json.insert(QStringLiteral("outputs"), outputs);
        json.insert(QStringLiteral("inputs"), inputs);
        json.insert(QStringLiteral("analog"), s.analog);
        json.insert(QStringLiteral("counter"), s.counter);
        json.insert(QStringLiteral("supply"), s.supply);
        json.insert(QStringLiteral("signalLevel"), s.signalLevel);
        json.insert(QStringLiteral("version"), s.version);
        printJson(c, json);
        return Done;
    }
    auto onOff = [](const std::array<bool, 4> &states) {
        QStringList words;
        for (size_t i = 0; i < states.size(); ++i)
            words << QStringLiteral("%1: %2").arg(i + 1).arg(
                states[i] ? CommandText::tr("be", "output or input state")
                          : CommandText::tr("ki", "output or input state"));
        return words.join(QStringLiteral(", "));
    };
    *c.out << CommandText::tr("Eszköz: %1\n").arg(c.settings.DeviceId)
           << CommandText::tr("Kimenetek: %1\n").arg(onOff(s.outputs))
           << CommandText::tr("Bemenetek: %1\n").arg(onOff(s.inputs))
           << CommandText::tr("Analóg bemenet: %1 V\n").arg(s.analog)
           << CommandText::tr("Számláló: %1\n").arg(s.counter)
           << CommandText::tr("Tápfeszültség: %1\n")
                  .arg(s.supply ? CommandText::tr("van", "supply voltage")
                                : CommandText::tr("nincs", "supply voltage"))
           << CommandText::tr("Térerő: %1\n").arg(s.signalLevel)
           << CommandText::tr("Verzió: %1\n").arg(s.version);
    c.out->flush();
    return Done;
}

} // namespace qv::cli
