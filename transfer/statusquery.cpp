#include "transfer/statusquery.h"

#include "serial/openadvice.h"
#include "serial/replybounds.h"
#include "serial/serialline.h"

#include <QCoreApplication>

namespace qv::transfer {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::StatusQuery)
};

} // namespace

StatusQueryOutcome queryModuleStatus(const QString &port, qv::serial::ReadProgress *progress,
                                     const std::atomic<bool> *cancel)
{
    StatusQueryOutcome outcome;
    if (cancel && cancel->load()) {
        outcome.end = StatusQueryEnd::Cancelled;
        return outcome;
    }
    // The module answers "~[" with one line ended by CR, always at 1200 bit/s.
    serial::SerialLine line;
    line.setCancelFlag(cancel);
    if (line.open(serial::lines::status(port)) != serial::OpenResult::Ok) {
        outcome.openFailure = line.openFailure();
        return outcome;
    }
    // A query cancelled before its request went out asks nothing.
    if (line.cancelRequested()) {
        outcome.end = StatusQueryEnd::Cancelled;
        return outcome;
    }
    line.writeBytes("~[");
    if (progress)
        progress->advance();
    serial::ReplyOptions options;
    options.bound = serial::replybound::Status;
    options.endAtCr = true;
    options.progress = progress;
    const serial::Reply reply = line.readReply(options);
    line.close();
    outcome.reply = reply.text;
    outcome.replyEnd = reply.end;
    if (reply.end == serial::ReplyEnd::Cancelled) {
        outcome.end = StatusQueryEnd::Cancelled;
        return outcome;
    }

    // A line that ends by silence is taken as it came; one that broke off, never ended or
    // never came is a failed query.
    const status::ParseResult parsed =
        reply.isComplete() ? status::parseStatusLine(reply.text) : status::ParseResult{};
    if (parsed.result != status::ParseStatus::Ok) {
        outcome.end = StatusQueryEnd::Failed;
        return outcome;
    }
    outcome.end = StatusQueryEnd::Ok;
    outcome.status = parsed.status;
    return outcome;
}

QString statusFailureText(const StatusQueryOutcome &outcome)
{
    if (outcome.end == StatusQueryEnd::Ok)
        return {};
    QString text = Text::tr("Sikertelen lekérdezés.\nEllenőrizze az eszközt!");
    if (outcome.openFailure)
        text += u'\n' + serial::openFailureAdvice(*outcome.openFailure);
    return text;
}

} // namespace qv::transfer
