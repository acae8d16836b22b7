// The download exchange without a window or a thread of its own: "~}", the module's "R",
// the record line by line, the acknowledgement. It runs inside writeModule (writemodule.h),
// which keeps the port from the download through its read-back: on the download worker's
// thread (dlThread) for the window, on the calling thread for the write command and on the
// series' thread for series programming.
#pragma once

#include "serial/openfailure.h"

#include <QChar>
#include <QString>

#include <optional>

namespace qv::serial {
class SerialLine;
} // namespace qv::serial

namespace qv::transfer {

// What the exchange tells as it goes, from the calling thread.
class DownloadProgress
{
public:
    virtual ~DownloadProgress() = default;
    // The bar's range, told once before the port is opened (writeModule tells it).
    virtual void range(int maximum) = 0;
    // 10 once the module is ready, then one more for every byte of the record sent.
    virtual void value(int value) = 0;
    // Asked between two bytes: true ends the exchange there (the window's dialog closed).
    virtual bool interrupted() { return false; }
};

struct DownloadOutcome
{
    bool acknowledged = false;                      // the module took the record
    std::optional<serial::OpenFailure> openFailure; // why the port could not be opened
};

// The bar's maximum for `record`: 10 for the module's "R", then one for each character (the
// lone CR at the end lies past it and leaves a full bar).
int downloadProgressMaximum(const QString &record);

// Writes `record` (56 items, each followed by `separator`) into the module on `line`, open
// with the download's settings (lines::download: 1200 bit/s), and reads its acknowledgement
// `ackChar` in the first or the second byte. The line stays open (unless the device went
// away), so a read-back can follow on it. True when the module took the record.
bool downloadRecord(qv::serial::SerialLine &line, const QString &record, QChar separator,
                    char ackChar, DownloadProgress *progress = nullptr);

// The same on `port`, opened for it and closed afterwards (no read-back can follow on it:
// writeModule holds the port for one).
DownloadOutcome downloadRecord(const QString &port, const QString &record, QChar separator,
                               char ackChar, DownloadProgress *progress = nullptr);

} // namespace qv::transfer
