// What the commands share: a command's context (what its command line gave, where its output
// goes, the register it records into) and the steps several of them take. Each command's
// handler is declared here and defined in the file of its group; the table that names them is
// cli/commandtable.cpp.
#pragma once

#include "cli/commands.h"
#include "register/journal.h"
#include "serial/serialline.h"
#include "settings/devsettings.h"
#include "transfer/configrecord.h"
#include "transfer/exchange.h"
#include "transfer/exchangereport.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QCommandLineParser;
class QTextStream;

namespace qv::cli {

// The texts of the commands (their translation context).
struct CommandText
{
    Q_DECLARE_TR_FUNCTIONS(qv::Commands)
};
// The texts of series programming's command and of the status watch's.
struct SeriesText
{
    Q_DECLARE_TR_FUNCTIONS(qv::cli)
};

// One run of a command.
struct Context
{
    QString command;
    QStringList files;
    QString output;
    bool json = false;
    bool verify = false;
    int model = settings::NoDevice; // series --model
    bool skipInvalid = false;       // series --skip-invalid
    bool readFirst = false;         // series --read-first
    QString results;                // series --results
    bool newBatch = false;          // series --new-batch
    bool retryAnyLane = false;      // series --retry-any-lane
    int claimLeaseMs = 60'000;      // series --claim-lease
    QString teamRegister;
    std::unique_ptr<reg::Journal> journal; // opened at the command's first entry
    settings::devSettings settings; // the link and the module, as the window's record has them
    QString version;
    QTextStream *out = nullptr;
    QTextStream *err = nullptr;
    bool progress = false;
    const QCommandLineParser *options = nullptr; // every option the command line gave
    SheetWriter writeSheet = nullptr;
};

// A command's handler: runs it once its command line has been checked, returns its exit status.
using Handler = int (*)(Context &c);

// The handlers, by group: the module's identity and status (identifycommands.cpp), the
// transfers (transfercommands.cpp), the files without a module (filecommands.cpp), series
// programming (seriescommand.cpp), the status watch (watchcommand.cpp).
int identifyCommand(Context &c);
int statusCommand(Context &c);
int readCommand(Context &c);
int compareCommand(Context &c);
int writeCommand(Context &c);
int diffCommand(Context &c);
int sheetCommand(Context &c);
int seriesCommand(Context &c);
int seriesStatusCommand(Context &c);
// "status --watch": reads the watch's options, identifies the module and watches it.
int watchStatusCommand(Context &c);

// The steps several commands take (context.cpp).

// Writes `text` and a line end on the error stream; returns `status`.
int fail(Context &c, int status, const QString &text);
void printJson(Context &c, const QJsonObject &object);
void printJsonLine(Context &c, const QJsonObject &object);
// Records an exchange into the register (opened at the first).
void record(Context &c, const transfer::ExchangeReport &report);
// With a team register, sends what the command recorded before it ends, or says what waits.
void shareRecorded(Context &c);
// The identification as the window's port selection runs it; Done when a compatible module
// answered (its text and model are then in the settings).
int identify(Context &c);
QChar uploadSeparator(const Context &c);
QChar downloadSeparator(const Context &c);
// The read-out as a report of `kind`, with its progress on a terminal; with `record`, the
// comparison of the module with it.
transfer::ReadOut readOut(Context &c, transfer::ExchangeKind kind,
                          const std::optional<QString> &record = std::nullopt);
int readOutFailure(Context &c, const transfer::ReadOutOutcome &outcome);
// "(/dev/ttyUSB0, 1200 bit/s)": which port a message is about.
QString portNote(const Context &c, qint32 baud);
// A configuration file's value lines, or nothing after saying why it cannot be used.
std::optional<QStringList> readFile(Context &c, const QString &path, QByteArray *bytes = nullptr);
// The download record a file gives for `model` (NoDevice: every value as it is), as the
// window sends it after opening the file; empty after reporting why it cannot be sent.
QString recordOf(Context &c, const QStringList &values, int model);
// False, after saying which, when a field the window requires for a download is empty.
bool allFilled(Context &c, const QStringList &values, int model);
QJsonObject identificationJson(const Context &c);
// The differences as "field: first -> second" lines, or as JSON; Done or Differences.
int reportDifferences(Context &c, const QList<transfer::FieldDifference> &differences,
                      const QString &first, const QString &second, QJsonObject json);

// Progress on the standard error, when it is a terminal: a percentage rewritten in place.
class TerminalProgress : public qv::serial::ReadProgress
{
public:
    TerminalProgress(QTextStream &err, QString label, int total);
    ~TerminalProgress() override;
    void advance() override;
    bool cancelled() override { return false; }

private:
    QTextStream &m_err;
    QString m_label;
    int m_total;
    int m_bytes = 0;
    int m_shown = -1;
};

} // namespace qv::cli
