// Logging categories of the serial link and the byte-by-byte trace of an exchange.
//
// "qv.serial" carries the diagnostics of opening a port (on by default, like all debug
// output). "qv.serial.trace" logs every byte written and read with its time since the
// port was opened, in hex and printable form; it is off unless switched on with
//   QT_LOGGING_RULES="qv.serial.trace.debug=true"
#pragma once

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QString>

namespace qv::serial {

Q_DECLARE_LOGGING_CATEGORY(lcSerial)
Q_DECLARE_LOGGING_CATEGORY(lcSerialTrace)

class SerialTrace
{
public:
    // Restarts the clock: time stamps count from here.
    void start(const QString &port);
    void written(quint8 byte) const;
    void received(quint8 byte) const;
    void note(const QString &what) const;

    // "7E '~'", "0D CR", "FF ." : the form each byte is shown in.
    static QString describe(quint8 byte);

private:
    void line(const char *direction, const QString &what) const;

    QElapsedTimer m_clock;
    QString m_port;
};

} // namespace qv::serial
