#include "cli/command.h"

#include "files/configfile.h"
#include "files/configformat.h"
#include "form/catalogue.h"
#include "form/deviceprofile.h"
#include "register/exchangeentry.h"
#include "serial/identifymodule.h"
#include "serial/portlist.h"
#include "serial/portmessages.h"
#include "settings/preferences.h"
#include "transfer/configvalues.h"
#include "transfer/outcometexts.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

namespace qv::cli {

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

void printJsonLine(Context &c, const QJsonObject &object)
{
    *c.out << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) << '\n';
    c.out->flush();
}

TerminalProgress::TerminalProgress(QTextStream &err, QString label, int total)
    : m_err(err), m_label(std::move(label)), m_total(total)
{
}

TerminalProgress::~TerminalProgress()
{
    if (m_shown >= 0)
        m_err << '\n', m_err.flush();
}

void TerminalProgress::advance()
{
    ++m_bytes;
    const int percent = qMin(100, m_bytes * 100 / qMax(1, m_total));
    if (percent != m_shown) {
        m_shown = percent;
        m_err << '\r' << m_label << ' ' << percent << '%';
        m_err.flush();
    }
}

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
    c.journal->record(
        reg::entryForExchange(report, reg::exchangeContext(c.settings.Version, c.settings.DeviceId,
                                                           c.settings.DeviceModel)));
}

