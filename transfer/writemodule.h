// A record written into the module and, when asked, read back and compared: the download
// and its verification as the write command and series programming run them, without a
// window, ending in the report the register keeps.
#pragma once

#include "serial/openfailure.h"
#include "transfer/exchangereport.h"

#include <QChar>
#include <QString>

#include <optional>

namespace qv {
class ReadProgress;
}

namespace qv::transfer {

class DownloadProgress;

struct WriteOutcome
{
    ExchangeReport report;                  // a download's, its read-back's result in it
    std::optional<OpenFailure> openFailure; // the download's port could not be opened
    bool readBackNotOpen = false;           // the read-back's port could not be opened
};

// Downloads `record` (56 items, each followed by `downloadSeparator`) on `port`, then, with
// `verify`, reads the module out at `baud` (split at `uploadSeparator`) and compares. The
// report names what the user is told: "Betöltés hiba." with the port's advice, "Sikeres
// betöltés." with the failed verification's reason, or "A modul mást tárol!".
WriteOutcome writeModule(const QString &port, qint32 baud, const QString &record,
                         QChar downloadSeparator, QChar uploadSeparator, char ackChar, bool verify,
                         DownloadProgress *download = nullptr,
                         qv::ReadProgress *readBack = nullptr);

} // namespace qv::transfer
