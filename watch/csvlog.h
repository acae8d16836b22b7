// A watch session's log as CSV: one row per sample with its time, the eight fields of the
// status line as decoded, and the reply as it came. What a spreadsheet opens, and what the
// watch window plots again. Qt Core only.
//
// UTF-8 with a byte-order mark, ";" between fields, CR LF after each row, a header row:
//   idő;eltelt_ms;minta;új szakasz;modell;kimenetek;bemenetek;analóg;számláló;táp;térerő;
//   6. mező;verzió;válasz
// "idő" is the computer's clock (ISO 8601, local time with its offset, milliseconds), which
// may step back; "eltelt_ms" the monotonic time since the session began, which orders the
// rows. "minta" is "rendben", "hibás válasz", "nincs válasz", "nincs port" or "nem nyitható
// meg: <why>"; the decoded fields are empty for a missing sample. A text that a spreadsheet
// would take for a formula (it begins with = + - @ or ') gets a "'" before it.
#pragma once

#include "watch/sample.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace qv::watch {

QByteArray logHeader(); // with the byte-order mark and the row's CR LF
QByteArray logRow(const Sample &sample, int model);

// At most this many samples are read from a log (the newest); a week at one a second.
inline constexpr qsizetype MaxLogSamples = 7 * 24 * 3600;

struct LogRead
{
    QList<Sample> samples; // in the file's order, the elapsed times never decreasing
    int model = 0;         // the model named in the rows (0: none)
    int badRows = 0;       // rows that could not be read, left out
    int firstBadLine = 0;  // the file line of the first of them
    bool cut = false;      // older samples were left out (more than MaxLogSamples)
    QString error;         // why the file cannot be read at all; empty when it can
};

// Reads a log back; the samples are decoded again from their replies.
LogRead readLog(const QByteArray &bytes, qsizetype maxSamples = MaxLogSamples);
LogRead readLogFile(const QString &path, qsizetype maxSamples = MaxLogSamples);

} // namespace qv::watch
