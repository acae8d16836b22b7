// The module's status line: what the status panel shows, parsed from and built into the
// blank-separated line the module answers to "~[".
#pragma once

#include <QString>

#include <array>

namespace qv::transfer::status {

inline constexpr int MinimumFields = 8;

// The live state of a module as the status line carries it.
struct ModuleStatus
{
    std::array<bool, 4> outputs{}; // outputs 1..4 switched on
    std::array<bool, 4> inputs{};  // inputs 1..4 active
    QString analog;                // analog input value as text, e.g. "12.5"
    QString counter;               // pulse counter as text
    bool supply = false;           // supply voltage present
    int signalLevel = 0;           // GSM signal level; 0 when not a number
    QString version;               // module version text

    friend bool operator==(const ModuleStatus &, const ModuleStatus &) = default;
};

enum class ParseStatus { Ok, TooFewFields };

struct ParseResult
{
    ParseStatus result = ParseStatus::TooFewFields;
    int fieldCount = 0;
    ModuleStatus status; // meaningful when result is Ok
};

// `line` is the reply without its closing CR. Fields are split at single blanks, empty
// ones kept; a character position beyond the end of a field counts as not "1".
ParseResult parseStatusLine(const QString &line);

// The signal bar value for a level: level x 10 for 2..5; levels 0, 1, above 5 and
// unreadable ones all show as 10 (the weak mark).
int signalBarValue(int level);

// The line a module sends for `status`, without the CR that ends it.
QString buildStatusLine(const ModuleStatus &status);

} // namespace qv::transfer::status
