#include "transfer/writemodule.h"

#include "serial/openadvice.h"
#include "serial/portnames.h"
#include "serial/serialline.h"
#include "transfer/configrecord.h"
#include "transfer/download.h"
#include "transfer/modulerecord.h"

#include <QCoreApplication>

namespace qv::transfer {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::WriteModule)
};

// Why the open line could not take an exchange's speed, in the words an open failure has.
serial::OpenFailure refusedSettings(const serial::SerialLine &line, const QString &port)
{
    serial::OpenFailure failure;
    failure.port = port;
    failure.path = serial::systemPortPath(port);
    failure.systemText = line.errorReason();
    return failure;
}

} // namespace

WriteOutcome writeModule(const QString &port, qint32 baud, const QString &record,
                         QChar downloadSeparator, QChar uploadSeparator, char ackChar, bool verify,
                         DownloadProgress *download, qv::serial::ReadProgress *readBack)
{
    serial::SerialLine line;
    return writeModule(
        line, port, baud, record, downloadSeparator, uploadSeparator, ackChar,
        [verify] { return verify; }, download, readBack);
}

WriteOutcome writeModule(serial::SerialLine &line, const QString &port, qint32 baud,
                         const QString &record, QChar downloadSeparator, QChar uploadSeparator,
                         char ackChar, const std::function<bool()> &verify,
                         DownloadProgress *download, qv::serial::ReadProgress *readBack)
{
    WriteOutcome outcome;
    ExchangeReport &report = outcome.report;
    report.kind = ExchangeKind::Download;
    const serial::LineSettings downloadLine = serial::lines::download(port);
    report.port = downloadLine.port;
    report.baud = downloadLine.baud;
    report.fields = record::downloadLines(record, downloadSeparator).mid(0, record::FieldCount);

    if (download)
        download->range(downloadProgressMaximum(record));
    // Opening the port logs why it failed.
    const bool wasOpen = line.isOpen();
    const serial::OpenResult opened = wasOpen ? line.change(downloadLine) : line.open(downloadLine);
    if (opened != serial::OpenResult::Ok) {
        outcome.openFailure = wasOpen ? refusedSettings(line, port) : line.openFailure();
    } else {
        report.acknowledged = downloadRecord(line, record, downloadSeparator, ackChar, download);
    }
    if (!report.acknowledged.value_or(false)) {
        report.acknowledged = false;
        report.result = ExchangeResult::Failed;
        report.reason =
            Text::tr("Betöltés hiba.\nTipp: ellenőrizze az eszközt és a port beállítást.");
        if (outcome.openFailure)
            report.reason += u'\n' + openFailureAdvice(*outcome.openFailure);
        return outcome;
    }
    if (!verify())
        return outcome;

    // The read-back on the port still held: at the link's speed, with the read-out's
    // time-outs.
    ReadOutOutcome back;
    if (line.change(serial::lines::readOut(port, baud)) == serial::OpenResult::Ok) {
        back = readOutModule(line, uploadSeparator, readBack);
    } else {
        back.end = ReadOutEnd::NotOpen;
        back.openFailure = refusedSettings(line, port);
        outcome.readBackNotOpen = true;
    }
    outcome.readBack = back;
    switch (back.end) {
    case ReadOutEnd::Ok:
        break;
    case ReadOutEnd::Cancelled:
        report.readBack = ReadBack::Failed;
        report.result = ExchangeResult::Failed;
        report.reason = Text::tr("Sikeres betöltés.\nAz ellenőrzés megszakítva.");
        return outcome;
    default:
        report.readBack = ReadBack::Failed;
        report.result = ExchangeResult::Failed;
        report.reason = Text::tr("Sikeres betöltés.\nAz ellenőrzés nem sikerült.\n%1")
                            .arg(readOutFailureText(back));
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
