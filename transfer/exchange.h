// The exchange layer: the five exchanges with the module as the window, the commands and the
// series run them, each written once here, without widgets. Each takes the link it runs on
// as a value (Link: port, speed, model and the protocol's characters) and ends in a report
// of what it did (ExchangeReport: outcome, the reason in the user's words, the fields, the
// differences) beside the details its caller shows. The window runs them on an exchange
// thread (serial/exchangethread.h) and only shows the result; the commands run them as
// they are.
#pragma once

#include "serial/identifymodule.h"
#include "transfer/exchangereport.h"
#include "transfer/readoutcore.h"
#include "transfer/statusquery.h"
#include "transfer/writemodule.h"

#include <QChar>
#include <QString>

#include <atomic>
#include <functional>

namespace qv::settings {
struct devSettings;
}

namespace qv::transfer {

// What an exchange needs to know of the link and the module: the window's settings record
// (devSettings) holds it, and gives it by value (linkOf).
struct Link
{
    QString port;
    qint32 baud = 1200; // the identification's and the read-out's speed
    int model = 0;      // qv::settings::DeviceModelCode of the module identified
    QChar uploadSeparator{u'|'};
    QChar downloadSeparator{u'|'};
    char ackChar = 'O';
    QString moduleId; // the module's identification as received; empty before one
};

Link linkOf(const settings::devSettings &settings);
// How a controller asks the window for the link of its next exchange.
using LinkSource = std::function<Link()>;

// "~|" at the link's speed: what module answers, and whether this program version serves it.
serial::IdentifyOutcome identify(const Link &link, const QString &programVersion);

// "~{": the module's configuration, decoded whole, as a report of `kind` (a read-out, a
// backup before a download, the module's side of a comparison).
struct ReadOut
{
    ReadOutOutcome outcome;
    ExchangeReport report;
};
ReadOut readOut(const Link &link, ExchangeKind kind = ExchangeKind::ReadOut,
                serial::ReadProgress *progress = nullptr);

// The module read out and compared with `record` (56 items, each followed by the download
// separator): the report holds the differences, and the reason names how many.
ReadOut compareWithModule(const Link &link, const QString &record,
                          serial::ReadProgress *progress = nullptr);

// "~}" and the record, then, when `verify` says so once the module has taken it, its
// read-back on the same port (writemodule.h).
WriteOutcome download(const Link &link, const QString &record, const std::function<bool()> &verify,
                      DownloadProgress *progress = nullptr,
                      serial::ReadProgress *readBack = nullptr);

// "~[" at 1200 bit/s: the module's live status.
StatusQueryOutcome queryStatus(const Link &link, serial::ReadProgress *progress = nullptr,
                               const std::atomic<bool> *cancel = nullptr);

} // namespace qv::transfer
