// qvsim: a Q_QV5, Q_QV3 or Q_BRK2 module on a pseudo-terminal, for tests and for trying
// the program without hardware.
//
// The module runs on a thread of its own. It answers the four requests ("~|" the
// identification, "~{" the read-out, "~}" the download, "~[" the status), paces what it
// sends like a real line at the speed the program has set (10 bits per byte: 8.3 ms at
// 1200 bit/s) and takes the program's bytes as arriving at that pace too. A request sent
// at another speed than the module's own for that exchange (the identification and the
// read-out at the module's speed, the download and the status at 1200 bit/s) reaches the
// module garbled: it does not answer, and what it sends meanwhile reaches the program
// garbled. Each exchange can be given a fault.
#pragma once

#include "transfer/modulerecord.h"
#include "transfer/statusreply.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
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
};

enum class Model { QV5, QV3, BRK2 };

QString exchangeName(Exchange exchange); // "ident", "readout", "download", "status"
std::optional<Exchange> exchangeFromName(const QString &name);
QString faultName(Fault fault); // "none", "silent", "garbage", "wrong-ready", ...
std::optional<Fault> faultFromName(const QString &name);
QStringList faultNames();
std::optional<Model> modelFromName(const QString &name); // "qv5", "qv3", "brk2"

// "Q_QV5_FW2.1", "Q_QV3_FW2.1", "Q_BRK2_FW1.4": listed in the shipped compatibility table.
QString defaultIdentification(Model model);

// The 56 fields a module holds when it leaves the factory: the values of the shipped
// defaults file.
QStringList factoryFields();

// The program's per-byte read time-out of each exchange, which the slow faults straddle:
// 500, 1200, 3500 and 5000 ms.
int exchangeTimeout(Exchange exchange);

class Emulator
{
public:
    explicit Emulator(Model model = Model::QV5);
    ~Emulator(); // stops the module and removes the link
    Emulator(const Emulator &) = delete;
    Emulator &operator=(const Emulator &) = delete;

    // Opens the pseudo-terminal and starts the module's thread.
    bool start(QString *error = nullptr);
    void stop();
    QString slavePath() const;
    // Makes `path` a symbolic link to the slave (kept up to date on replug).
    bool setLinkPath(const QString &path, QString *error = nullptr);
    bool isUnplugged() const;
    // After an unplug fault: a new pseudo-terminal (a new slave path).
    bool replug(QString *error = nullptr);

    void setModel(Model model); // also resets the identification text and the status
    Model model() const;
    void setIdentText(const QString &text);
    QString identText() const;
    void setIdentTerminator(const QByteArray &bytes); // after the text; "\r" by default

    void setStoredFields(const QStringList &fields);
    QStringList storedFields() const;
    void setReadOutStyle(const qv::record::ReadOutStyle &style);

    void setStatus(const qv::status::ModuleStatus &status);
    qv::status::ModuleStatus status() const;
    static qv::status::ModuleStatus defaultStatus(Model model);
    // Bytes sent as they are in answer to the status request instead of the status line
    // and its CR (a malformed line, one without its CR); empty: the status line again.
    void setStatusReply(const QByteArray &bytes);

    void setFault(Exchange exchange, Fault fault);
    Fault fault(Exchange exchange) const;

    void setModuleBaud(qint32 baud); // the identification and read-out speed; 1200 default
    qint32 moduleBaud() const;
    // The speed of the download and the status query: 1200 as in every module. Tests of
    // the module's own behaviour may raise it to save time.
    void setFixedBaud(qint32 baud);
    void setPaced(bool paced);    // false: answers go out at once
    void setSlowBytes(int count); // how many bytes of each answer part a slow fault delays (2)
    void setSlowGaps(Exchange exchange, int underMs, int overMs); // override the defaults
    void setOverlongBytes(int count); // total size of an over-long answer (8192)
    void setAckDelay(int ms);         // AckLate (4000)

    // Every byte the program sent, exactly as it came.
    QByteArray received() const;
    void clearReceived();
    // Requests of each exchange handled so far (counted when the answer is complete).
    int handled(Exchange exchange) const;
    bool waitForHandled(Exchange exchange, int count, int timeoutMs) const;
    int garbledRequests() const;

    // A line for each event (request, answer, fault, port closed), from the module's thread.
    void setEventSink(std::function<void(const QString &)> sink);

private:
    struct State;
    std::unique_ptr<State> d;
};

} // namespace qvsim
