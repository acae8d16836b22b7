// The commands run without a window: "qvconfig identify", "read", "write", "compare",
// "diff", "status", "series" and "sheet". They use the window's exchanges, time-outs and
// texts, record into the register as the window does, and end with a documented exit status.
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

// True when `argument` (the first after the program name) names a command.
bool isCommand(const QString &argument);

// True when `command` lays out text (the customer's sheet): it needs fonts, so a
// QGuiApplication rather than a QCoreApplication.
bool laysOutText(const QString &command);

// Runs the command in `arguments` (the program name first) and returns its exit status.
// Results go to `out`, errors to `err`; `progress` is whether to show progress on `err`.
// Needs a QCoreApplication.
int run(const QStringList &arguments, const QString &version, QTextStream &out, QTextStream &err,
        bool progress);

} // namespace qv::cli
