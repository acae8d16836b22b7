// The download exchange without a window or a thread of its own: "~}", the module's "R",
// the record line by line, the acknowledgement. The download worker (dlThread) runs it on
// its thread for the window and the write command; series programming runs it on the
// series' thread.
#pragma once

#include "serial/openfailure.h"

#include <QChar>
#include <QString>

#include <optional>

namespace qv::transfer {

// What the exchange tells as it goes, from the calling thread.
class DownloadProgress
{
public:
    virtual ~DownloadProgress() = default;
    // The bar's range, told once before the port is opened.
    virtual void range(int maximum) = 0;
    // 10 once the module is ready, then one more for every byte of the record sent.
    virtual void value(int value) = 0;
    // Asked between two bytes: true ends the exchange there (the window's dialog closed).
    virtual bool interrupted() { return false; }
};

struct DownloadOutcome
{
    bool acknowledged = false;              // the module took the record
    std::optional<OpenFailure> openFailure; // why the port could not be opened
};

// Writes `record` (56 items, each followed by `separator`) into the module on `port` at
// 1200 bit/s and reads its acknowledgement `ackChar` in the first or the second byte.
DownloadOutcome downloadRecord(const QString &port, const QString &record, QChar separator,
                               char ackChar, DownloadProgress *progress = nullptr);

} // namespace qv::transfer
