#include "cli/commands.h"

#include "cli/commandline.h"
#include "cli/gui/sheetcommand.h"
#include "cli/watchcommand.h"
#include "files/configformat.h"
#include "form/catalogue.h"
#include "form/deviceprofile.h"
#include "register/exchangeentry.h"
#include "register/journal.h"
#include "serial/comport.h"
#include "serial/identifymodule.h"
#include "serial/openadvice.h"
#include "serial/serialline.h"
#include "series/series.h"
#include "settings/branding.h"
#include "settings/compattable.h"
#include "settings/devsettings.h"
#include "settings/language.h"
#include "settings/preferences.h"
#include "transfer/configvalues.h"
#include "transfer/download.h"
#include "transfer/readoutcore.h"
#include "transfer/statusquery.h"
#include "transfer/statusreply.h"
#include "transfer/writemodule.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <atomic>
#include <csignal>
#include <memory>
#include <optional>

namespace qv::cli {

namespace {

const QStringList kCommands{
    QStringLiteral("identify"), QStringLiteral("read"),  QStringLiteral("write"),
    QStringLiteral("compare"),  QStringLiteral("diff"),  QStringLiteral("status"),
    QStringLiteral("series"),   QStringLiteral("sheet"),
};

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::Commands)
};

QString usage()
{
    //: The commands' --help. Command and option names, FÁJL/A/B as file names may be
    //: translated (FILE), the exit codes stay; the descriptions start in column 28.
    return Text::tr(
        "Használat: qvconfig <parancs> [kapcsolók]\n"
        "Parancsok:\n"
        "  identify                 A modul azonosítása.\n"
        "  read -o FÁJL.msw         A modul konfigurációjának kiolvasása fájlba.\n"
        "  write FÁJL.msw [--verify]\n"
        "                           A fájl betöltése a modulba (--verify: visszaolvasással).\n"
        "  compare FÁJL.msw         A fájl összehasonlítása a modul konfigurációjával.\n"
        "  diff A.msw B.msw         Két fájl összehasonlítása (modul nélkül).\n"
        "  status                   A modul állapotának lekérdezése.\n"
        "  status --watch MP [--count N] [--csv FÁJL]\n"
        "                           Az állapot figyelése MP másodpercenként (Ctrl+C: vége,\n"
        "                           összesítéssel); --csv: napló CSV-fájlba.\n"
        "  series ALAP.msw EGYSÉGEK.csv [--verify] [--model qv5|qv3|brk2] [--skip-invalid]\n"
        "         [--read-first] [--results FÁJL]\n"
        "                           Sorozatprogramozás: egymás után csatlakoztatott modulok,\n"
        "                           mindegyik az alapfájl értékeivel és a táblázat saját sorával.\n"
        "  sheet FÁJL.msw -o LAP.pdf [--with-pin] [--site SZÖVEG]\n"
        "                           Ügyféllap a fájl konfigurációjáról, PDF-ben (modul nélkül).\n"
        "Kapcsolók:\n"
        "  --port <név>             A modul portja (alapértelmezés: COM1).\n"
        "  --baud <bit/s>           Az azonosítás és a kiolvasás sebessége (alapértelmezés: "
        "1200).\n"
        "  --json                   Gépi feldolgozásra szánt JSON kimenet.\n"
        "  --register <kapcsolat>   A csapat nyilvántartása is (lásd qvconfig --help).\n"
        "  --lang <nyelv>           A kiírások nyelve: hu vagy en (lásd qvconfig --help).\n"
        "  --model qv5|qv3|brk2     series: a sorozat modultípusa (alapértelmezés: ahová az\n"
        "                           első sora került, különben az első modulé).\n"
        "  --skip-invalid           series: a hibás sorok kihagyása (nélküle semmi sem íródik).\n"
        "  --read-first             series: minden modul kiolvasása betöltés előtt (mentésként a\n"
        "                           nyilvántartásba); a sorozat egy sorát már tároló modul nem\n"
        "                           kap újat.\n"
        "  --results <fájl>         series: az eredményfájl (alapértelmezés: "
        "EGYSÉGEK-eredmeny.csv).\n"
        "  --with-pin               sheet: a modul PIN-kódja is a lapra kerül.\n"
        "  --site <szöveg>          sheet: a helyszín, ahogy a lapon áll.\n"
        "Kilépési kód: 0 kész, 1 hibás parancssor, 2 a port nem használható, 3 nincs modul vagy\n"
        "nem kompatibilis, 4 sikertelen adatcsere (series: sikertelen egység vagy leállítva;\n"
        "sheet: a PDF nem írható; status --watch: hiányzó minta vagy a napló nem írható),\n"
        "5 eltérések.\n");
}

struct Context
{
    QString command;
    QStringList files;
    QString output;
    bool json = false;
    bool verify = false;
    int model = NoDevice;     // series --model
    bool skipInvalid = false; // series --skip-invalid
    bool readFirst = false;   // series --read-first
    QString results;          // series --results
    QString teamRegister;
    std::unique_ptr<reg::Journal> journal; // opened at the command's first entry
    devSettings settings;
    QString version;
    QTextStream *out = nullptr;
    QTextStream *err = nullptr;
    bool progress = false;
};

int fail(Context &c, int status, const QString &text)
{
    *c.err << text << '\n';
    c.err->flush();
    return status;
}

void printJson(Context &c, const QJsonObject &object)
{
    *c.out << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
    c.out->flush();
}

