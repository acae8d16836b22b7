// What the emulated module knows by name: its four exchanges, the faults it can show, the
// models, and what a module holds and says when it leaves the factory.
#pragma once

#include "transfer/statusreply.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace qvsim {

enum class Exchange { Identification, ReadOut, Download, Status };
inline constexpr int ExchangeCount = 4;

enum class Fault {
    None,
    Silent,        // no answer at all
    Garbage,       // noise instead of the answer
    WrongReady,    // download: another byte instead of "R"
    AckWrong,      // download: both acknowledgement bytes wrong (nothing stored)
    AckLate,       // download: "O" only after the ack delay (default 4 s)
    AckSecondOnly, // download: a wrong first byte, then "O"
    AckMissing,    // download: no acknowledgement (the data is stored)
    Truncated,     // only the first half of the answer (download: "R" alone)
    Overlong,      // the answer followed by filler up to the overlong size, then silence
    NeverSilent,   // the answer without its final CR, then noise until the port closes
    Unplug,        // the pseudo-terminal closes half-way through the answer (or the data)
    SlowUnder,     // the first bytes of each answer part come just inside the time-out
    SlowOver,      // ... just outside it
    StoresOther,   // download: acknowledged, but the module keeps another module name
};

enum class Model { QV5, QV3, BRK2 };

// A line for each event of the module (request, answer, fault, port closed).
using EventSink = std::function<void(const QString &)>;

QString exchangeName(Exchange exchange); // "ident", "readout", "download", "status"
std::optional<Exchange> exchangeFromName(const QString &name);
QString faultName(Fault fault); // "none", "silent", "garbage", "wrong-ready", ...
std::optional<Fault> faultFromName(const QString &name);
QStringList faultNames();
std::optional<Model> modelFromName(const QString &name); // "qv5", "qv3", "brk2"

// The exchange a request asks for: the byte after "~" ('|', '{', '}' or '[').
std::optional<Exchange> requestedExchange(char byteAfterTilde);

// "Q_QV5_FW2.1", "Q_QV3_FW2.1", "Q_BRK2_FW1.4": listed in the shipped compatibility table.
QString defaultIdentification(Model model);

// The 56 fields a module holds when it leaves the factory: the values of the shipped
// defaults file.
QStringList factoryFields();

// The live status a module of `model` reports unless told otherwise.
qv::transfer::status::ModuleStatus defaultStatus(Model model);

// The program's per-byte read time-out of each exchange, which the slow faults straddle:
// 500, 1200, 3500 and 5000 ms, taken from the program's own line settings.
int exchangeTimeout(Exchange exchange);

} // namespace qvsim
