// A record written into the module and, when asked, read back and compared: the download
// and its verification as the window's download worker (dlThread), the write command and
// series programming run them, without a window, ending in the report the register keeps.
// The port is held from the first byte written to the last byte read back, so no other
// program can take it between the write and its verification.
#pragma once

#include "serial/openfailure.h"
#include "transfer/exchangereport.h"
#include "transfer/readoutcore.h"

#include <QChar>
#include <QString>

#include <functional>
#include <optional>

namespace qv::serial {
class ReadProgress;
class SerialLine;
} // namespace qv::serial

namespace qv::transfer {

class DownloadProgress;

struct WriteOutcome
{
    ExchangeReport report;                          // a download's, its read-back's result in it
    std::optional<serial::OpenFailure> openFailure; // the download's port could not be opened
    bool readBackNotOpen = false;                   // the port could not be set for the read-back
    std::optional<ReadOutOutcome> readBack;         // the read-back, when it ran
};

// Downloads `record` (56 items, each followed by `downloadSeparator`) on `port`, then, with
// `verify`, reads the module out at `baud` (split at `uploadSeparator`) and compares, on the
// same open port. The report names what the user is told: "Betöltés hiba." with the port's
// advice, "Sikeres betöltés." with the failed or cancelled verification's reason, or "A modul
// mást tárol!".
WriteOutcome writeModule(const QString &port, qint32 baud, const QString &record,
                         QChar downloadSeparator, QChar uploadSeparator, char ackChar, bool verify,
                         DownloadProgress *download = nullptr,
                         qv::serial::ReadProgress *readBack = nullptr);

// The same on `line`, which the caller keeps: opened here when it is closed, set to the
// download's speed when it is open (after a read-out before the write, say), and left open
// afterwards unless the device went away. `verify` is asked once the module has taken the
// record (the window's box may be ticked while the record is on its way).
WriteOutcome writeModule(qv::serial::SerialLine &line, const QString &port, qint32 baud,
                         const QString &record, QChar downloadSeparator, QChar uploadSeparator,
                         char ackChar, const std::function<bool()> &verify,
                         DownloadProgress *download = nullptr,
                         qv::serial::ReadProgress *readBack = nullptr);

} // namespace qv::transfer