// Progress on the standard error, when it is a terminal: a percentage rewritten in place.
class TerminalProgress : public qv::ReadProgress
{
public:
    TerminalProgress(QTextStream &err, QString label, int total)
        : m_err(err), m_label(std::move(label)), m_total(total)
    {
    }
    ~TerminalProgress() override
    {
        if (m_shown >= 0)
            m_err << '\n', m_err.flush();
    }
    void advance() override
    {
        ++m_bytes;
        const int percent = qMin(100, m_bytes * 100 / qMax(1, m_total));
        if (percent != m_shown) {
            m_shown = percent;
            m_err << '\r' << m_label << ' ' << percent << '%';
            m_err.flush();
        }
    }
    bool cancelled() override { return false; }

private:
    QTextStream &m_err;
    QString m_label;
    int m_total;
    int m_bytes = 0;
    int m_shown = -1;
};

// How long a command waits for the team's register once its exchanges are done; closing the
// register then takes at most another second, so that a command ends within five seconds of
// its exchange whatever the server does.
constexpr int ShareWaitMs = 3500;

void record(Context &c, const transfer::ExchangeReport &report)
{
    if (!c.journal) {
        c.journal = std::make_unique<reg::Journal>();
        QObject::connect(c.journal.get(), &reg::Journal::problem, c.journal.get(),
                         [&c](const QString &message) {
                             *c.err << message << '\n';
                             c.err->flush();
                         });
        c.journal->openDefault(c.teamRegister);
    }
    reg::ExchangeContext context;
    context.programVersion = c.settings.Version;
    context.technician = preferences::technician();
    context.identification = c.settings.DeviceId;
    context.model = c.settings.DeviceModel;
    c.journal->record(reg::entryForExchange(report, context));
}

// With a team register, what the command recorded goes to the server before it ends, or
// waits in the local register: then it says so once, with how many entries wait. The exit
// status stays the exchange's.
void shareRecorded(Context &c)
{
    if (!c.journal)
        return;
    if (!c.journal->teamConnection().isEmpty() && !c.journal->flush(ShareWaitMs)) {
        *c.err << c.journal->teamProblem() << '\n'
               << Text::tr("A helyi nyilvántartásban %n bejegyzés vár a csapat "
                           "nyilvántartásába küldésre.",
                           nullptr, c.journal->waiting())
               << '\n';
        c.err->flush();
    }
    c.journal.reset();
}

// The identification as the window's port selection runs it; Done when a compatible
// module answered (its text and model are then in the settings).
int identify(Context &c)
{
    const IdentifyOutcome outcome =
        identifyModule(c.settings.Port, c.settings.Baudrate, c.settings.Version);
    switch (outcome.end) {
    case IdentifyEnd::Ok:
        break;
    case IdentifyEnd::NotOpen:
        return fail(c, PortUnusable, identifyFailureText(outcome));
    case IdentifyEnd::NoModule:
    case IdentifyEnd::Incompatible:
        return fail(c, NoModule, identifyFailureText(outcome));
    }
    // The window greets no module of an unknown model either.
    if (outcome.id.model == NoDevice)
        return fail(c, NoModule,
                    Text::tr("A kiválasztott porton nem található csatlakoztatott eszköz."));
    c.settings.DeviceId = outcome.id.text;
    c.settings.DeviceModel = outcome.id.model;
    return Done;
}

QChar uploadSeparator(const Context &c)
{
    return QChar(char16_t(quint8(c.settings.UploadSeparator)));
}
QChar downloadSeparator(const Context &c)
{
    return QChar(char16_t(quint8(c.settings.DownloadSeparator)));
}

transfer::ReadOutOutcome readOut(Context &c)
{
    std::unique_ptr<TerminalProgress> progress;
    // (lupdate reads the function's "transfer::" as a class: the context is named here.)
    const QString label = QCoreApplication::translate("qv::Commands", "Kiolvasás...");
    if (c.progress)
        progress = std::make_unique<TerminalProgress>(*c.err, label,
                                                      record::FieldCount * record::ItemWidth);
    return transfer::readOutModule(c.settings.Port, c.settings.Baudrate, uploadSeparator(c),
                                   progress.get());
}

int readOutFailure(Context &c, const transfer::ReadOutOutcome &outcome)
{
    return fail(c, outcome.end == transfer::ReadOutEnd::NotOpen ? PortUnusable : Failed,
                transfer::readOutFailureText(outcome));
}

// A configuration file's value lines, or why it cannot be used.
std::optional<QStringList> readFile(Context &c, const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(c, Usage, Text::tr("A(z) %1 fájl nem olvasható.\n%2").arg(name, file.errorString()));
        return std::nullopt;
    }
    const config::ReadResult read =
        config::readConfig(file, int(form::configurationFields().size()));
    switch (read.status) {
    case config::ReadStatus::Ok:
        return read.values;
    case config::ReadStatus::TooFewLines:
        fail(c, Usage,
             Text::tr("A kiválasztott file \"%1\" nem nyitható meg a jelenlegi "
                      "verzióval.")
                 .arg(name));
        return std::nullopt;
    default:
        fail(c, Usage, Text::tr("A(z) %1 fájl szintaxisa hibás.").arg(name));
        return std::nullopt;
    }
}

