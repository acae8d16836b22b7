// One serial line held for one exchange: the opening sequence every exchange shares,
// the one-byte read with its time-out, byte-by-byte writes, and reading a whole reply.
//
// The identification and the read-out reach it through comPort; the port search, the
// status query and the download with its read-back (held open from one to the other, see
// change()) use it directly, each with its own LineSettings.
// The QSerialPort inside lives in the thread that creates the SerialLine.
#pragma once

#include "serial/openfailure.h"
#include "serial/serialtrace.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QSerialPort>
#include <QString>

#include <atomic>
#include <optional>

namespace qv::serial {

struct LineSettings
{
    QString port;           // as the user sees it: "COM1", "ttyUSB0", "/dev/pts/3"
    qint32 baud = 1200;     // 8 data bits, no parity, one stop bit, no flow control
    int readMultiplier = 0; // ms; a one-byte read waits at most multiplier + constant
    int readConstant = 0;
    int writeMultiplier = 0; // ms; 0 and 0 mean: wait until the byte is handed over
    int writeConstant = 0;

    int readTimeout() const { return readMultiplier + readConstant; }
    friend bool operator==(const LineSettings &, const LineSettings &) = default;
};

// The values each exchange opens its port with.
namespace lines {
// How long the automatic port search waits for each byte of a probe.
inline constexpr int SearchProbeTimeoutMs = 300;
LineSettings identification(const QString &port, qint32 baud); // 500 + 0 ms
LineSettings search(const QString &port, qint32 baud, int probeTimeout = SearchProbeTimeoutMs);
LineSettings readOut(const QString &port, qint32 baud); // 1000 + 200 ms
LineSettings status(const QString &port);               // 1200 bit/s, 5000 ms
LineSettings download(const QString &port);             // 1200 bit/s, 3500 ms
} // namespace lines

enum class OpenResult {
    Ok,
    OpenFailed,     // the device could not be opened (missing, busy, no permission)
    SettingsFailed, // the line settings could not be built (an impossible speed)
    ConfigFailed,   // the device refused the line settings
    TimeoutsFailed, // the time-outs could not be set (a negative value)
};

// "unable to open comport", "unable to set comport dcb settings",
// "unable to set comport cfg settings", "unable to set comport time-out settings".
QString openDiagnostic(OpenResult result);

// Opens `port` exclusively on the device named by settings.port, sets 8N1 without flow
// control at settings.baud and drops whatever was waiting on the line. On failure the
// port is closed, the diagnostic with the system's reason and why the port could not be
// used goes to qv.serial (and to qv.serial.trace), and the step that failed is returned
// (its reason in *reason, why in *failure, when given; *failure is cleared on success).
OpenResult openSerialPort(QSerialPort &port, const LineSettings &settings,
                          QString *reason = nullptr, std::optional<OpenFailure> *failure = nullptr);

enum class ReadStatus {
    Byte,    // a byte arrived
    Silence, // the whole time-out passed without one
    Gone,    // the wait failed before its time-out ran out: the device is gone
};

struct ByteRead
{
    ReadStatus status = ReadStatus::Silence;
    quint8 byte = 0;
};

// What a reply read reports to a progress window: the window's exchange thread passes it on
// as signals.
class ReadProgress
{
public:
    virtual ~ReadProgress() = default;
    virtual void advance() = 0; // one more byte that is not a carriage return
    // Asked after every byte and every few milliseconds of a wait, from the reading thread;
    // true ends the read at once, the closing silence included.
    virtual bool cancelled() = 0;
};

// Reads one byte: at once when one is waiting, otherwise as soon as one arrives, or
// Silence after timeoutMs. A closed port reads as Gone. With `cancel`, the wait looks at the
// flag every few milliseconds; once it is set, the wait ends as Silence when no byte has
// come for a short quiet time (150 ms) instead of the whole time-out. With `stop`, the wait
// asks it as often and ends as Silence at once when it answers true. Neither changes when a
// byte is taken or how a port that has gone is told from a silent one.
ByteRead readOneByte(QSerialPort &port, int timeoutMs, const std::atomic<bool> *cancel = nullptr,
                     ReadProgress *stop = nullptr);

enum class ReplyEnd {
    Silence,    // the line fell silent: the normal end
    Terminator, // a carriage return ended the reply (endAtCr)
    Cancelled,  // the progress window was cancelled
    Overlong,   // more bytes than the bound: a malformed reply
    Gone,       // the device went away part-way; the port is closed
    NotOpen,    // nothing to read from
};

struct Reply
{
    QString text; // byte n as U+00nn; carriage returns stay unless one ended the reply
    ReplyEnd end = ReplyEnd::Silence;

