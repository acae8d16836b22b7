// "qvconfig status --watch SECONDS [--count N] [--csv FILE] [--json]": the module's status
// again and again, a line (or a JSON object) per sample with the events marked, the CSV log
// written as it goes, a summary at the end (Ctrl+C ends it), and the session recorded in
// the register. Qt Core only.
#pragma once

#include <QString>

#include <optional>

class QTextStream;

namespace qv::cli {

struct WatchRequest
{
    QString port;
    int intervalMs = 2000;
    int count = 0; // 0: until Ctrl+C
    QString csv;   // the log to write; empty: none
    bool json = false;
    int model = 0; // of the identified module
    QString identification;
    QString version;      // the program's
    QString teamRegister; // as --register gives it
};

// Watches until Ctrl+C (or SIGTERM) or `count` samples; the exit status (see commands.h):
// Done when every sample came, Failed when some were missing or the log could not be
// written, Usage when the log cannot be created.
int watchCommand(const WatchRequest &request, QTextStream &out, QTextStream &err);

// SECONDS as the command line gives it ("2", "0.5", "1,5"); nothing when it is no number
// or below the shortest interval.
std::optional<int> parseInterval(const QString &text);

} // namespace qv::cli
