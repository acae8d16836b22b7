// What an exchange with the module did, as the read-out, the download and the comparison
// report it when they end: the facts a register keeps, in the words the user was given.
#pragma once

#include "transfer/configrecord.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace qv::transfer {

enum class ExchangeKind {
    ReadOut,  // the module's configuration read into the form
    Backup,   // read before a download, to keep what the download overwrites
    Download, // the form's record written into the module
    Compare,  // a record compared with the module's read-out
};

enum class ExchangeResult {
    Ok,          // done; a comparison found no difference
    Differences, // a comparison, or the read-back after a download, found differences
    Failed,      // `reason` says why
};

// The read-back after a download ("Ellenőrzés betöltés után").
enum class ReadBack { NotRun, Same, Differs, Failed };

struct ExchangeReport
{
    ExchangeKind kind = ExchangeKind::ReadOut;
    ExchangeResult result = ExchangeResult::Ok;
    QString reason; // what the user was told when it did not simply succeed
    QString port;   // the port and speed the exchange used
    qint32 baud = 0;
    // The 56 record fields: as received for a read-out, a backup and a comparison, as sent
    // for a download. Empty when no record went either way.
    QStringList fields;
    std::optional<bool> acknowledged; // a download: whether the module acknowledged it
    ReadBack readBack = ReadBack::NotRun;
    QList<FieldDifference> differences; // a comparison's, or the read-back's
};

} // namespace qv::transfer
