// comPort: the serial port of one identification or read-out exchange.
//
// Built for one exchange, opened, used and closed again; the port is never held while
// the user edits. Every byte goes out as a write of its own; readAll collects the reply
// until the line falls silent for the read time-out given to open().
#pragma once

#include "serial/replybounds.h"
#include "serial/serialline.h"

#include <QString>

namespace qv::serial {

class comPort
{
public:
    comPort(); // "COM1" at 1200 bit/s, closed
    comPort(const QString &portName, qint32 baud);
    ~comPort();
    comPort(const comPort &) = delete;
    comPort &operator=(const comPort &) = delete;

    // Opens the port (closing it first when open) exclusively with 8N1 and no flow
    // control; a one-byte read then waits at most readMultiplier + readConstant ms.
    // False when any step fails; openResult() tells which.
    bool open(int readMultiplier, int readConstant, int writeMultiplier, int writeConstant);
    // The same with the port, speed and time-outs of an exchange (see qv::serial::lines).
    bool open(const qv::serial::LineSettings &settings);
    qv::serial::OpenResult openResult() const { return m_openResult; }
    // Why the last open failed (see qv::serial::openFailureAdvice for the user's words).
    const std::optional<qv::serial::OpenFailure> &openFailure() const
    {
        return m_line.openFailure();
    }

    // Each character as one byte (a character above U+00FF as 0), then CR when asked.
    void writeText(const QString &text, bool appendCr);
    void writeChar(char c, bool appendCr);
    void writeCr();

    // Reads until the line is silent for the read time-out, the reply passes the reply
    // bound, the progress window is cancelled, or the device goes away (which closes
    // the port). Carriage returns stay in the text; they do not advance the progress.
    qv::serial::Reply readAll(qv::serial::ReadProgress *progress = nullptr);

    void close();
    bool isOpen() const { return m_line.isOpen(); }

    QString portName() const { return m_portName; }
    qint32 baud() const { return m_baud; }
    QString baudText() const { return QString::number(m_baud); }
    // They take effect at the next open().
    void setPort(const QString &portName, qint32 baud);
    void setPortName(const QString &portName) { m_portName = portName; }
    void setBaud(qint32 baud) { m_baud = baud; }

    // The longest reply readAll accepts; the identification sets its own, smaller one.
    void setReplyBound(int bytes) { m_replyBound = bytes; }
    int replyBound() const { return m_replyBound; }

private:
    qv::serial::SerialLine m_line;
    QString m_portName = QStringLiteral("COM1");
    qint32 m_baud = 1200;
    int m_replyBound = qv::serial::replybound::ReadOut;
    qv::serial::OpenResult m_openResult = qv::serial::OpenResult::OpenFailed;
};

} // namespace qv::serial
