#include "serial/serialline.h"

#include "serial/portdiagnosis.h"
#include "serial/portnames.h"

#include <QElapsedTimer>

#include <algorithm>
#include <chrono>
#include <thread>

namespace qv::serial {

namespace {

// A write with no write time-out waits until the byte is handed over. A device that
// does not take one byte within this time is stuck; the write gives up.
constexpr int HandOverLimitMs = 2000;

// A failed wait counts as "device gone" when it ends before its time-out has run out. A
// silent line never times out early (a wait for 300 ms ends after 300.6 ms), and a pulled
// adapter fails the moment the line notices it, which may be late in a pause of the
// reply: any failure before the time-out is a hang-up. The margin covers the whole
// milliseconds the clocks count in.
constexpr int TimeoutMarginMs = 2;

// A wait that may be cancelled looks at its flag at least this often. Once cancelled, a
// reply that has begun is still read (and dropped) until the line has been quiet this
// long, so that the module is not left talking into the next exchange on the port: far
// more than a byte's time at 1200 bit/s (8.3 ms).
constexpr int CancelSliceMs = 20;
constexpr int CancelQuietMs = 150;

} // namespace

namespace lines {

LineSettings identification(const QString &port, qint32 baud)
{
    return {port, baud, 500, 0, 0, 0};
}

LineSettings search(const QString &port, qint32 baud, int probeTimeout)
{
    return {port, baud, 0, probeTimeout, 0, 0};
}

LineSettings readOut(const QString &port, qint32 baud)
{
    return {port, baud, 1000, 200, 0, 0};
}

LineSettings status(const QString &port)
{
    return {port, 1200, 0, 5000, 0, 0};
}

LineSettings download(const QString &port)
{
    return {port, 1200, 0, 3500, 0, 0};
}

} // namespace lines

QString openDiagnostic(OpenResult result)
{
    switch (result) {
    case OpenResult::Ok:
        return {};
    case OpenResult::OpenFailed:
        return QStringLiteral("unable to open comport");
    case OpenResult::SettingsFailed:
        return QStringLiteral("unable to set comport dcb settings");
    case OpenResult::ConfigFailed:
        return QStringLiteral("unable to set comport cfg settings");
    case OpenResult::TimeoutsFailed:
        return QStringLiteral("unable to set comport time-out settings");
    }
    return {};
}

OpenResult openSerialPort(QSerialPort &port, const LineSettings &settings, QString *reason,
                          std::optional<OpenFailure> *failure)
{
    if (port.isOpen())
        port.close();
    const QString path = systemPortPath(settings.port);
    std::optional<OpenFailure> refused = refuseUnsafeLockFile(settings.port, path);
    auto fail = [&](OpenResult result, const QString &why, int savedErrno = 0) {
        // Why the device could not be used, while the port still holds its error.
        OpenFailure diagnosis;
        if (refused) {
            diagnosis = *refused;
        } else if (result == OpenResult::OpenFailed || result == OpenResult::ConfigFailed) {
            diagnosis = diagnoseFailedOpen(settings.port, path, port, savedErrno);
        } else {
            diagnosis.port = settings.port;
            diagnosis.path = path;
            diagnosis.systemText = why;
        }
        if (port.isOpen())
            port.close();
        const QString kind = describeForLog(diagnosis);
        qCDebug(lcSerial).noquote()
            << QStringLiteral("%1 (%2: %3): %4")
                   .arg(openDiagnostic(result), path.isEmpty() ? QStringLiteral("no port") : path,
                        why, kind);
        qCDebug(lcSerialTrace).noquote() << QStringLiteral("%1 %2 ms -- open failed: %3")
                                                .arg(settings.port)
                                                .arg(0.0, 10, 'f', 3)
                                                .arg(kind);
        if (reason)
            *reason = why;
        if (failure)
            *failure = diagnosis;
        return result;
    };

    port.setPortName(path);
    if (path.isEmpty())
        return fail(OpenResult::OpenFailed, QStringLiteral("empty port name"));
    if (refused)
        return fail(OpenResult::OpenFailed, QStringLiteral("unsafe lock file"));
    if (!port.open(QIODevice::ReadWrite)) {
        const int savedErrno = lastSystemError();
        return fail(OpenResult::OpenFailed, port.errorString(), savedErrno);
    }

    if (settings.baud <= 0)
        return fail(OpenResult::SettingsFailed,
                    QStringLiteral("invalid speed %1").arg(settings.baud));

    if (!port.setBaudRate(settings.baud) || !port.setDataBits(QSerialPort::Data8) ||
        !port.setParity(QSerialPort::NoParity) || !port.setStopBits(QSerialPort::OneStop) ||
        !port.setFlowControl(QSerialPort::NoFlowControl) || !port.clear(QSerialPort::AllDirections))
        return fail(OpenResult::ConfigFailed, port.errorString(), lastSystemError());

    if (settings.readMultiplier < 0 || settings.readConstant < 0 || settings.writeMultiplier < 0 ||
        settings.writeConstant < 0)
        return fail(OpenResult::TimeoutsFailed, QStringLiteral("negative time-out"));

    if (reason)
        reason->clear();
    if (failure)
        failure->reset();
    return OpenResult::Ok;
}

ByteRead readOneByte(QSerialPort &port, int timeoutMs, const std::atomic<bool> *cancel,
                     ReadProgress *stop)
{
    if (!port.isOpen())
        return {ReadStatus::Gone};
    QElapsedTimer clock;
    clock.start();
    qint64 deadline = timeoutMs;
    bool cut = false; // the cancel was seen: the wait ends once the line is quiet
    // Bytes already taken into the port's own buffer are not announced again, so look
    // there first and wait only when it is empty.
    while (port.bytesAvailable() == 0) {
        if (stop && stop->cancelled())
            return {ReadStatus::Silence};
        if (cancel && !cut && cancel->load()) {
            cut = true;
            deadline = qMin(deadline, clock.elapsed() + CancelQuietMs);
        }
        const qint64 left = deadline - clock.elapsed();
        if (left <= 0)
            return {ReadStatus::Silence};
        // A wait that may still be cancelled or stopped looks at its flag every slice.
        const bool sliced = stop || (cancel && !cut);
        const int wait = sliced ? int(qMin<qint64>(left, CancelSliceMs)) : int(left);
        QElapsedTimer slice;
        slice.start();
        port.clearError();
        if (!port.waitForReadyRead(wait)) {
            if (port.bytesAvailable() > 0)
                break;
            // A wait that ends before its time is a hang-up, whether whole or a slice.
            if (slice.elapsed() < wait - TimeoutMarginMs)
                return {ReadStatus::Gone};
        }
    }
    char c = 0;
    if (!port.getChar(&c))
        return {ReadStatus::Gone};
    return {ReadStatus::Byte, quint8(c)};
}

SerialLine::SerialLine() = default;

SerialLine::~SerialLine()
{
    close();
}

OpenResult SerialLine::open(const LineSettings &settings)
{
    close();
    m_settings = settings;
    const OpenResult result = openSerialPort(m_port, settings, &m_reason, &m_failure);
    m_received = 0;
    if (result == OpenResult::Ok) {
        m_trace.start(settings.port);
        m_clock.start();
        m_lineFreeAt = 0;
    }
    return result;
}

OpenResult SerialLine::change(const LineSettings &settings)
{
    if (!m_port.isOpen())
        return OpenResult::OpenFailed;
    // A byte still on its way leaves at the old speed first.
    if (const qint64 wait = nanosUntilLineFree(); wait > 0)
        std::this_thread::sleep_for(std::chrono::nanoseconds(wait));
    const LineSettings previous = m_settings;
    m_settings = settings;
    m_settings.port = previous.port;
    if (settings.baud <= 0 || settings.readMultiplier < 0 || settings.readConstant < 0 ||
        settings.writeMultiplier < 0 || settings.writeConstant < 0) {
        m_reason = QStringLiteral("invalid settings");
        close();
        return settings.baud <= 0 ? OpenResult::SettingsFailed : OpenResult::TimeoutsFailed;
    }
    m_port.clearError();
    if (!m_port.setBaudRate(settings.baud) || !m_port.clear(QSerialPort::AllDirections)) {
        m_reason = m_port.errorString();
        m_trace.note(QStringLiteral("speed %1 refused: %2").arg(settings.baud).arg(m_reason));
        close();
        return OpenResult::ConfigFailed;
    }
    m_trace.note(QStringLiteral("now at %1 bit/s").arg(settings.baud));
    return OpenResult::Ok;
}

void SerialLine::close()
{
    if (m_port.isOpen()) {
        m_port.close();
        m_trace.note(QStringLiteral("close"));
    }
}

bool SerialLine::isOpen() const
{
    return m_port.isOpen();
}

QString SerialLine::systemPath() const
{
    return systemPortPath(m_settings.port);
}

ByteRead SerialLine::readByte()
{
    return readByte(m_settings.readTimeout());
}

qint64 SerialLine::byteNanos(qint32 baud)
{
    return baud > 0 ? 10'000'000'000LL / baud : 0;
}

qint64 SerialLine::nanosUntilLineFree() const
{
    return std::max<qint64>(0, m_lineFreeAt - m_clock.nsecsElapsed());
}

ByteRead SerialLine::readByte(int timeoutMs)
{
    return readByte(timeoutMs, nullptr);
}

ByteRead SerialLine::readByte(int timeoutMs, ReadProgress *stop)
{
    if (!m_port.isOpen())
        return {ReadStatus::Gone};
    const int sending = int((nanosUntilLineFree() + 999'999) / 1'000'000);
    // A module that has the request answers it whatever happens here: until its answer has
    // begun, a cancel does not shorten the wait, or the answer would come into the next
    // exchange on the port.
    const ByteRead read =
        readOneByte(m_port, timeoutMs + sending, m_received > 0 ? m_cancel : nullptr, stop);
    switch (read.status) {
    case ReadStatus::Byte:
        ++m_received;
        m_trace.received(read.byte);
        break;
    case ReadStatus::Silence:
        m_trace.note(cancelRequested() || (stop && stop->cancelled())
                         ? QStringLiteral("cancelled")
                         : QStringLiteral("silence %1 ms").arg(timeoutMs));
        break;
    case ReadStatus::Gone:
        m_trace.note(QStringLiteral("device gone: %1").arg(m_port.errorString()));
        close();
        break;
    }
    return read;
}

int SerialLine::writeWaitLimit() const
{
    const int limit = m_settings.writeMultiplier + m_settings.writeConstant;
    return limit > 0 ? limit : HandOverLimitMs;
}

bool SerialLine::writeByte(quint8 byte)
{
    if (!m_port.isOpen())
        return false;
    // Like a UART's holding register: the next byte may wait while one is on the line.
    if (const qint64 wait = nanosUntilLineFree() - byteNanos(m_settings.baud); wait > 0)
        std::this_thread::sleep_for(std::chrono::nanoseconds(wait));
    const char c = char(byte);
    m_port.clearError();
    const bool written = m_port.write(&c, 1) == 1 && m_port.waitForBytesWritten(writeWaitLimit());
    if (written) {
        m_lineFreeAt = std::max(m_lineFreeAt, m_clock.nsecsElapsed()) + byteNanos(m_settings.baud);
        m_trace.written(byte);
    } else
        m_trace.note(QStringLiteral("write of %1 failed: %2")
                         .arg(SerialTrace::describe(byte), m_port.errorString()));
    return written;
}

int SerialLine::writeBytes(const QByteArray &bytes)
{
    int written = 0;
    for (const char c : bytes)
        written += writeByte(quint8(c)) ? 1 : 0;
    return written;
}

Reply SerialLine::readReply(const ReplyOptions &options)
{
    Reply reply;
    if (!m_port.isOpen()) {
        reply.end = ReplyEnd::NotOpen;
        return reply;
    }
    for (;;) {
        const ByteRead read = readByte(m_settings.readTimeout(), options.progress);
        // A cancelled read goes on until the reply ends, and then says it was cancelled; a
        // progress window's cancel ends it at once, in a wait too.
        auto end = [&](ReplyEnd how) {
            const bool stopped = options.progress && options.progress->cancelled();
            reply.end = cancelRequested() || stopped ? ReplyEnd::Cancelled : how;
            return reply;
        };
        if (read.status == ReadStatus::Silence)
            return end(ReplyEnd::Silence);
        if (read.status == ReadStatus::Gone)
            return end(ReplyEnd::Gone);
        if (options.endAtCr && read.byte == 0x0D)
            return end(ReplyEnd::Terminator);
        if (reply.text.size() >= options.bound) {
            m_trace.note(QStringLiteral("reply longer than %1 bytes").arg(options.bound));
            return end(ReplyEnd::Overlong);
        }
        reply.text.append(QChar(char16_t(read.byte)));
        if (options.progress) {
            if (read.byte != 0x0D)
                options.progress->advance();
            if (options.progress->cancelled()) {
                reply.end = ReplyEnd::Cancelled;
                return reply;
            }
        }
    }
}

} // namespace qv::serial
