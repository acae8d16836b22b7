#include "transfer/download.h"

#include "serial/serialline.h"
#include "transfer/configrecord.h"
#include "transfer/modulerecord.h"

namespace qv::transfer {

namespace {

// The bar starts at this value once the module has answered "R".
constexpr int ReadyProgress = 10;

bool isByte(const serial::ByteRead &read, char expected)
{
    return read.status == serial::ReadStatus::Byte && read.byte == quint8(expected);
}

class Exchange
{
public:
    Exchange(serial::SerialLine &line, DownloadProgress *progress)
        : m_line(line), m_progress(progress)
    {
    }

    // "~}", the module's "R" and one more byte, the lines each ended by CR, then the
    // acknowledgement in the first or the second byte. A write that fails means the port
    // is gone (or stuck), and a read that finds the port gone returns at once: either
    // ends the exchange without waiting for time-outs. So does an interruption.
    bool run(const QStringList &lines, char ackChar)
    {
        for (const char c : {'~', '}'}) {
            if (!m_line.writeByte(quint8(c)))
                return false;
        }
        if (!isByte(m_line.readByte(), 'R'))
            return false;
        m_sent = ReadyProgress;
        if (m_progress)
            m_progress->value(m_sent);
        m_line.readByte(); // its meaning is the module's; silence is fine too

        for (const QString &text : lines) {
            for (const quint8 byte : record::toWire(text)) {
                if (!send(byte))
                    return false;
            }
            if (!send(0x0D))
                return false;
        }

        const serial::ByteRead first = m_line.readByte();
        bool acknowledged = isByte(first, ackChar);
        if (!acknowledged) {
            if (first.status == serial::ReadStatus::Byte)
                qCDebug(lcTransfer).noquote() << QChar(char16_t(first.byte));
            else
                qCDebug(lcTransfer) << "no acknowledgement";
        }
        if (interrupted())
            return false;
        if (isByte(m_line.readByte(), ackChar))
            acknowledged = true;
        return acknowledged;
    }

private:
    bool interrupted() const { return m_progress && m_progress->interrupted(); }

    bool send(quint8 byte)
    {
        if (interrupted() || !m_line.writeByte(byte))
            return false;
        if (m_progress)
            m_progress->value(++m_sent);
        return true;
    }

    serial::SerialLine &m_line;
    DownloadProgress *m_progress = nullptr;
    int m_sent = 0;
};

} // namespace

int downloadProgressMaximum(const QString &record)
{
    return int(record.size()) + ReadyProgress;
}

bool downloadRecord(serial::SerialLine &line, const QString &record, QChar separator, char ackChar,
                    DownloadProgress *progress)
{
    return Exchange(line, progress).run(record::downloadLines(record, separator), ackChar);
}

DownloadOutcome downloadRecord(const QString &port, const QString &record, QChar separator,
                               char ackChar, DownloadProgress *progress)
{
    DownloadOutcome outcome;
    if (progress)
        progress->range(downloadProgressMaximum(record));
    serial::SerialLine line; // opening logs why it failed
    if (line.open(serial::lines::download(port)) != serial::OpenResult::Ok)
        outcome.openFailure = line.openFailure();
    else
        outcome.acknowledged = downloadRecord(line, record, separator, ackChar, progress);
    return outcome;
}

} // namespace qv::transfer