// With a team register, what the command recorded goes to the server before it ends, or
// waits in the local register: then it says so once, with how many entries wait. The exit
// status stays the exchange's.
void shareRecorded(Context &c)
{
    if (!c.journal)
        return;
    if (!c.journal->share(ShareWaitMs)) {
        *c.err << c.journal->teamProblem() << '\n'
               << CommandText::tr("A helyi nyilvántartásban %n bejegyzés vár a csapat "
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
    const serial::IdentifyOutcome outcome =
        transfer::identify(transfer::linkOf(c.settings), c.settings.Version);
    switch (outcome.end) {
    case serial::IdentifyEnd::Ok:
        break;
    case serial::IdentifyEnd::NotOpen:
        // A port this computer does not have: the ones it has.
        if (outcome.openFailure &&
            outcome.openFailure->kind == serial::OpenFailure::Kind::Missing &&
            !c.settings.Port.isEmpty())
            return fail(c, PortUnusable,
                        serial::identifyFailureText(outcome) + u'\n' +
                            serial::missingPortText(c.settings.Port, serial::candidatePorts()));
        return fail(c, PortUnusable, serial::identifyFailureText(outcome));
    case serial::IdentifyEnd::NoModule:
        return fail(c, NoModule, serial::noModuleText(c.settings.Port, c.settings.Baudrate));
    case serial::IdentifyEnd::Incompatible:
        return fail(c, NoModule, identifyFailureText(outcome));
    }
    // The window greets no module of an unknown model either.
    if (outcome.id.model == settings::NoDevice)
        return fail(c, NoModule,
                    CommandText::tr("A kiválasztott porton nem található csatlakoztatott eszköz."));
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

transfer::ReadOut readOut(Context &c, transfer::ExchangeKind kind,
                          const std::optional<QString> &record)
{
    std::unique_ptr<TerminalProgress> progress;
    // (lupdate reads the function's "transfer::" as a class: the context is named here.)
    const QString label = QCoreApplication::translate("qv::Commands", "Kiolvasás...");
    if (c.progress)
        progress = std::make_unique<TerminalProgress>(
            *c.err, label, transfer::record::FieldCount * transfer::record::ItemWidth);
    const transfer::Link link = transfer::linkOf(c.settings);
    return record ? transfer::compareWithModule(link, *record, progress.get())
                  : transfer::readOut(link, kind, progress.get());
}

QString portNote(const Context &c, qint32 baud)
{
    return CommandText::tr("(%1, %2 bit/s)").arg(c.settings.Port).arg(baud);
}

int readOutFailure(Context &c, const transfer::ReadOutOutcome &outcome)
{
    QString text = transfer::readOutFailureText(outcome);
    if (const QString cause = transfer::readOutCause(outcome); !cause.isEmpty())
        text += u'\n' + cause + u' ' + portNote(c, c.settings.Baudrate);
    return fail(c, outcome.end == transfer::ReadOutEnd::NotOpen ? PortUnusable : Failed, text);
}

// A configuration file's value lines, or why it cannot be used: in the window's words, but
// a file named on the command line that is not there is one that cannot be read.
std::optional<QStringList> readFile(Context &c, const QString &path, QByteArray *bytes)
{
    const files::ConfigFile read = files::readConfigFile(
        path, int(form::configurationFields().size()), bytes ? files::MaxConfigFileBytes : 0);
    if (read.problem == files::FileProblem::None) {
        if (bytes)
            *bytes = read.bytes;
        return read.values;
    }
    fail(c, Usage,
         read.problem == files::FileProblem::Missing
             ? files::unreadableText(QFileInfo(path).fileName(), read.systemReason)
             : read.refusal);
    return std::nullopt;
}

// The download record a file gives for `model` (NoDevice: every value as it is), as the
// window sends it after opening the file; empty after reporting why it cannot be sent.
QString recordOf(Context &c, const QStringList &values, int model)
{
    transfer::FormValues formValues = transfer::formValuesFromFile(values);
    formValues.profile = form::device::profileFor(model);
    const QChar separator = downloadSeparator(c);
    const transfer::Assembly assembly = transfer::assembleDownload(formValues, separator);
    if (assembly.status == transfer::AssemblyStatus::Ok)
        return assembly.record;
    fail(c, Usage, transfer::assemblyProblem(assembly, separator));
    return {};
}

// The window refuses a download while a field it offers is empty: every enabled field of
// these boxes must be filled; the telephone numbers need not.
bool allFilled(Context &c, const QStringList &values, int model)
{
    const transfer::FormValues formValues = transfer::formValuesFromFile(values);
    const QStringList required = form::device::requiredTextFields(
        [model](const QString &field) { return form::device::offeredFor(field, model); });
    for (const QString &field : required) {
        if (formValues.texts.value(field).isEmpty()) {
            fail(c, Usage,
                 CommandText::tr("Minden beviteli mező kitöltése kötelező! (%1)")
                     .arg(transfer::fieldCaption(field)));
            return false;
        }
    }
    return true;
}

QJsonObject identificationJson(const Context &c)
{
    return QJsonObject{{QStringLiteral("port"), c.settings.Port},
                       {QStringLiteral("baud"), c.settings.Baudrate},
                       {QStringLiteral("identification"), c.settings.DeviceId},
                       {QStringLiteral("model"), form::device::modelName(c.settings.DeviceModel)}};
}

// The differences as "field: first -> second" lines, or as JSON.
int reportDifferences(Context &c, const QList<transfer::FieldDifference> &differences,
                      const QString &first, const QString &second, QJsonObject json)
{
    if (c.json) {
        QJsonArray list;
        for (const transfer::FieldDifference &d : differences)
            // The field by its object name and the values as they are, whatever the
            // language; the label as the program's language shows it beside them.
            list.append(QJsonObject{{QStringLiteral("field"), d.key},
                                    {QStringLiteral("label"), d.field},
                                    {QStringLiteral("first"), d.formRaw},
                                    {QStringLiteral("second"), d.moduleRaw}});
        json.insert(QStringLiteral("differences"), list);
        printJson(c, json);
    } else if (differences.isEmpty()) {
        *c.out << CommandText::tr("Nincs eltérés.") << '\n';
    } else {
        *c.out << CommandText::tr("%n eltérés (%1 / %2):", nullptr, int(differences.size()))
                      .arg(first, second)
               << '\n';
        for (const transfer::FieldDifference &d : differences)
            *c.out << d.field << ": \"" << d.formValue << "\" / \"" << d.moduleValue << "\"\n";
    }
    c.out->flush();
    return differences.isEmpty() ? Done : Differences;
}

} // namespace qv::cli
