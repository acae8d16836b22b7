#include "serial/identifymodule.h"

#include "serial/comport.h"
#include "serial/openadvice.h"
#include "settings/branding.h"
#include "settings/compattable.h"

#include <QCoreApplication>

namespace qv::serial {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::IdentifyModule)
};

IdentifyOutcome evaluate(const Reply &reply, const QString &version)
{
    IdentifyOutcome outcome;
    // A reply that broke off or never fell silent is no identification either.
    outcome.id = evaluateIdentification(reply.text);
    if (!reply.isComplete() || !outcome.id.isModule) {
        if (!reply.isComplete())
            qCDebug(settings::lcIdent) << "identification reply incomplete:" << int(reply.end);
        outcome.end = IdentifyEnd::NoModule;
        return outcome;
    }
    outcome.end = settings::compat::isCompatible(version, outcome.id.text)
                      ? IdentifyEnd::Ok
                      : IdentifyEnd::Incompatible;
    return outcome;
}

} // namespace

IdentifyOutcome identifyModule(const QString &portName, qint32 baud, const QString &version)
{
    // The module answers "~|" with its identification, then falls silent.
    comPort port;
    port.setReplyBound(replybound::Identification);
    if (!port.open(lines::identification(portName, baud))) {
        IdentifyOutcome outcome;
        outcome.openFailure = port.openFailure();
        return outcome;
    }
    port.writeText(QStringLiteral("~|"), false);
    const Reply reply = port.readAll();
    port.close();
    return evaluate(reply, version);
}

IdentifyOutcome identifyModule(const QString &portName, qint32 baud, const QString &version,
                               int answerWithinMs)
{
    SerialLine line;
    if (line.open(lines::identification(portName, baud)) != OpenResult::Ok) {
        IdentifyOutcome outcome;
        outcome.openFailure = line.openFailure();
        return outcome;
    }
    line.writeBytes(QByteArrayLiteral("~|"));
    Reply reply;
    const ByteRead first = line.readByte(answerWithinMs);
    if (first.status == ReadStatus::Byte) {
        ReplyOptions options;
        options.bound = replybound::Identification - 1;
        options.endAtCr = first.byte != 0x0D;
        reply = line.readReply(options);
        reply.text.prepend(QChar(char16_t(first.byte)));
    } else {
        reply.end = first.status == ReadStatus::Gone ? ReplyEnd::Gone : ReplyEnd::Silence;
    }
    line.close();
    return evaluate(reply, version);
}

QString identifyFailureText(const IdentifyOutcome &outcome)
{
    switch (outcome.end) {
    case IdentifyEnd::Ok:
        return {};
    case IdentifyEnd::NotOpen: {
        // The user chose this port and must learn why nothing happened.
        QString text = Text::tr("A kiválasztott port nem nyitható meg.");
        if (outcome.openFailure)
            text += u'\n' + openFailureAdvice(*outcome.openFailure);
        return text;
    }
    case IdentifyEnd::NoModule:
        return Text::tr("A kiválasztott porton nem található csatlakoztatott eszköz.");
    case IdentifyEnd::Incompatible:
        return Text::tr("A csatlakoztatott eszköz nem kompatibilis a jelenlegi "
                        "szoftververzióval.\nKérem töltse le a legújabb verziót "
                        "a \"%1\" oldalról!")
            .arg(settings::makerWebAddress());
    }
    return {};
}

} // namespace qv::serial
