#include "transfer/statusquery.h"

#include "serial/openadvice.h"
#include "serial/replybounds.h"
#include "serial/serialline.h"

namespace qv::transfer {

StatusQueryOutcome queryModuleStatus(const QString &port, qv::ReadProgress *progress)
{
    StatusQueryOutcome outcome;
    // The module answers "~[" with one line ended by CR, always at 1200 bit/s.
    SerialLine line;
    if (line.open(lines::status(port)) != OpenResult::Ok) {
        outcome.openFailure = line.openFailure();
        return outcome;
    }
    line.writeBytes("~[");
    if (progress)
        progress->advance();
    ReplyOptions options;
    options.bound = replybound::Status;
    options.endAtCr = true;
    options.progress = progress;
    const Reply reply = line.readReply(options);
    line.close();

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
    QString text = QStringLiteral("Sikertelen lekérdezés.\nEllenőrizze az eszközt!");
    if (outcome.openFailure)
        text += u'\n' + openFailureAdvice(*outcome.openFailure);
    return text;
}

} // namespace qv::transfer
