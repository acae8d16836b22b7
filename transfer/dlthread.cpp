#include "transfer/dlthread.h"

#include "serial/serialline.h"
#include "transfer/configrecord.h"
#include "transfer/modulerecord.h"

namespace {

// The bar starts at this value once the module has answered "R".
constexpr int ReadyProgress = 10;

bool isByte(const qv::ByteRead &read, char expected)
{
    return read.status == qv::ReadStatus::Byte && read.byte == quint8(expected);
}

} // namespace

dlThread::dlThread(const devSettings &settings, QObject *parent)
    : QThread(parent), m_settings(settings)
{
}

void dlThread::run()
{
    m_success = false;
    emit progressRange(0, int(m_settings.DownloadRecord.size()) + ReadyProgress);
    const QStringList lines = qv::record::downloadLines(
        m_settings.DownloadRecord, QChar(char16_t(quint8(m_settings.DownloadSeparator))));

    // The port lives in this thread; opening it logs why it failed.
    qv::SerialLine line;
    if (line.open(qv::lines::download(m_settings.Port)) != qv::OpenResult::Ok) {
        const QMutexLocker lock(&m_failureMutex);
        m_openFailure = line.openFailure();
        return;
    }
    m_success = exchange(line, lines);
    line.close();
}

std::optional<qv::OpenFailure> dlThread::openFailure() const
{
    const QMutexLocker lock(&m_failureMutex);
    return m_openFailure;
}

// "~}", the module's "R" and one more byte, the lines each ended by CR, then the
// acknowledgement in the first or the second byte. A write that fails means the port is
// gone (or stuck), and a read that finds the port gone returns at once: either ends the
// exchange without waiting for time-outs. So does a request to stop.
bool dlThread::exchange(qv::SerialLine &line, const QStringList &lines)
{
    int progress = 0;
    for (const char c : {'~', '}'}) {
        if (!line.writeByte(quint8(c)))
            return false;
    }
    if (!isByte(line.readByte(), 'R'))
        return false;
    progress = ReadyProgress;
    emit progressValue(progress);
    line.readByte(); // its meaning is the module's; silence is fine too

    for (const QString &text : lines) {
        for (const quint8 byte : qv::record::toWire(text)) {
            if (!sendByte(line, byte, progress))
                return false;
        }
        if (!sendByte(line, 0x0D, progress))
            return false;
    }

    const qv::ByteRead first = line.readByte();
    bool acknowledged = isByte(first, m_settings.AckChar);
    if (!acknowledged) {
        if (first.status == qv::ReadStatus::Byte)
            qCDebug(qv::lcTransfer).noquote() << QChar(char16_t(first.byte));
        else
            qCDebug(qv::lcTransfer) << "no acknowledgement";
    }
    if (isInterruptionRequested())
        return false;
    if (isByte(line.readByte(), m_settings.AckChar))
        acknowledged = true;
    return acknowledged;
}

bool dlThread::sendByte(qv::SerialLine &line, quint8 byte, int &progress)
{
    if (isInterruptionRequested() || !line.writeByte(byte))
        return false;
    emit progressValue(++progress);
    return true;
}
