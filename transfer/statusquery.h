// The status query without a window: "~[" and the module's one line ended by CR, always at
// 1200 bit/s, parsed whole. The window shows it in the status panel (statuscontroller.h);
// the status command prints it.
#pragma once

#include "serial/openfailure.h"
#include "serial/serialline.h"
#include "transfer/statusreply.h"

#include <QString>

#include <atomic>
#include <optional>

namespace qv::serial {
class ReadProgress;
} // namespace qv::serial

namespace qv::transfer {

enum class StatusQueryEnd {
    Ok,        // a status line came and parsed
    NotOpen,   // the port could not be opened
    Failed,    // no line, one that broke off or never ended, or one that does not parse
    Cancelled, // the cancel flag was set: the port is closed again, nothing to show
};

struct StatusQueryOutcome
{
    StatusQueryEnd end = StatusQueryEnd::NotOpen;
    status::ModuleStatus status;                           // when end is Ok
    std::optional<serial::OpenFailure> openFailure;        // why the port did not open (NotOpen)
    QString reply;                                         // the line as received, without its CR
    serial::ReplyEnd replyEnd = serial::ReplyEnd::NotOpen; // how the reply ended
};

// Runs the query on `port`, telling `progress` (may be null) of the request sent and of
// every byte received. `cancel` (may be null), set from another thread, ends the query at
// the next byte or within a short slice of a wait.
StatusQueryOutcome queryModuleStatus(const QString &port,
                                     qv::serial::ReadProgress *progress = nullptr,
                                     const std::atomic<bool> *cancel = nullptr);

// The message that reports a failed query, with why the port did not open and what to do;
// empty for Ok.
QString statusFailureText(const StatusQueryOutcome &outcome);

} // namespace qv::transfer