// The download record a file gives for `model` (NoDevice: every value as it is), as the
// window sends it after opening the file; empty after reporting why it cannot be sent.
QString recordOf(Context &c, const QStringList &values, int model)
{
    transfer::FormValues formValues = transfer::formValuesFromFile(values);
    formValues.profile = device::profileFor(model);
    const QChar separator = downloadSeparator(c);
    const transfer::Assembly assembly = transfer::assembleDownload(formValues, separator);
    const QString caption = transfer::fieldCaption(assembly.field);
    switch (assembly.status) {
    case transfer::AssemblyStatus::Ok:
        return assembly.record;
    case transfer::AssemblyStatus::SeparatorInText:
        fail(c, Usage,
             Text::tr("A(z) \"%1\" mező nem tartalmazhat \"%2\" karaktert!")
                 .arg(caption, separator));
        break;
    case transfer::AssemblyStatus::LineBreakInText:
        fail(c, Usage, Text::tr("A(z) \"%1\" mező nem tartalmazhat sortörést!").arg(caption));
        break;
    case transfer::AssemblyStatus::CharacterWithoutByte:
        fail(c, Usage,
             Text::tr("A(z) \"%1\" mező nem tartalmazhat \"%2\" karaktert!")
                 .arg(caption, assembly.character));
        break;
    }
    return {};
}

// The window refuses a download while a field it offers is empty: every enabled field of
// these boxes must be filled; the telephone numbers need not.
bool allFilled(Context &c, const QStringList &values, int model)
{
    const std::optional<device::Profile> profile = device::profileFor(model);
    const transfer::FormValues formValues = transfer::formValuesFromFile(values);
    for (const char *box : {"g_general", "g_analog", "g_be", "g_ki", "g_activate"}) {
        for (const QString &field : form::names(box, form::Kind::LineEdit)) {
            const form::Item *item = form::findItem(field);
            if ((item && (item->flags & form::Disabled)) ||
                (profile && !device::hasTextField(*profile, field)))
                continue;
            if (formValues.texts.value(field).isEmpty()) {
                fail(c, Usage,
                     Text::tr("Minden beviteli mező kitöltése kötelező! (%1)")
                         .arg(transfer::fieldCaption(field)));
                return false;
            }
        }
    }
    return true;
}

QJsonObject identificationJson(const Context &c)
{
    return QJsonObject{{QStringLiteral("port"), c.settings.Port},
                       {QStringLiteral("baud"), c.settings.Baudrate},
                       {QStringLiteral("identification"), c.settings.DeviceId},
                       {QStringLiteral("model"), device::modelName(c.settings.DeviceModel)}};
}

// The differences as "field: first -> second" lines, or as JSON.
int reportDifferences(Context &c, const QList<transfer::FieldDifference> &differences,
                      const QString &first, const QString &second, QJsonObject json)
{
    if (c.json) {
        QJsonArray list;
        for (const transfer::FieldDifference &d : differences)
            list.append(QJsonObject{{QStringLiteral("field"), d.field},
                                    {QStringLiteral("first"), d.formValue},
                                    {QStringLiteral("second"), d.moduleValue}});
        json.insert(QStringLiteral("differences"), list);
        printJson(c, json);
    } else if (differences.isEmpty()) {
        *c.out << Text::tr("Nincs eltérés.") << '\n';
    } else {
        *c.out << Text::tr("%n eltérés (%1 / %2):", nullptr, int(differences.size()))
                      .arg(first, second)
               << '\n';
        for (const transfer::FieldDifference &d : differences)
            *c.out << d.field << ": \"" << d.formValue << "\" / \"" << d.moduleValue << "\"\n";
    }
    c.out->flush();
    return differences.isEmpty() ? Done : Differences;
}

int identifyCommand(Context &c)
{
    if (const int status = identify(c); status != Done)
        return status;
    if (c.json)
        printJson(c, identificationJson(c));
    else
        *c.out << Text::tr("Port: %1 (%2 bit/s)\nEszköz: %3\nTípus: %4\n")
                      .arg(c.settings.Port)
                      .arg(c.settings.Baudrate)
                      .arg(c.settings.DeviceId, device::modelName(c.settings.DeviceModel));
    return Done;
}

int statusCommand(Context &c)
{
    if (const int status = identify(c); status != Done)
        return status;
    const transfer::StatusQueryOutcome outcome = transfer::queryModuleStatus(c.settings.Port);
    if (outcome.end != transfer::StatusQueryEnd::Ok)
        return fail(c, outcome.end == transfer::StatusQueryEnd::NotOpen ? PortUnusable : Failed,
                    transfer::statusFailureText(outcome));
    const status::ModuleStatus &s = outcome.status;
    if (c.json) {
        QJsonArray outputs, inputs;
        for (bool on : s.outputs)
            outputs.append(on);
        for (bool on : s.inputs)
            inputs.append(on);
        QJsonObject json = identificationJson(c);
        json.insert(QStringLiteral("outputs"), outputs);
        json.insert(QStringLiteral("inputs"), inputs);
        json.insert(QStringLiteral("analog"), s.analog);
        json.insert(QStringLiteral("counter"), s.counter);
        json.insert(QStringLiteral("supply"), s.supply);
        json.insert(QStringLiteral("signalLevel"), s.signalLevel);
        json.insert(QStringLiteral("version"), s.version);
        printJson(c, json);
        return Done;
    }
    auto onOff = [](const std::array<bool, 4> &states) {
        QStringList words;
        for (size_t i = 0; i < states.size(); ++i)
            words << QStringLiteral("%1: %2").arg(i + 1).arg(
                states[i] ? Text::tr("be", "output or input state")
                          : Text::tr("ki", "output or input state"));
        return words.join(QStringLiteral(", "));
    };
    *c.out << Text::tr("Eszköz: %1\n").arg(c.settings.DeviceId)
           << Text::tr("Kimenetek: %1\n").arg(onOff(s.outputs))
           << Text::tr("Bemenetek: %1\n").arg(onOff(s.inputs))
           << Text::tr("Analóg bemenet: %1 V\n").arg(s.analog)
           << Text::tr("Számláló: %1\n").arg(s.counter)
           << Text::tr("Tápfeszültség: %1\n")
                  .arg(s.supply ? Text::tr("van", "supply voltage")
                                : Text::tr("nincs", "supply voltage"))
           << Text::tr("Térerő: %1\n").arg(s.signalLevel)
           << Text::tr("Verzió: %1\n").arg(s.version);
    c.out->flush();
    return Done;
}

