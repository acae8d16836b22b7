#include "register/exchangeentry.h"

#include "settings/preferences.h"

namespace qv::reg {

namespace {

Operation operationOf(qv::transfer::ExchangeKind kind)
{
    switch (kind) {
    case qv::transfer::ExchangeKind::ReadOut:
        return Operation::ReadOut;
    case qv::transfer::ExchangeKind::Backup:
        return Operation::Backup;
    case qv::transfer::ExchangeKind::Download:
        return Operation::Download;
    case qv::transfer::ExchangeKind::Compare:
        return Operation::Compare;
    }
    return Operation::ReadOut;
}

Result resultOf(qv::transfer::ExchangeResult result)
{
    switch (result) {
    case qv::transfer::ExchangeResult::Ok:
        return Result::Ok;
    case qv::transfer::ExchangeResult::Differences:
        return Result::Differences;
    case qv::transfer::ExchangeResult::Failed:
        return Result::Failed;
    }
    return Result::Failed;
}

Verification verificationOf(qv::transfer::ReadBack readBack)
{
    switch (readBack) {
    case qv::transfer::ReadBack::NotRun:
        return Verification::NotRun;
    case qv::transfer::ReadBack::Same:
        return Verification::Same;
    case qv::transfer::ReadBack::Differs:
        return Verification::Differs;
    case qv::transfer::ReadBack::Failed:
        return Verification::Failed;
    }
    return Verification::NotRun;
}

} // namespace

ExchangeContext exchangeContext(const QString &programVersion, const QString &identification,
                                int model, const QString &site)
{
    ExchangeContext context;
    context.programVersion = programVersion;
    context.technician = qv::settings::preferences::technician();
    context.site = site;
    context.identification = identification;
    context.model = model;
    return context;
}

Entry entryForExchange(const qv::transfer::ExchangeReport &report, const ExchangeContext &context)
{
    Entry entry = newEntry(operationOf(report.kind), context.programVersion);
    entry.result = resultOf(report.result);
    entry.reason = report.reason;
    entry.technician = context.technician;
    entry.site = context.site;
    entry.port = report.port;
    entry.baud = report.baud;
    entry.identification = context.identification;
    entry.model = context.model;
    entry.fields = report.fields;
    takeModuleFacts(entry);
    entry.acknowledged = report.acknowledged;
    entry.verification = verificationOf(report.readBack);
    for (const qv::transfer::FieldDifference &d : report.differences)
        entry.differences.append({d.field, d.formValue, d.moduleValue});
    return entry;
}

} // namespace qv::reg
