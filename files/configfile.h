// A configuration file (*.msw) read from its path as the window, the commands, the series
// and the sheet read it: its values, or why it cannot be used in the program's words.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace qv::files {

enum class FileProblem {
    None,
    Missing,      // no file by that name
    NotAFile,     // a folder, a device or a pipe: it holds no configuration
    Unreadable,   // the system refused to open it (systemReason says why)
    TooLarge,     // larger than the bytes asked to be kept: no configuration is that large
    OlderVersion, // fewer value lines than the form has: made for another version
    Syntax,       // a line too long, a read error, or 16- or 32-bit text
};

struct ConfigFile
{
    FileProblem problem = FileProblem::None;
    QString refusal;      // what the user is told; empty when the file can be used
    bool serious = false; // an error (rather than a warning about the version)
    QString systemReason; // the system's words when it could not be opened
    QStringList values;   // the value lines
    QStringList footer;   // the defaults file's status-bar lines
    QByteArray bytes;     // the whole file, when asked to keep it
};

// No configuration file comes near this size: the most a series keeps of its base file.
inline constexpr qint64 MaxConfigFileBytes = 1 << 20;

// Reads `valueLines` value lines of the file at `path`. With `keepBytes` > 0, the whole file
// (at most that many bytes, or TooLarge) is kept in `bytes` too (the series' key).
ConfigFile readConfigFile(const QString &path, int valueLines, qint64 keepBytes = 0);

// "A(z) NAME fájl nem olvasható.\nREASON": a file that could not be opened.
QString unreadableText(const QString &name, const QString &reason);

} // namespace qv::files
