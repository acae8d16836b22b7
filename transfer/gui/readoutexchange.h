// The read-out and the comparison with the module under the read-out's progress window, each
// on its exchange thread (see transfer/exchange.h for the exchanges themselves).
#pragma once

#include "transfer/exchange.h"

class QWidget;

namespace qv::transfer::gui {

// The read-out as a report of `kind`, with the progress window parented to `parent`.
ReadOut readOutModule(const Link &link, ExchangeKind kind, QWidget *parent);
// The module read out and compared with `record`, under the same window.
ReadOut compareWithModule(const Link &link, const QString &record, QWidget *parent);

} // namespace qv::transfer::gui
