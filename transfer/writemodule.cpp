#include "transfer/writemodule.h"

#include "serial/openadvice.h"
#include "serial/serialline.h"
#include "transfer/configrecord.h"
#include "transfer/download.h"
#include "transfer/modulerecord.h"
#include "transfer/readoutcore.h"

#include <QCoreApplication>

namespace qv::transfer {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::WriteModule)
};

} // namespace

WriteOutcome writeModule(const QString &port, qint32 baud, const QString &record,
                         QChar downloadSeparator, QChar uploadSeparator, char ackChar, bool verify,
                         DownloadProgress *download, qv::ReadProgress *readBack)
{
    WriteOutcome outcome;
    const DownloadOutcome written =
        downloadRecord(port, record, downloadSeparator, ackChar, download);

    ExchangeReport &report = outcome.report;
    report.kind = ExchangeKind::Download;
    const LineSettings line = lines::download(port);
    report.port = line.port;
    report.baud = line.baud;
    report.fields = record::downloadLines(record, downloadSeparator).mid(0, record::FieldCount);
    report.acknowledged = written.acknowledged;
    if (!written.acknowledged) {
        report.result = ExchangeResult::Failed;
        report.reason =
            Text::tr("Betöltés hiba.\nTipp: ellenőrizze az eszközt és a port beállítást.");
        outcome.openFailure = written.openFailure;
        if (written.openFailure)
            report.reason += u'\n' + openFailureAdvice(*written.openFailure);
        return outcome;
    }
    if (!verify)
        return outcome;

    const ReadOutOutcome back = readOutModule(port, baud, uploadSeparator, readBack);
    if (back.end != ReadOutEnd::Ok) {
        report.readBack = ReadBack::Failed;
        report.result = ExchangeResult::Failed;
        report.reason = Text::tr("Sikeres betöltés.\nAz ellenőrzés nem sikerült.\n%1")
                            .arg(readOutFailureText(back));
        outcome.readBackNotOpen = back.end == ReadOutEnd::NotOpen;
        return outcome;
    }
    report.differences = compareRecords(record, back.decoded.fields, downloadSeparator);
    if (report.differences.isEmpty()) {
        report.readBack = ReadBack::Same;
    } else {
        report.readBack = ReadBack::Differs;
        report.result = ExchangeResult::Differences;
        report.reason = Text::tr("Sikeres betöltés.\nA modul mást tárol!");
    }
    return outcome;
}

} // namespace qv::transfer
