// "qvconfig read", "compare" and "write": the configuration out of the module, compared with
// it, and into it.
#include "cli/command.h"

#include "files/configformat.h"
#include "settings/preferences.h"
#include "transfer/configvalues.h"
#include "transfer/download.h"
#include "transfer/exchange.h"

#include <QFileInfo>
#include <QTextStream>

namespace qv::cli {

int readCommand(Context &c)
{
    if (const int status = identify(c); status != Done)
        return status;
    const transfer::ReadOut done = readOut(c, transfer::ExchangeKind::ReadOut);
    const transfer::ReadOutOutcome &outcome = done.outcome;
    record(c, done.report);
    if (outcome.end != transfer::ReadOutEnd::Ok)
        return readOutFailure(c, outcome);

    const QString path = files::withDefaultSuffix(c.output);
    const QString reason = files::saveConfig(
        path, transfer::fileValuesFromReadOut(outcome.decoded.form, c.settings.DeviceModel));
    if (!reason.isEmpty())
        return fail(c, Failed,
                    CommandText::tr("A(z) %1 fájl mentése nem sikerült.\n%2")
                        .arg(QFileInfo(path).fileName(), reason));
    if (c.json) {
        QJsonObject json = identificationJson(c);
        json.insert(QStringLiteral("file"), path);
        printJson(c, json);
    } else {
        *c.out << CommandText::tr("Sikeres kiolvasás: %1\n").arg(path);
    }
    return Done;
}

namespace {

// The steps a command that sends a file's configuration begins with: the file read, the
// module identified, the record assembled for its model (and, with `filled`, every field the
// window requires filled). Empty after saying why it cannot go on (*status holds the exit).
QString fileRecordForModule(Context &c, int *status, bool filled)
{
    *status = Usage;
    const std::optional<QStringList> values = readFile(c, c.files.value(0));
    if (!values)
        return {};
    if (const int identified = identify(c); identified != Done) {
        *status = identified;
        return {};
    }
    const QString download = recordOf(c, *values, c.settings.DeviceModel);
    if (download.isEmpty() || (filled && !allFilled(c, *values, c.settings.DeviceModel)))
        return {};
    *status = Done;
    return download;
}

} // namespace

int compareCommand(Context &c)
{
    int status = Usage;
    const QString download = fileRecordForModule(c, &status, false);
    if (status != Done)
        return status;
    const transfer::ReadOut compared = readOut(c, transfer::ExchangeKind::Compare, download);
    const transfer::ExchangeReport &report = compared.report;
    record(c, report);
    if (compared.outcome.end != transfer::ReadOutEnd::Ok)
        return readOutFailure(c, compared.outcome);
    QJsonObject json = identificationJson(c);
    json.insert(QStringLiteral("file"), c.files.value(0));
    //: The two sides of the differences: "3 eltérés (fájl / modul):".
    return reportDifferences(c, report.differences, CommandText::tr("fájl"),
                             CommandText::tr("modul"), json);
}

int writeCommand(Context &c)
{
    int status = Usage;
    const QString download = fileRecordForModule(c, &status, true);
    if (status != Done)
        return status;

    // What the download overwrites goes into the register first, when the user wants it.
    if (settings::preferences::backupBeforeDownload()) {
        const transfer::ReadOut done = readOut(c, transfer::ExchangeKind::Backup);
        const transfer::ReadOutOutcome &backup = done.outcome;
        record(c, done.report);
        if (backup.end != transfer::ReadOutEnd::Ok) {
            fail(c, 0,
                 CommandText::tr(
                     "%1\nA modul mostani konfigurációja nem került a nyilvántartásba; a "
                     "betöltés elmarad.")
                     .arg(transfer::readOutFailureText(backup)));
            return backup.end == transfer::ReadOutEnd::NotOpen ? PortUnusable : Failed;
        }
    }

    // Progress on a terminal: the download's percentage, then the read-back's.
    class DownloadPercent : public transfer::DownloadProgress
    {
    public:
        explicit DownloadPercent(QTextStream &err) : m_err(err) {}
        ~DownloadPercent() override
        {
            if (m_range > 0)
                m_err << '\n';
        }
        void range(int maximum) override { m_range = maximum; }
        void value(int value) override
        {
            m_err << u'\r' + CommandText::tr("Betöltés... %1%").arg(value * 100 / qMax(1, m_range));
            m_err.flush();
        }

    private:
        QTextStream &m_err;
        int m_range = 0;
    };
    std::optional<DownloadPercent> downloadPercent;
    std::optional<TerminalProgress> readPercent;
    if (c.progress) {
        downloadPercent.emplace(*c.err);
        if (c.verify)
            readPercent.emplace(*c.err, QCoreApplication::translate("qv::Commands", "Kiolvasás..."),
                                transfer::record::FieldCount * transfer::record::ItemWidth);
    }
    const bool verify = c.verify;
    const transfer::WriteOutcome written = transfer::download(
        transfer::linkOf(c.settings), download, [verify] { return verify; },
        downloadPercent ? &*downloadPercent : nullptr, readPercent ? &*readPercent : nullptr);
    const transfer::ExchangeReport &report = written.report;
    if (!report.acknowledged.value_or(false)) {
        record(c, report);
        // The download runs at 1200 bit/s; a port that did not open names itself.
        return fail(c, written.openFailure ? PortUnusable : Failed,
                    written.openFailure ? report.reason : report.reason + u' ' + portNote(c, 1200));
    }
    if (!c.verify) {
        record(c, report);
        if (c.json)
            printJson(c, identificationJson(c));
        else
            *c.out << CommandText::tr("Sikeres betöltés.") << '\n';
        return Done;
    }
    if (report.readBack == transfer::ReadBack::Failed) {
        record(c, report);
        return fail(c, written.readBackNotOpen ? PortUnusable : Failed, report.reason);
    }
    record(c, report);
    if (!report.differences.isEmpty() && !c.json)
        *c.err << CommandText::tr("A modul mást tárol!") << '\n';
    else if (report.differences.isEmpty() && !c.json)
        *c.out << CommandText::tr("Sikeres betöltés.\nEllenőrizve.") << '\n';
    if (c.json || !report.differences.isEmpty())
        //: The two sides of the differences: what was sent and what the module stores.
        return reportDifferences(c, report.differences, CommandText::tr("elküldve"),
                                 CommandText::tr("modul"), identificationJson(c));
    return Done;
}

} // namespace qv::cli
