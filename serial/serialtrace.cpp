#include "serial/serialtrace.h"

namespace qv::serial {

Q_LOGGING_CATEGORY(lcSerial, "qv.serial")
Q_LOGGING_CATEGORY(lcSerialTrace, "qv.serial.trace", QtWarningMsg)

void SerialTrace::start(const QString &port)
{
    m_port = port;
    m_clock.start();
    note(QStringLiteral("open"));
}

void SerialTrace::written(quint8 byte) const
{
    if (lcSerialTrace().isDebugEnabled())
        line(">>", describe(byte));
}

void SerialTrace::received(quint8 byte) const
{
    if (lcSerialTrace().isDebugEnabled())
        line("<<", describe(byte));
}

void SerialTrace::note(const QString &what) const
{
    if (lcSerialTrace().isDebugEnabled())
        line("--", what);
}

QString SerialTrace::describe(quint8 byte)
{
    const QString hex = QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
    QString shown;
    switch (byte) {
    case 0x0D:
        shown = QStringLiteral("CR");
        break;
    case 0x0A:
        shown = QStringLiteral("LF");
        break;
    default:
        shown = (byte >= 0x20 && byte < 0x7F) ? QStringLiteral("'%1'").arg(QChar(byte))
                                              : QStringLiteral(".");
    }
    return hex + u' ' + shown;
}

void SerialTrace::line(const char *direction, const QString &what) const
{
    const double ms = m_clock.isValid() ? double(m_clock.nsecsElapsed()) / 1e6 : 0.0;
    qCDebug(lcSerialTrace).noquote() << QStringLiteral("%1 %2 ms %3 %4")
                                            .arg(m_port)
                                            .arg(ms, 10, 'f', 3)
                                            .arg(QLatin1String(direction), what);
}

} // namespace qv::serial
