// The read-out exchange under the read-out's progress window (see readoutcore.h for the
// exchange itself).
#pragma once

#include "transfer/readoutcore.h"

class QWidget;

namespace qv::transfer::gui {

// Runs the exchange on `port` at `baud`, with the progress window parented to `parent`.
ReadOutOutcome readOutModule(const QString &port, qint32 baud, QChar separator, QWidget *parent);

} // namespace qv::transfer::gui
