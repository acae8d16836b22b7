// The compatibility table: which module identifications this release supports.
//
// The table is a text file named after the software version (version 1.31 reads
// cmptbl_1_3.dll), one identification per line. An identification is supported when a
// line equals it exactly: whole line, case-sensitive, no trimming.
#pragma once

#include <QLoggingCategory>
#include <QString>
#include <QStringList>

class QIODevice;

namespace qv::settings {
// "qv.ident": why an identification was not accepted (on by default, like all debug output).
Q_DECLARE_LOGGING_CATEGORY(lcIdent)
} // namespace qv::settings

namespace qv::settings::compat {

// No identification is longer than the identification reply may be, so a longer table
// line can never match; such a line is passed over.
inline constexpr qsizetype kMaxEntryBytes = 256;
// A table lists a handful of modules; a file larger than this is not a table.
inline constexpr qint64 kMaxTableBytes = 1 << 20;

// "cmptbl_" + the part of `version` before the first "." + "_" + the first character of
// the part after the last "." + ".dll". Empty when `version` has no minor part to take
// that character from ("1", "1.").
QString tableFileName(const QString &version);

enum class ReadStatus {
    Ok,
    TooLarge,  // more than kMaxTableBytes: not a table
    ReadError, // the device failed part-way
};

struct Table
{
    ReadStatus status = ReadStatus::ReadError;
    QStringList entries; // every line without its LF or CR LF (none unless status is Ok)
};

// Reads the table from `device`, open for reading. Bytes are taken as Latin-1, as the
// identification's bytes are. Line ends are LF or CR LF; a lone CR stays in its line.
Table readTable(QIODevice &device);

// True when a line of the table equals `identification` exactly.
bool lists(const Table &table, const QString &identification);

// True when the compatibility table of software version `version`, looked for among the
// data files, lists `identification`. A missing, unreadable or foreign table lists
// nothing; the reason goes to qv.ident.
bool isCompatible(const QString &version, const QString &identification);

} // namespace qv::settings::compat
