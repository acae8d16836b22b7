// What each fault does to the module's answers: the bytes that go out instead, and how
// (slow first bytes, endless noise, the pseudo-terminal pulled out part-way).
#pragma once

#include "line.h"
#include "setup.h"

#include <QByteArray>

#include <optional>

namespace qvsim {

// A fixed noise sequence: the same bytes on every run, none of them a carriage return,
// and never "Q_" at the start.
class Noise
{
public:
    QByteArray next(int count);

private:
    quint32 m_seed = 0x5EED;
};

// How far apart a slow fault sends the first bytes of each answer part unless the setup
// says otherwise: just inside (slow-under) or just outside (slow-over) the program's
// time-out for the exchange.
int defaultSlowGapMs(Exchange exchange, Fault fault);

// One answer and the way it goes out.
struct Answer
{
    QByteArray bytes;
    Line::Send how;
};

// The answer to an identification, read-out or status request whose fault-free form is
// `reply`, as the exchange's fault changes it; none at all for a silent module.
std::optional<Answer> faultyAnswer(Exchange exchange, const QByteArray &reply,
                                   const FaultSetup &faults, Noise &noise);

// How a download goes under its fault.
struct DownloadCourse
{
    Line::Send how;                                // the pace of every answer part
    bool answers = true;                           // false: the module stays silent
    QByteArray opening = QByteArrayLiteral("R\r"); // ready, and one byte the program skips
    bool takesData = true;                         // then reads the 56 lines and the empty line
    int unplugAfterItems = -1;                     // the pseudo-terminal closes once so many are in
    bool stores = true;                            // keeps the lines it received
    bool altersName = false;                       // ... but with another module name
    QByteArray acknowledgement = QByteArrayLiteral("O\r"); // empty: none
    int ackDelayMs = 0;                                    // before the acknowledgement
};
DownloadCourse downloadCourse(const FaultSetup &faults, Noise &noise);

} // namespace qvsim