int readCommand(Context &c)
{
    if (const int status = identify(c); status != Done)
        return status;
    const transfer::ReadOutOutcome outcome = readOut(c);
    record(c, transfer::readOutReport(outcome, transfer::ExchangeKind::ReadOut, c.settings.Port,
                                      c.settings.Baudrate));
    if (outcome.end != transfer::ReadOutEnd::Ok)
        return readOutFailure(c, outcome);

    const QString path = config::withDefaultSuffix(c.output);
    const QString reason = config::saveConfig(
        path, transfer::fileValuesFromReadOut(outcome.decoded.form, c.settings.DeviceModel));
    if (!reason.isEmpty())
        return fail(c, Failed,
                    Text::tr("A(z) %1 fájl mentése nem sikerült.\n%2")
                        .arg(QFileInfo(path).fileName(), reason));
    if (c.json) {
        QJsonObject json = identificationJson(c);
        json.insert(QStringLiteral("file"), path);
        printJson(c, json);
    } else {
        *c.out << Text::tr("Sikeres kiolvasás: %1\n").arg(path);
    }
    return Done;
}

int compareCommand(Context &c)
{
    const std::optional<QStringList> values = readFile(c, c.files.value(0));
    if (!values)
        return Usage;
    if (const int status = identify(c); status != Done)
        return status;
    const QString download = recordOf(c, *values, c.settings.DeviceModel);
    if (download.isEmpty())
        return Usage;
    const transfer::ReadOutOutcome outcome = readOut(c);
    transfer::ExchangeReport report = transfer::readOutReport(
        outcome, transfer::ExchangeKind::Compare, c.settings.Port, c.settings.Baudrate);
    if (outcome.end != transfer::ReadOutEnd::Ok) {
        record(c, report);
        return readOutFailure(c, outcome);
    }
    report.differences =
        transfer::compareRecords(download, outcome.decoded.fields, downloadSeparator(c));
    if (!report.differences.isEmpty())
        report.result = transfer::ExchangeResult::Differences;
    record(c, report);
    QJsonObject json = identificationJson(c);
    json.insert(QStringLiteral("file"), c.files.value(0));
    //: The two sides of the differences: "3 eltérés (fájl / modul):".
    return reportDifferences(c, report.differences, Text::tr("fájl"), Text::tr("modul"), json);
}

int diffCommand(Context &c)
{
    const std::optional<QStringList> first = readFile(c, c.files.value(0));
    if (!first)
        return Usage;
    const std::optional<QStringList> second = readFile(c, c.files.value(1));
    if (!second)
        return Usage;
    const QString a = recordOf(c, *first, NoDevice);
    if (a.isEmpty())
        return Usage;
    const QString b = recordOf(c, *second, NoDevice);
    if (b.isEmpty())
        return Usage;
    QStringList fields = record::downloadLines(b, downloadSeparator(c));
    if (fields.size() > record::FieldCount)
        fields.resize(record::FieldCount);
    const QList<transfer::FieldDifference> differences =
        transfer::compareRecords(a, fields, downloadSeparator(c));
    const QJsonObject json{{QStringLiteral("first"), c.files.value(0)},
                           {QStringLiteral("second"), c.files.value(1)}};
    return reportDifferences(c, differences, QFileInfo(c.files.value(0)).fileName(),
                             QFileInfo(c.files.value(1)).fileName(), json);
}

