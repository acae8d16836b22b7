#include "transfer/exchange.h"

#include "serial/serialline.h"
#include "settings/devsettings.h"

#include <QCoreApplication>

namespace qv::transfer {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::Exchange)
};

QChar separator(char c)
{
    return QChar(char16_t(quint8(c)));
}

} // namespace

Link linkOf(const settings::devSettings &settings)
{
    Link link;
    link.port = settings.Port;
    link.baud = settings.Baudrate;
    link.model = settings.DeviceModel;
    link.uploadSeparator = separator(settings.UploadSeparator);
    link.downloadSeparator = separator(settings.DownloadSeparator);
    link.ackChar = settings.AckChar;
    link.moduleId = settings.DeviceId;
    return link;
}

serial::IdentifyOutcome identify(const Link &link, const QString &programVersion)
{
    return serial::identifyModule(link.port, link.baud, programVersion);
}

ReadOut readOut(const Link &link, ExchangeKind kind, serial::ReadProgress *progress)
{
    ReadOut done;
    done.outcome = readOutModule(link.port, link.baud, link.uploadSeparator, progress);
    done.report = readOutReport(done.outcome, kind, link.port, link.baud);
    return done;
}

ReadOut compareWithModule(const Link &link, const QString &record, serial::ReadProgress *progress)
{
    ReadOut done = readOut(link, ExchangeKind::Compare, progress);
    if (done.outcome.end != ReadOutEnd::Ok)
        return done;
    done.report.differences =
        compareRecords(record, done.outcome.decoded.fields, link.downloadSeparator);
    if (!done.report.differences.isEmpty()) {
        done.report.result = ExchangeResult::Differences;
        done.report.reason =
            Text::tr("A modulban %n érték tér el.", nullptr, int(done.report.differences.size()));
    }
    return done;
}

WriteOutcome download(const Link &link, const QString &record, const std::function<bool()> &verify,
                      DownloadProgress *progress, serial::ReadProgress *readBack)
{
    serial::SerialLine line;
    WriteOutcome outcome =
        writeModule(line, link.port, link.baud, record, link.downloadSeparator,
                    link.uploadSeparator, link.ackChar, verify, progress, readBack);
    line.close();
    return outcome;
}

StatusQueryOutcome queryStatus(const Link &link, serial::ReadProgress *progress,
                               const std::atomic<bool> *cancel)
{
    return queryModuleStatus(link.port, progress, cancel);
}

} // namespace qv::transfer
