// The commands run without a window: "qvconfig identify", "read", "write", "compare",
// "diff", "status", "series" and "sheet". They use the window's exchanges, time-outs and
// texts, record into the register as the window does, and end with a documented exit status.
// Each is one entry of the command table (cli/commandtable.cpp).
#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace qv::cli {

enum Exit : int {
    Done = 0,         // done, and nothing differs
    Usage = 1,        // the command line (or a file it names) cannot be used
    PortUnusable = 2, // the port cannot be opened
    NoModule = 3,     // no module answers, or one this version does not support
    Failed = 4,       // the exchange failed
    Differences = 5,  // compare, diff or write --verify found differences
};

// "qvconfig sheet": what the customer's sheet is made of, once the command line and the
// configuration file have been read.
struct SheetRequest
{
    QString input;      // the configuration file, as given
    QStringList values; // its values, already read
    QString output;     // the PDF to write
    bool withPin = false;
    QString site;
    QString version;   // the program's
    bool json = false; // the result as one JSON object
};

// Writes the sheet and returns the command's exit status. It lays out text, so it is not on
// Qt Core: cli/gui gives it (sheetCommand), and the program runs it in its Gui module.
using SheetWriter = int (*)(const SheetRequest &request, QTextStream &out, QTextStream &err);

// True when `argument` (the first after the program name) names a command, or is "help".
bool isCommand(const QString &argument);

// What a command line asks for, read before any application object: options may come
// before the command ("qvconfig --lang en identify --port ttyUSB0").
struct Dispatch
{
    enum class Kind {
        Window,  // no command: the window, with a file to open or none
        Command, // the command at `at`
        Unknown, // a first word that is neither a command nor a file: `reason` says so
    };
    Kind kind = Kind::Window;
    int at = -1; // the command's index in the arguments
    QString reason;
};
// `arguments` as argv gives them, the program's name first.
Dispatch dispatch(const QStringList &arguments);

// The commands, one line each, for the window's --help.
QString commandList();

// True when `command` lays out text (the customer's sheet): it needs fonts, so a
// QGuiApplication rather than a QCoreApplication, and the sheet writer.
bool laysOutText(const QString &command);

// Runs the command in `arguments` (the program name first) and returns its exit status.
// Results go to `out`, errors to `err`; `progress` is whether to show progress on `err`;
// `writeSheet` writes the customer's sheet (a command that lays out text fails without it).
// Needs a QCoreApplication.
int run(const QStringList &arguments, const QString &version, QTextStream &out, QTextStream &err,
        bool progress, SheetWriter writeSheet = nullptr);

// Runs the command named in the application's arguments as the program does: the program's
// name and version set, the exchanges' diagnostics off unless QT_LOGGING_RULES asks for them,
// the language chosen, results on the standard output, errors and progress (on a terminal)
// on the standard error. Needs the application object (a QGuiApplication for a command that
// lays out text).
int runInApplication(const QString &version, SheetWriter writeSheet = nullptr);

} // namespace qv::cli
