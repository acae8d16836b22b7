// The read-out exchange without a window: "~{" at the link's speed, then the module's
// configuration, decoded whole before anyone uses it. The window shows it under a progress
// window (readoutexchange.h); the commands run it as it is.
#pragma once

#include "serial/openfailure.h"
#include "transfer/configrecord.h"
#include "transfer/exchangereport.h"

#include <QString>

#include <optional>

namespace qv::serial {
class ReadProgress;
class SerialLine;
} // namespace qv::serial

namespace qv::transfer {

enum class ReadOutEnd {
    Ok,        // 56 fields arrived and decoded
    NotOpen,   // the port could not be opened
    Cancelled, // the user pressed "Megszakítás"
    Vanished,  // the port went away part-way: whatever came is not the configuration
    Malformed, // no separator, not 56 fields, or longer than any configuration
};

struct ReadOutOutcome
{
    ReadOutEnd end = ReadOutEnd::NotOpen;
    ReadOutResult decoded;                          // status Ok when end is Ok
    std::optional<serial::OpenFailure> openFailure; // why the port did not open (NotOpen)
    qsizetype received = 0;                         // the reply's bytes (0: the module kept silent)
    bool overlong = false; // the reply ran past any configuration's length (Malformed)
};

// Runs the exchange on `port` at `baud`, telling `progress` (may be null) of every byte;
// the reply is split at `separator`. The diagnostics ("sep error", "dberror: N") go to
// qv.transfer.
ReadOutOutcome readOutModule(const QString &port, qint32 baud, QChar separator,
                             qv::serial::ReadProgress *progress);
// The same on `line`, already open with the read-out's settings (lines::readOut); it stays
// open unless the device went away.
ReadOutOutcome readOutModule(qv::serial::SerialLine &line, QChar separator,
                             qv::serial::ReadProgress *progress);

// The message that reports a failed read-out, with why the port did not open and what
// to do; empty for Ok and Cancelled.
QString readOutFailureText(const ReadOutOutcome &outcome);

// The read-out on `port` at `baud` as a report of `kind` (a read-out, a backup or the
// module's side of a comparison): the fields received, or why none came (a cancel too,
// which is not shown).
ExchangeReport readOutReport(const ReadOutOutcome &outcome, ExchangeKind kind, const QString &port,
                             qint32 baud);

} // namespace qv::transfer