    bool isComplete() const { return end == ReplyEnd::Silence || end == ReplyEnd::Terminator; }
};

struct ReplyOptions
{
    int bound = 4096;     // the longest reply accepted (see replybounds.h)
    bool endAtCr = false; // a carriage return ends the reply, not part of it
    ReadProgress *progress = nullptr;
};

class SerialLine
{
public:
    SerialLine();
    ~SerialLine();
    SerialLine(const SerialLine &) = delete;
    SerialLine &operator=(const SerialLine &) = delete;

    OpenResult open(const LineSettings &settings); // closes first when open
    // Keeps the port open and takes another exchange's speed and time-outs on it (the same
    // device: settings.port is not looked at), dropping what waits on the line as an open
    // does. The port stays held from one exchange to the next, so no other program can
    // take it in between. ConfigFailed (and the port closed) when the device refuses the
    // speed; OpenFailed when the port is not open.
    OpenResult change(const LineSettings &settings);
    void close();
    bool isOpen() const;
    const LineSettings &settings() const { return m_settings; }
    QString systemPath() const;                      // the device path actually opened
    QString errorReason() const { return m_reason; } // of the last failed open
    // Why the last open failed (permission, busy and by whom, missing, other); nothing
    // after a successful one.
    const std::optional<OpenFailure> &openFailure() const { return m_failure; }

    // Reads one byte. The time-out counts from the moment the last byte written has
    // left the line, as with a write that returns only once its byte is sent.
    ByteRead readByte(); // with the line's read time-out
    ByteRead readByte(int timeoutMs);
    // The same, ended at once, as Silence, when `stop` answers cancelled().
    ByteRead readByte(int timeoutMs, ReadProgress *stop);
    // Writes one byte as soon as the line can take it (one byte may be on its way, as
    // in a UART), so the program never runs ahead of the wire: at 1200 bit/s a byte
    // takes 8.3 ms.
    bool writeByte(quint8 byte);
    int writeBytes(const QByteArray &bytes); // one write per byte; returns bytes written
    Reply readReply(const ReplyOptions &options);

    // A flag another thread may set to end the exchange: every wait for a byte of a reply
    // that has begun looks at it. Once it is set, a reply read takes what the module still
    // sends until its end (the carriage return, or a short quiet time instead of the whole
    // time-out), so that the line is quiet for the next exchange, and ends as Cancelled;
    // the wait for a reply's first byte keeps its whole time-out (the module answers a
    // request it has). Null (the default): no cancel.
    void setCancelFlag(const std::atomic<bool> *flag) { m_cancel = flag; }
    bool cancelRequested() const { return m_cancel && m_cancel->load(); }

    // Time one byte takes on the line: start bit, 8 data bits, stop bit.
    static qint64 byteNanos(qint32 baud);

private:
    int writeWaitLimit() const;
    qint64 nanosUntilLineFree() const;

    QSerialPort m_port;
    LineSettings m_settings;
    SerialTrace m_trace;
    QString m_reason;
    std::optional<OpenFailure> m_failure;
    QElapsedTimer m_clock;   // runs while the port is open
    qint64 m_lineFreeAt = 0; // m_clock time when the last written byte has left
    const std::atomic<bool> *m_cancel = nullptr;
    qint64 m_received = 0; // bytes read since the port was opened
};

} // namespace qv::serial