int writeCommand(Context &c)
{
    const std::optional<QStringList> values = readFile(c, c.files.value(0));
    if (!values)
        return Usage;
    if (const int status = identify(c); status != Done)
        return status;
    const QString download = recordOf(c, *values, c.settings.DeviceModel);
    if (download.isEmpty() || !allFilled(c, *values, c.settings.DeviceModel))
        return Usage;

    // What the download overwrites goes into the register first, when the user wants it.
    if (preferences::backupBeforeDownload()) {
        const transfer::ReadOutOutcome backup = readOut(c);
        record(c, transfer::readOutReport(backup, transfer::ExchangeKind::Backup, c.settings.Port,
                                          c.settings.Baudrate));
        if (backup.end != transfer::ReadOutEnd::Ok) {
            fail(c, 0,
                 Text::tr("%1\nA modul mostani konfigurációja nem került a nyilvántartásba; a "
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
            m_err << u'\r' + Text::tr("Betöltés... %1%").arg(value * 100 / qMax(1, m_range));
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
                                record::FieldCount * record::ItemWidth);
    }
    const transfer::WriteOutcome written = transfer::writeModule(
        c.settings.Port, c.settings.Baudrate, download, downloadSeparator(c), uploadSeparator(c),
        c.settings.AckChar, c.verify, downloadPercent ? &*downloadPercent : nullptr,
        readPercent ? &*readPercent : nullptr);
    const transfer::ExchangeReport &report = written.report;
    if (!report.acknowledged.value_or(false)) {
        record(c, report);
        return fail(c, written.openFailure ? PortUnusable : Failed, report.reason);
    }
    if (!c.verify) {
        record(c, report);
        if (c.json)
            printJson(c, identificationJson(c));
        else
            *c.out << Text::tr("Sikeres betöltés.") << '\n';
        return Done;
    }
    if (report.readBack == transfer::ReadBack::Failed) {
        record(c, report);
        return fail(c, written.readBackNotOpen ? PortUnusable : Failed, report.reason);
    }
    record(c, report);
    if (!report.differences.isEmpty() && !c.json)
        *c.err << Text::tr("A modul mást tárol!") << '\n';
    else if (report.differences.isEmpty() && !c.json)
        *c.out << Text::tr("Sikeres betöltés.\nEllenőrizve.") << '\n';
    if (c.json || !report.differences.isEmpty())
        //: The two sides of the differences: what was sent and what the module stores.
        return reportDifferences(c, report.differences, Text::tr("elküldve"), Text::tr("modul"),
                                 identificationJson(c));
    return Done;
}

// ---- series -------------------------------------------------------------------------------

struct SeriesText
{
    Q_DECLARE_TR_FUNCTIONS(qv::cli)
};

// The runner a stop signal (Ctrl+C, SIGTERM) reaches: it only sets the runner's flag, so
// the unit being written is finished and recorded first.
std::atomic<series::SeriesRunner *> g_seriesRunner{nullptr};
std::atomic<bool> g_stopSignalled{false};

extern "C" void stopSeries(int)
{
    g_stopSignalled = true;
    if (series::SeriesRunner *runner = g_seriesRunner.load())
        runner->stop();
}

QString stateKey(series::UnitState state)
{
    switch (state) {
    case series::UnitState::Pending:
        return QStringLiteral("pending");
    case series::UnitState::Working:
        return QStringLiteral("working");
    case series::UnitState::Passed:
        return QStringLiteral("passed");
    case series::UnitState::PassedEarlier:
        return QStringLiteral("passedEarlier");
    case series::UnitState::Failed:
        return QStringLiteral("failed");
    case series::UnitState::Skipped:
        return QStringLiteral("skipped");
    case series::UnitState::WrittenNotRecorded:
        return QStringLiteral("notRecorded");
    }
    return {};
}

void printJsonLine(Context &c, const QJsonObject &object)
{
    *c.out << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) << '\n';
    c.out->flush();
}

QJsonObject unitJson(const series::UnitsTable &table, const series::UnitResult &r)
{
    QJsonObject values;
    for (qsizetype i = 0; i < table.columns.size(); ++i)
        values.insert(table.columns.at(i), table.rows.value(r.row).value(i));
    return QJsonObject{
        {QStringLiteral("type"), QStringLiteral("unit")},
        {QStringLiteral("row"), r.row + 1},
        {QStringLiteral("line"), table.lines.value(r.row)},
        {QStringLiteral("state"), stateKey(r.state)},
        {QStringLiteral("result"), series::stateText(r.state)},
        {QStringLiteral("reason"), r.reason},
        {QStringLiteral("time"), r.time.isValid() ? r.time.toString(Qt::ISODateWithMs) : QString()},
        {QStringLiteral("identification"), r.identification},
        {QStringLiteral("values"), values},
    };
}

// The prompts and each unit's end on the standard error, the units as JSON lines on the
// standard output.
class CommandObserver : public series::SeriesObserver
{
public:
    CommandObserver(Context &c, const series::UnitsTable &table, series::SeriesRunner &runner)
        : m_c(c), m_table(table), m_runner(runner)
    {
    }

    void unitChanged(const series::UnitResult &result) override
    {
        endProgress();
        announceStop();
        QTextStream &err = *m_c.err;
        const QString done = series::progressText(m_runner.results());
        switch (result.state) {
        case series::UnitState::Passed:
            err << SeriesText::tr("%1. sor: kész (%2)").arg(result.row + 1).arg(done) << '\n';
            break;
        case series::UnitState::Failed:
            err << SeriesText::tr("%1. sor: sikertelen (%2)\n%3")
                       .arg(result.row + 1)
                       .arg(done, result.reason)
                << '\n';
            break;
        case series::UnitState::WrittenNotRecorded:
            err << SeriesText::tr("%1. sor: betöltve, nincs nyilvántartásban (%2)\n%3")
                       .arg(result.row + 1)
                       .arg(done, result.reason)
                << '\n';
            break;
        default:
            return;
        }
        err.flush();
        if (m_c.json)
            printJsonLine(m_c, unitJson(m_table, result));
    }
    void waiting(series::Wait what, int row) override
    {
        endProgress();
        announceStop();
        if (what == series::Wait::ForModule)
            *m_c.err << SeriesText::tr("Csatlakoztassa a modult (%1. sor)…").arg(row + 1) << '\n';
        else
            *m_c.err << SeriesText::tr("Vegye le a modult…") << '\n';
        m_c.err->flush();
    }
    void moduleRefused(const QString &reason) override
    {
        endProgress();
        *m_c.err << reason << '\n';
        m_c.err->flush();
    }
    void progress(int row, int percent) override
    {
        announceStop();
        if (!m_c.progress || percent == m_percent)
            return;
        m_percent = percent;
        *m_c.err << '\r' << SeriesText::tr("%1. sor: %2%").arg(row + 1).arg(percent);
        m_c.err->flush();
    }
    void problem(const QString &message) override
    {
        endProgress();
        *m_c.err << message << '\n';
        m_c.err->flush();
    }

private:
    void endProgress()
    {
        if (m_percent >= 0)
            *m_c.err << '\n';
        m_percent = -1;
    }
    void announceStop()
    {
        if (!g_stopSignalled || m_stopAnnounced)
            return;
        m_stopAnnounced = true;
        endProgress();
        *m_c.err << SeriesText::tr("Leállítás: a sorozat a mostani egység befejezése után megáll.")
                 << '\n';
        m_c.err->flush();
    }

    Context &m_c;
    const series::UnitsTable &m_table;
    series::SeriesRunner &m_runner;
    int m_percent = -1;
    bool m_stopAnnounced = false;
};

int seriesCommand(Context &c)
{
    const QString basePath = c.files.value(0);
    const QString unitsPath = c.files.value(1);
    const QString resultsPath =
        c.results.isEmpty() ? series::defaultResultsPath(unitsPath) : c.results;
    if (const QString why = series::resultsPathProblem(resultsPath, basePath, unitsPath);
        !why.isEmpty())
        return fail(c, Usage, why);
    const std::optional<QStringList> base = readFile(c, basePath);
    if (!base)
        return Usage;
    QByteArray baseBytes;
    {
        QFile file(basePath);
        if (file.open(QIODevice::ReadOnly))
            baseBytes = file.read(1024 * 1024);
    }
    const series::UnitsRead units = series::readUnitsFile(unitsPath);
    if (!units.table)
        return fail(c, Usage, units.error);
    const series::UnitsTable &table = *units.table;

    // Invalid rows: listed, and nothing is written unless the user skips them.
    const QList<series::CellProblem> problems = series::checkUnits(table, *base, c.model);
    bool headerProblem = false;
    for (const series::CellProblem &p : problems) {
        headerProblem = headerProblem || p.row == 0;
        if (c.json)
            printJsonLine(c, QJsonObject{{QStringLiteral("type"), QStringLiteral("problem")},
                                         {QStringLiteral("row"), p.row},
                                         {QStringLiteral("line"), p.line},
                                         {QStringLiteral("column"), p.column},
                                         {QStringLiteral("value"), p.value},
                                         {QStringLiteral("reason"), p.reason}});
        *c.err << series::problemText(p) << '\n';
    }
    const QList<int> skipped = series::rowsWithProblems(problems);
    if (headerProblem || (!skipped.isEmpty() && !c.skipInvalid))
        return fail(
            c, Usage,
            headerProblem
                ? SeriesText::tr("A táblázat fejléce vagy az alapfájl hibás (lásd fent): "
                                 "egyetlen modul sem kapott értéket.")
                : SeriesText::tr("Hibás sorok: egyetlen modul sem kapott értéket. A hibás "
                                 "sorok kihagyásához adja meg a --skip-invalid kapcsolót."));

    series::SeriesSetup setup;
    setup.port = c.settings.Port;
    setup.baud = c.settings.Baudrate;
    setup.basePath = basePath;
    setup.baseFileBytes = baseBytes;
    setup.baseValues = *base;
    setup.units = table;
    setup.unitsPath = unitsPath;
    setup.skippedRows = skipped;
    setup.model = c.model;
    setup.verify = c.verify;
    setup.readFirst = c.readFirst;
    setup.resultsPath = resultsPath;
    setup.programVersion = c.settings.Version;
    setup.teamRegister = c.teamRegister;
    const QString key = series::seriesKey(unitsPath, baseBytes);

    series::SeriesRunner runner(setup);
    QString error;
    const QList<series::UnitResult> planned = runner.plan(&error);
    if (!error.isEmpty())
        return fail(
            c, Usage,
            SeriesText::tr("A sorozat a nyilvántartás nélkül nem indítható, mert abból tudja, "
                           "mely sorok készültek el korábban.\n") +
                error);
    int earlier = 0;
    for (const series::UnitResult &r : planned) {
        if (r.state == series::UnitState::PassedEarlier)
            ++earlier;
        if (c.json && r.state != series::UnitState::Pending)
            printJsonLine(c, unitJson(table, r));
    }
    if (earlier > 0)
        *c.err << QCoreApplication::translate("qv::cli",
                                              "%n sor korábban elkészült, azok "
                                              "kimaradnak.",
                                              nullptr, earlier)
               << '\n';

    CommandObserver observer(c, table, runner);
    g_stopSignalled = false;
    g_seriesRunner = &runner;
    const auto oldInt = std::signal(SIGINT, stopSeries);
    const auto oldTerm = std::signal(SIGTERM, stopSeries);
    const bool ran = runner.run(observer, &error);
    std::signal(SIGINT, oldInt);
    std::signal(SIGTERM, oldTerm);
    g_seriesRunner = nullptr;

    const QList<series::UnitResult> results = runner.results();
    int passed = 0, failed = 0, pending = 0, skippedCount = 0, notRecorded = 0;
    for (const series::UnitResult &r : results) {
        switch (r.state) {
        case series::UnitState::WrittenNotRecorded: // to be written again: still to do
            ++notRecorded;
            ++pending;
            break;
        case series::UnitState::Passed:
            ++passed;
            break;
        case series::UnitState::PassedEarlier:
            break;
        case series::UnitState::Failed:
            ++failed;
            break;
        case series::UnitState::Skipped:
            ++skippedCount;
            break;
        default:
            ++pending;
            break;
        }
    }
    int status = failed == 0 && pending == 0 ? Done : Failed;
    // Not run at all (the series running elsewhere, the register or the results file), or
    // ended by the port or by the register.
    if (!ran)
        status = runner.portFailure() ? PortUnusable : runner.notRecorded() ? Failed : Usage;
    if (!ran && !error.isEmpty())
        *c.err << error << '\n';
    const QString done = series::progressText(results);
    if (c.json) {
        printJsonLine(c, QJsonObject{{QStringLiteral("type"), QStringLiteral("summary")},
                                     {QStringLiteral("rows"), int(results.size())},
                                     {QStringLiteral("passed"), passed},
                                     {QStringLiteral("passedEarlier"), earlier},
                                     {QStringLiteral("failed"), failed},
                                     {QStringLiteral("skipped"), skippedCount},
                                     {QStringLiteral("pending"), pending},
                                     {QStringLiteral("notRecorded"), notRecorded},
                                     {QStringLiteral("stopped"), runner.stopRequested()},
                                     {QStringLiteral("results"), resultsPath},
                                     {QStringLiteral("series"), key},
                                     {QStringLiteral("exit"), status}});
    } else {
        *c.out << SeriesText::tr("Sorozat: %1 (kész most: %2, korábban: %3, sikertelen: %4, "
                                 "kihagyva: %5, hátra: %6)")
                      .arg(done)
                      .arg(passed)
                      .arg(earlier)
                      .arg(failed)
                      .arg(skippedCount)
                      .arg(pending)
               << '\n'
               << SeriesText::tr("Eredmények: %1").arg(resultsPath) << '\n';
        c.out->flush();
    }
    c.err->flush();
    return status;
}

int runCommand(Context &c)
{
    if (c.command == QLatin1String("identify"))
        return identifyCommand(c);
    if (c.command == QLatin1String("status"))
        return statusCommand(c);
    if (c.command == QLatin1String("read"))
        return readCommand(c);
    if (c.command == QLatin1String("compare"))
        return compareCommand(c);
    if (c.command == QLatin1String("diff"))
        return diffCommand(c);
    if (c.command == QLatin1String("write"))
        return writeCommand(c);
    if (c.command == QLatin1String("series"))
        return seriesCommand(c);
    return fail(c, Usage, usage());
}

} // namespace

