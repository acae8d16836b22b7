// The program's command line, read before any window (or display) is needed.
#pragma once

#include <QString>
#include <QStringList>

class QCommandLineParser;

namespace qv::cli {

// The options the window and the commands share, read in one place: the port, the team
// register for this run and the language.
struct SharedOptions
{
    QString port;         // empty: not given
    QString teamRegister; // empty: the remembered choice
    QString language;     // "hu" or "en"; empty: not given
};

// Adds --port, --register and --lang to `parser`.
void addSharedOptions(QCommandLineParser &parser);
// Reads them from `parser` once it has parsed the arguments: why they cannot be used (a
// port or a connection without a value, a connection that does not parse or holds a
// password, an unknown language), or empty when they can.
QString readSharedOptions(const QCommandLineParser &parser, SharedOptions *options);
// Why `parser` could not parse the arguments, in the program's words.
QString parseFailure(const QCommandLineParser &parser);

struct CommandLine
{
    enum class Action {
        Run,     // start the window
        Help,    // print `text` (the usage) on the standard output, exit 0
        Version, // print `text` on the standard output, exit 0
        Error,   // print `text` (the reason, then the usage) on the standard error, exit 1
    };
    Action action = Action::Run;
    // The port to start with instead of "COM1"; empty for "COM1".
    QString port;
    // A configuration file to open once a module has been identified; empty for none.
    QString file;
    // The team register for this run (a libpq connection string or service name, never
    // with a password); empty for the remembered choice.
    QString teamRegister;
    QString text;
};

// Reads `arguments` (the program name first, as argv gives it). Qt's own options
// (-platform, -style, -display ...) are passed over: the application object takes them.
// Needs no application object.
CommandLine parseCommandLine(const QStringList &arguments, const QString &version);

// Prints the answer of a command line that starts no window (the usage, the version, or why
// the command line cannot be used, then the usage) on the standard output, or for an error on
// the standard error; returns the program's exit status: 0, or 1 for an error.
int printAnswer(const CommandLine &line);

} // namespace qv::cli
