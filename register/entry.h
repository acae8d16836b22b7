// One entry of the module register: what an exchange with a module did, with the module's
// configuration as it went over the wire. Qt Core only.
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace qv::reg {

enum class Operation {
    ReadOut,  // the module's configuration read into the form ("~{")
    Backup,   // a read-out before a download, kept in case the download must be undone
    Download, // the form's record written into the module
    Compare,  // the form's record compared with the module's read-out
    Watch,    // the module's status watched for a while ("~[" repeated): `reason` sums it up
};

enum class Result {
    Ok,          // done; for a comparison: no difference
    Differences, // a comparison, or a download's verification, found differences
    Failed,      // the exchange failed: `reason` says why
};

enum class Verification { NotRun, Same, Differs, Failed };

// Where an entry is kept: only on this computer, also on the team's server, or only
// there (written by another technician).
enum class Where { Local, LocalAndShared, Shared };

// A field that differs: the label the comparison table shows, and the two values.
struct Difference
{
    QString field;
    QString first;
    QString second;
    friend bool operator==(const Difference &, const Difference &) = default;
};

struct Entry
{
    QString id;     // a UUID without braces, unique across every register of a team
    QDateTime time; // UTC, milliseconds
    Operation operation = Operation::ReadOut;
    Result result = Result::Ok;
    QString reason; // why it failed (or the differences in a few words); empty when Ok
    QString programVersion;
    QString osUser;
    QString host;
    QString technician; // optional, remembered by the program
    QString site;       // optional note where the module is
    QString port;
    qint32 baud = 0;
    QString identification; // as the module answered "~|"
    int model = 0;          // qv::settings::DeviceModelCode
    QString moduleId;       // m_id
    QString moduleName;     // m_nev
    QStringList telephones; // the eight numbers, for searching
    // The 56 record fields: for a read-out exactly as received (after the read-out's own
    // cleaning), for a download exactly as sent. Empty when no record went either way.
    QStringList fields;
    std::optional<bool> acknowledged; // a download: whether the module acknowledged it
    Verification verification = Verification::NotRun;
    QList<Difference> differences; // a comparison's, or a download's verification's
    // A download of series programming: the series (see qv::series::seriesKey) and the
    // unit's row in its units file (1-based, as the results file numbers it). Empty and 0
    // for every other exchange.
    QString seriesKey;
    int seriesRow = 0;
    Where where = Where::Local; // filled in by the register when it is read back

    friend bool operator==(const Entry &, const Entry &) = default;
};

// A new entry: a fresh id, the time now, this program's version, the user and the host.
Entry newEntry(Operation operation, const QString &programVersion);

// Fills moduleId, moduleName and telephones from `fields` (56 record fields); nothing
// changes when there are not 56.
void takeModuleFacts(Entry &entry);

// A telephone number as the search compares it: digits only, without an international
// prefix ("+36", "0036", "36" before a full number) or the trunk prefix ("06"), so that
// "+36 20 123 4567", "06201234567" and "201234567" are the same number.
QString searchableNumber(const QString &number);

// The number a search for `text` looks for among the telephone numbers (as
// searchableNumber gives it), or empty: `text` is no number, or one of fewer than six digits
// (a module id, which would match parts of too many numbers).
QString searchedNumber(const QString &text);

// What the register window's telephone column shows of `entry` (a search result) for a
// search for `text`: the numbers it found, or the first number when it found none of them.
QStringList shownTelephones(const Entry &entry, const QString &text);

// The register's words for the window: "Kiolvasás", "Mentés betöltés előtt", "Betöltés",
// "Összehasonlítás", "Figyelés"; "rendben", "eltérés", "sikertelen".
QString operationText(Operation operation);
QString resultText(Result result);
// The same for an entry: a download read back and found the same is "rendben, ellenőrizve".
QString resultText(const Entry &entry);

// Stored names ("readout", "backup", "download", "compare", "watch"; "ok", "differences",
// "failed"; "notrun", "same", "differs", "failed"), and back (nothing for an unknown one).
QString operationKey(Operation operation);
std::optional<Operation> operationFromKey(const QString &key);
QString resultKey(Result result);
std::optional<Result> resultFromKey(const QString &key);
QString verificationKey(Verification verification);
std::optional<Verification> verificationFromKey(const QString &key);

// The differences as stored: a JSON array of [field, first, second]; and back.
QString differencesToJson(const QList<Difference> &differences);
QList<Difference> differencesFromJson(const QString &json);
// The record fields as stored: a JSON array of strings (every character kept, NUL too).
QString fieldsToJson(const QStringList &fields);
QStringList fieldsFromJson(const QString &json);

} // namespace qv::reg