bool isCommand(const QString &argument)
{
    return kCommands.contains(argument);
}

bool laysOutText(const QString &command)
{
    return command == QLatin1String("sheet");
}

int run(const QStringList &arguments, const QString &version, QTextStream &out, QTextStream &err,
        bool progress)
{
    Context c;
    c.out = &out;
    c.err = &err;
    c.progress = progress;
    c.version = version;
    c.command = arguments.value(1);

    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption baud(QStringLiteral("baud"), QString(), QStringLiteral("bit/s"));
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption verify(QStringLiteral("verify"));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QString(), QStringLiteral("fájl"));
    const QCommandLineOption model(QStringLiteral("model"), QString(), QStringLiteral("típus"));
    const QCommandLineOption skipInvalid(QStringLiteral("skip-invalid"));
    const QCommandLineOption readFirst(QStringLiteral("read-first"));
    const QCommandLineOption results(QStringLiteral("results"), QString(), QStringLiteral("fájl"));
    const QCommandLineOption withPin(QStringLiteral("with-pin"));
    const QCommandLineOption site(QStringLiteral("site"), QString(), QStringLiteral("szöveg"));
    const QCommandLineOption watch(QStringLiteral("watch"), QString(), QStringLiteral("mp"));
    const QCommandLineOption count(QStringLiteral("count"), QString(), QStringLiteral("n"));
    const QCommandLineOption csv(QStringLiteral("csv"), QString(), QStringLiteral("fájl"));
    parser.addOptions({help, baud, json, verify, output, model, skipInvalid, readFirst, results,
                       withPin, site, watch, count, csv});
    addSharedOptions(parser);
    QStringList rest = arguments;
    rest.removeAt(1);
    if (!parser.parse(rest))
        return fail(c, Usage, parseFailure(parser) + u'\n' + usage());
    if (parser.isSet(help)) {
        out << usage();
        return Done;
    }
    // A port without a name, a team register with a password: refused before anything.
    SharedOptions shared;
    if (const QString problem = readSharedOptions(parser, &shared); !problem.isEmpty())
        return fail(c, Usage, problem);
    c.json = parser.isSet(json);
    c.verify = parser.isSet(verify);
    c.output = parser.value(output);
    c.files = parser.positionalArguments();
    c.teamRegister = shared.teamRegister;
    if (!shared.port.isEmpty())
        c.settings.Port = shared.port;
    if (parser.isSet(baud)) {
        bool ok = false;
        const int value = parser.value(baud).toInt(&ok);
        if (!ok || value <= 0)
            return fail(c, Usage, Text::tr("Hibás sebesség: %1").arg(parser.value(baud)));
        c.settings.Baudrate = value;
    }

    const bool isSheet = c.command == QLatin1String("sheet");
    const bool talksToModule = c.command != QLatin1String("diff") && !isSheet;
    if (!talksToModule && (!shared.port.isEmpty() || parser.isSet(baud)))
        return fail(c, Usage, Text::tr("A(z) %1 parancs nem használ portot.").arg(c.command));
    qsizetype files = 0;
    const bool isSeries = c.command == QLatin1String("series");
    if (c.command == QLatin1String("write") || c.command == QLatin1String("compare") || isSheet)
        files = 1;
    else if (c.command == QLatin1String("diff") || isSeries)
        files = 2;
    if (c.files.size() != files)
        return fail(
            c, Usage,
            Text::tr("A(z) %1 parancs %n fájlnevet vár (kapott: %2).\n\n%3", nullptr, int(files))
                .arg(c.command)
                .arg(c.files.size())
                .arg(usage()));
    if (c.command == QLatin1String("read") && c.output.isEmpty())
        return fail(c, Usage, Text::tr("A read parancs a -o FÁJL.msw kapcsolót várja."));
    if (isSheet && c.output.isEmpty())
        return fail(c, Usage, Text::tr("A sheet parancs a -o LAP.pdf kapcsolót várja."));
    if (c.command != QLatin1String("read") && !isSheet && parser.isSet(output))
        return fail(c, Usage,
                    Text::tr("A -o kapcsoló csak a read és a sheet parancshoz tartozik."));
    if (!isSheet && (parser.isSet(withPin) || parser.isSet(site)))
        return fail(
            c, Usage,
            Text::tr("A --with-pin és a --site kapcsoló csak a sheet parancshoz tartozik."));
    if (c.command != QLatin1String("write") && !isSeries && c.verify)
        return fail(c, Usage, Text::tr("A --verify kapcsoló csak a write parancshoz tartozik."));
    if (!isSeries && (parser.isSet(model) || parser.isSet(skipInvalid) || parser.isSet(readFirst) ||
                      parser.isSet(results)))
        return fail(c, Usage,
                    SeriesText::tr("A --model, --skip-invalid, --read-first és --results kapcsoló "
                                   "csak a series parancshoz tartozik."));
    if (parser.isSet(model)) {
        const QString name = parser.value(model).toLower();
        const std::pair<const char *, int> models[] = {
            {"qv5", ModelQV5}, {"qv3", ModelQV3}, {"brk2", ModelBRK2}};
        for (const auto &[word, code] : models) {
            if (name == QLatin1StringView(word))
                c.model = code;
        }
        if (c.model == NoDevice)
            return fail(c, Usage,
                        SeriesText::tr("Ismeretlen modultípus: %1 (qv5, qv3 vagy brk2 lehet).")
                            .arg(parser.value(model)));
    }
    c.skipInvalid = parser.isSet(skipInvalid);
    c.readFirst = parser.isSet(readFirst);
    c.results = parser.value(results);
    if (parser.isSet(results) && c.results.isEmpty())
        return fail(c, Usage, SeriesText::tr("A --results után meg kell adni a fájl nevét."));

    if (c.command != QLatin1String("status") && parser.isSet(watch))
        return fail(c, Usage, Text::tr("A --watch kapcsoló csak a status parancshoz tartozik."));
    if (!parser.isSet(watch) && (parser.isSet(count) || parser.isSet(csv)))
        return fail(
            c, Usage,
            Text::tr("A --count és a --csv kapcsoló a status --watch parancshoz tartozik."));

    if (c.command == QLatin1String("status") && parser.isSet(watch)) {
        WatchRequest request;
        const std::optional<int> interval = parseInterval(parser.value(watch));
        if (!interval)
            return fail(c, Usage,
                        Text::tr("A --watch után a lekérdezések közti idő adható meg "
                                 "másodpercben, 0,5 és 3600 között (kapott: %1).")
                            .arg(parser.value(watch)));
        bool ok = true;
        if (parser.isSet(count))
            request.count = parser.value(count).toInt(&ok);
        if (!ok || request.count < 0 || (parser.isSet(count) && request.count == 0))
            return fail(c, Usage,
                        Text::tr("A --count után a minták száma adható meg (kapott: %1).")
                            .arg(parser.value(count)));
        if (parser.isSet(csv) && parser.value(csv).isEmpty())
            return fail(c, Usage, Text::tr("A --csv után meg kell adni a fájl nevét."));
        if (const int status = identify(c); status != Done)
            return status;
        request.port = c.settings.Port;
        request.intervalMs = *interval;
        request.csv = parser.value(csv);
        request.json = c.json;
        request.model = c.settings.DeviceModel;
        request.identification = c.settings.DeviceId;
        request.version = c.settings.Version;
        request.teamRegister = c.teamRegister;
        return watchCommand(request, out, err);
    }
    if (isSheet) {
        const std::optional<QStringList> values = readFile(c, c.files.value(0));
        if (!values)
            return Usage;
        return sheetCommand({c.files.value(0), *values, c.output, parser.isSet(withPin),
                             parser.value(site), c.version, c.json},
                            out, err);
    }
    const int status = runCommand(c);
    shareRecorded(c);
    return status;
}

} // namespace qv::cli
