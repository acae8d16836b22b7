// One sample of a status watch: the module's status line taken at a moment, decoded, or
// why it is missing. Qt Core only.
#pragma once

#include "transfer/statusreply.h"

#include <QByteArray>
#include <QString>

#include <cmath>
#include <optional>

namespace qv::transfer {
struct StatusQueryOutcome;
}

namespace qv::watch {

enum class SampleState : quint8 {
    Ok,          // a status line came and decoded
    Garbled,     // something came, but no status line: too few fields, broken off, too long
    Silent,      // nothing came within the query's time-out
    PortGone,    // the port is not there (an adapter pulled out), or went during the query
    PortRefused, // the port is there but cannot be opened (held by another program, rights)
};

// Compact, as an eight-hour session at one sample a second keeps 28,800 of them: the texts
// of the status line are kept once, in `reply`, and read from it when they are shown.
struct Sample
{
    qint64 elapsedMs = 0; // since the session began, by a monotonic clock: the samples' order
    qint64 timeMs = 0;    // the computer's clock, ms since 1970 UTC (it may step back)
    SampleState state = SampleState::Silent;
    bool resumed = false; // the first after a start or a pause: no line joins it to the last
    quint8 outputs = 0;   // bit i: output i+1 switched on
    quint8 inputs = 0;    // bit i: input i+1 active
    bool supply = false;
    qint16 signal = -1;           // the level as the module reports it; -1 when not a number
    float analog = std::nanf(""); // volts; NaN when the field is not a number
    qint64 counter = -1;          // -1 when the field is not a number
    QByteArray reply;             // as received (byte n as character n), without its CR
    QString why;                  // PortRefused: why the port cannot be opened

    bool isOk() const { return state == SampleState::Ok; }
    bool hasSignal() const { return signal >= 0; }
    bool hasAnalog() const { return !std::isnan(analog); }
    bool output(int i) const { return outputs & (1u << i); }
    bool input(int i) const { return inputs & (1u << i); }

    friend bool operator==(const Sample &a, const Sample &b);
};

// A status line (without its CR) decoded as the status panel reads it, except that a
// signal, analogue value or counter that is not a number stays missing rather than 0.
// `complete`: the line ended by its CR or by silence (a line that broke off, never ended
// or grew too long is Garbled whatever it holds).
Sample decodeReply(const QString &reply, bool complete);

// A query's outcome as a sample (the times are left for the caller). Nothing for a
// cancelled query, which is no sample at all.
std::optional<Sample> sampleOf(const qv::transfer::StatusQueryOutcome &outcome);

// The status line's fields of an Ok sample, as the panel shows them.
qv::transfer::status::ModuleStatus statusOf(const Sample &sample);
// Field `index` (0..7) of the reply as it came; empty when the reply has fewer fields.
QString replyField(const Sample &sample, int index);

// The signal in the status panel's rules: levels 2 to 5 are normal, 0 and 1 weak, anything
// above 5 invalid; a missing one is missing.
enum class SignalClass { Missing, Weak, Normal, Invalid };
SignalClass classifySignal(int level); // level -1: Missing
// "nincs jel", "gyenge", "elfogadható", "közepes", "jó", "kiváló"; "érvénytelen", "nincs adat".
QString signalWords(int level);
// The status panel's colour for the signal: its normal colour for 2..5, red otherwise.
QString signalColour(int level);

} // namespace qv::watch
