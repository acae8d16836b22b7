#include "transfer/readoutcore.h"

#include "serial/comport.h"
#include "serial/openadvice.h"

#include <QCoreApplication>

namespace qv::transfer {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::ReadOut)
};

// What a read-out's reply comes to.
ReadOutOutcome decodeReply(const serial::Reply &reply, QChar separator)
{
    ReadOutOutcome outcome;
    outcome.received = reply.text.size();
    switch (reply.end) {
    case serial::ReplyEnd::Cancelled:
        outcome.end = ReadOutEnd::Cancelled;
        return outcome;
    case serial::ReplyEnd::Gone:
        // A reply cut inside the last telephone entry may still split into 56 fields:
        // it must not reach the form as if it were the configuration.
        qCDebug(lcTransfer) << "port gone during the reply";
        outcome.end = ReadOutEnd::Vanished;
        return outcome;
    case serial::ReplyEnd::Overlong:
        qCDebug(lcTransfer) << "reply too long";
        outcome.end = ReadOutEnd::Malformed;
        outcome.overlong = true;
        return outcome;
    case serial::ReplyEnd::Silence:
    case serial::ReplyEnd::Terminator:
    case serial::ReplyEnd::NotOpen:
        break;
    }

    // The whole reply is decoded before anything is written: a reply that fails leaves
    // the form as it was.
    outcome.decoded = decodeReadOut(reply.text, separator);
    if (outcome.decoded.status != ReadOutStatus::Ok) {
        qCDebug(lcTransfer).noquote() << outcome.decoded.diagnostic();
        outcome.end = ReadOutEnd::Malformed;
        return outcome;
    }
    outcome.end = ReadOutEnd::Ok;
    return outcome;
}

} // namespace

ReadOutOutcome readOutModule(const QString &port, qint32 baud, QChar separator,
                             qv::serial::ReadProgress *progress)
{
    serial::comPort line;
    if (!line.open(serial::lines::readOut(port, baud))) {
        ReadOutOutcome outcome;
        outcome.end = ReadOutEnd::NotOpen;
        outcome.openFailure = line.openFailure();
        return outcome;
    }
    line.writeText(QStringLiteral("~{"), false);
    return decodeReply(line.readAll(progress), separator);
}

ReadOutOutcome readOutModule(serial::SerialLine &line, QChar separator,
                             serial::ReadProgress *progress)
{
    if (!line.isOpen())
        return {};
    line.writeBytes(QByteArrayLiteral("~{"));
    serial::ReplyOptions options;
    options.bound = serial::replybound::ReadOut;
    options.progress = progress;
    return decodeReply(line.readReply(options), separator);
}

QString readOutFailureText(const ReadOutOutcome &outcome)
{
    switch (outcome.end) {
    case ReadOutEnd::Ok:
    case ReadOutEnd::Cancelled:
        return {};
    case ReadOutEnd::NotOpen: {
        QString text = Text::tr("Sikertelen kiolvasás.\nNem lehet megnyitni a portot.");
        if (outcome.openFailure)
            text += u'\n' + serial::openFailureAdvice(*outcome.openFailure);
        return text;
    }
    case ReadOutEnd::Vanished:
        return Text::tr("Sikertelen kiolvasás.\nA port megszűnt a kiolvasás közben: az "
                        "eszköz vagy az adapter lecsatlakozott. Csatlakoztassa újra, majd "
                        "ismételje meg a kiolvasást.");
    case ReadOutEnd::Malformed:
        return Text::tr("Sikertelen kiolvasás. (Ismeretlen formátum)");
    }
    return {};
}

ExchangeReport readOutReport(const ReadOutOutcome &outcome, ExchangeKind kind, const QString &port,
                             qint32 baud)
{
    ExchangeReport report;
    report.kind = kind;
    report.port = port;
    report.baud = baud;
    switch (outcome.end) {
    case ReadOutEnd::Ok:
        report.fields = outcome.decoded.fields;
        return report;
    case ReadOutEnd::Cancelled:
        report.reason = Text::tr("A kiolvasást a felhasználó megszakította.");
        break;
    default:
        report.reason = readOutFailureText(outcome);
        break;
    }
    report.result = ExchangeResult::Failed;
    return report;
}

} // namespace qv::transfer
