// The module's configuration record as the form sees it: a read-out reply decoded into
// what each widget of the form shows, and the form's values assembled into the 56-item
// download record. Widgets are only named here; the readup and download slots walk the
// form and hand the values over.
#pragma once

#include "form/deviceprofile.h"
#include "transfer/modulerecord.h"

#include <QHash>
#include <QList>
#include <QLoggingCategory>
#include <QString>

#include <array>
#include <optional>
#include <utility>

namespace qv::transfer {
// "qv.transfer": diagnostics of the read-out and the download ("sep error", "dberror: N",
// "toInt error.", a wrong acknowledgement byte); on by default, like all debug output.
Q_DECLARE_LOGGING_CATEGORY(lcTransfer)
} // namespace qv::transfer

namespace qv::transfer {

// The record's places of the module's id and name (m_id, m_nev).
inline constexpr int ModuleIdField = 2;
inline constexpr int ModuleNameField = 3;
// Telephone entries, record fields 48..55.
inline constexpr int Entries = 8;
inline constexpr int FirstTelephoneField = 48;

// True when the rights `flags` of an entry tick the box of matrix column `column` (1..8).
inline bool hasRight(int flags, int column)
{
    return column >= 1 && column <= 8 && (flags >> (column - 1)) & 1;
}

// ---- read-out (module -> form)

// What a read-out puts into the form.
struct ReadOutForm
{
    // Line edit object name and its new text, in the order the fields are written.
    QList<std::pair<QString, QString>> texts;
    int monostable = 0;   // bit n-1 set: output n monostable (bn), clear: bistable (kn)
    bool range15 = false; // the 0..15 V range (max_be_15), otherwise 0..30 V (max_be_30)
    // Entry k at index k-1. Rights: bits 0..7 tick matrix columns 1..8 (see hasRight).
    std::array<int, Entries> rights{};
    // Ring-in output 0..4 (rR_0 .. rR_4); any other value leaves the entry's choice alone.
    std::array<int, Entries> selection{};
    int smsOperator = 0; // index of smskp_combo for the SMS centre number
};

enum class ReadOutStatus {
    Ok,
    NoSeparator, // the reply holds no separator (nothing received included)
    WrongCount,  // separators, but not 56 fields after cleaning
};

struct ReadOutResult
{
    ReadOutStatus status = ReadOutStatus::NoSeparator;
    int count = 0;      // fields after cleaning
    ReadOutForm form;   // filled only when status is Ok
    QStringList fields; // the 56 cleaned fields as the module sent them (Ok only)

    // "sep error", "dberror: " and the count, or empty when Ok.
    QString diagnostic() const;
};

// Cleans and splits the reply (see record::splitReadOut) and decodes all 56 fields. A
// telephone field shorter than its two flag characters gives an empty number, no rights
// and no ring-in output.
ReadOutResult decodeReadOut(const QString &reply, QChar separator = record::DefaultSeparator);

// ---- download (form -> module)

// The form's values a download record is made of.
struct FormValues
{
    QHash<QString, QString> texts; // line edit texts by object name
    // The "group" value of every check box that has one, and whether it is ticked.
    QList<std::pair<QString, bool>> matrix;
    // Every radio button's object name and whether it is checked; names not beginning
    // with "r" are passed over.
    QList<std::pair<QString, bool>> radios;
    int monostable = 0;  // bit n-1: bn checked
    bool range15 = true; // max_be_15 checked
    // The module's: what it lacks goes blank. None: every value as it is.
    std::optional<form::device::Profile> profile;
};

enum class AssemblyStatus {
    Ok,
    SeparatorInText,      // a text holds the separator: on the wire it would split its line
    LineBreakInText,      // a text holds CR or LF: the module would take it for a line end
    CharacterWithoutByte, // a text holds a character above U+00FF ("ő", "ű"): it has no
                          // byte on the wire and would reach the module as NUL
};

struct Assembly
{
    AssemblyStatus status = AssemblyStatus::Ok;
    QString field;          // the line edit at fault (object name)
    QString character;      // the character refused (CharacterWithoutByte)
    QString record;         // 56 items of 16 characters, each followed by the separator (Ok only)
    int unreadableTags = 0; // "group" values and rR_v names whose numbers do not convert
};

// Builds the download record: texts in their places (by object name, so no text can
// shift a field), m_pin, m_id and rele_time zero-filled to 4, the output mask to 2, the
// analogue levels to 3, and each telephone entry as its rights character (0x30 + columns
// 1..7), its selection character (0x30 + output, + 8 without SMS notice) and the number.
// With a profile, the record holds nothing the module lacks, whatever the values say:
// its missing texts are empty, and rights of missing columns and ring-in outputs it does
// not have are left out, as the form shaped for the model would send them. The output
// modes go as they are: the form keeps the choice of a missing output, and so does the
// module (a read-out and a download give back what it holds).
Assembly assembleDownload(const FormValues &values, QChar separator = record::DefaultSeparator);

// How messages name a line edit of the record: "Modul neve", "3. telefonszám".
QString fieldCaption(const QString &editName);

// Why `assembly` (made with `separator`) cannot be sent, as the user is told it ("A(z)
// "Modul neve" mező nem tartalmazhat "|" karaktert!"); empty when it can. `typographic`: with
// the printed sheet's quotation marks („Modul neve”).
QString assemblyProblem(const Assembly &assembly, QChar separator, bool typographic = false);

// ---- comparison (form's record <-> module's record)

// One thing the module holds otherwise than a download of the form would write it.
struct FieldDifference
{
    QString field;       // as the form names it: "Modul neve", "3. telefonszám: jogok"
    QString formValue;   // as the form shows it
    QString moduleValue; // as the form would show the module's value
    // The same in words that do not change with the language, for scripts: the field by its
    // object name ("m_nev", "b2", "t3_rights"; the man page lists them) and the two values as they
    // are
    // ("" for an empty text, "12.5" for a level, "1"/"0" for a choice).
    QString key = {};
    QString formRaw = {};
    QString moduleRaw = {};
    // Two differences are the same when they show the same.
    friend bool operator==(const FieldDifference &a, const FieldDifference &b)
    {
        return a.field == b.field && a.formValue == b.formValue && a.moduleValue == b.moduleValue;
    }
};

// The fields where the download record `record` (as assembleDownload builds it) and the
// module's 56 fields (as a read-out splits them) differ, in record order. Texts are
// compared as the module keeps them (trailing blanks do not count); the output modes,
// the analogue levels and range by their meaning; a telephone entry by its number, its
// ring-in output and its rights, each a difference of its own. A record that does not
// hold 56 items, or fields that are not 56, differ as a whole ("Konfiguráció").
QList<FieldDifference> compareRecords(const QString &record, const QStringList &moduleFields,
                                      QChar separator = record::DefaultSeparator);

} // namespace qv::transfer
