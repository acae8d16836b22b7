// The register entry of one exchange with the module, as the window and the commands
// record it: the report's facts with the link, the module and the technician.
#pragma once

#include "register/entry.h"
#include "transfer/exchangereport.h"

#include <QString>

namespace qv::reg {

// Who and what the exchange was done with, beside the report itself.
struct ExchangeContext
{
    QString programVersion;
    QString technician;
    QString site;
    QString identification; // as the module answered it
    int model = 0;          // qv::settings::DeviceModelCode
};

// The context of an exchange done now, with the technician the preferences remember.
ExchangeContext exchangeContext(const QString &programVersion, const QString &identification,
                                int model, const QString &site = {});

Entry entryForExchange(const qv::transfer::ExchangeReport &report, const ExchangeContext &context);

} // namespace qv::reg
