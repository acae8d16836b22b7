// The local register's file as the program sees it outside SQLite: what is at its path,
// and when the program may open it itself.
//
// POSIX locks belong to the process, not to a descriptor: closing any descriptor of a file
// drops every lock the process holds on it, SQLite's included. Another program then
// believes it is alone, copies the write-ahead log into the file and deletes the log and
// its index while this process still writes them, and the register ends up damaged. So the
// program opens the file itself only while no SQLite connection of this process has it
// open: FileClaim counts the connections of the process on each file. And it never opens
// what is not a plain file (a named pipe would hold it at the open for ever).
#pragma once

#include <QString>

#include <functional>

namespace qv::reg {

enum class FileKind {
    Missing,     // nothing at the path
    NotPlain,    // a folder, a named pipe, a socket or a device (or such a file beside it)
    Empty,       // a plain file of no bytes: a new register
    Database,    // an SQLite database as far as its first bytes tell
    NotDatabase, // not an SQLite database, or one whose header is damaged
    Truncated,   // a database shorter than its header says
    Unreadable,  // cannot be opened for reading
};

// What is at `path` and at the -wal, -shm and -journal paths SQLite keeps beside it, by their
// names only (nothing is opened): Missing, NotPlain, or Database for a plain file.
FileKind kindByName(const QString &path);

// Reads the first bytes of the file at `path` (without waiting, whatever it is). Only while
// no connection of this process has it open (see FileClaim).
FileKind inspectFile(const QString &path);

// A connection of this process on a register file, counted from the claim until the claim
// is destroyed (after the connection is closed).
class FileClaim
{
public:
    FileClaim() = default;
    ~FileClaim();
    FileClaim(FileClaim &&other) noexcept;
    FileClaim &operator=(FileClaim &&other) noexcept;

    // Claims the file at `path` for a connection about to be opened. `look` runs first,
    // while no other thread of the process claims or gives up that file; `alone` is true
    // when no other connection of the process has the file, so that `look` may create or
    // open it itself.
    static FileClaim claim(const QString &path, const std::function<void(bool alone)> &look);

private:
    QString m_key;
};

} // namespace qv::reg
