// What the window and the commands add to an exchange's own message: why a read-out failed,
// and the status bar's line after one that succeeded. Plain functions, so that whatever runs
// the exchange can say the same.
#pragma once

#include "transfer/readoutcore.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace qv::transfer {

// Why a read-out that ended Malformed failed, in the user's words: nothing received (and
// how long the line was silent), a reply cut short or with the wrong number of fields, no
// separator, or one longer than any configuration. Empty for any other end (their message
// already says why).
QString readOutCause(const ReadOutOutcome &outcome);

// "Kiolvasva: Q_QV5, 0042 Kapu modul, 12:03": the model, the module's id and name from the
// 56 fields read, and the time of the read-out.
QString readOutSummary(const QString &model, const QStringList &fields, const QDateTime &when);

} // namespace qv::transfer
