#include "serial/comport.h"

namespace qv::serial {

comPort::comPort() = default;

comPort::comPort(const QString &portName, qint32 baud) : m_portName(portName), m_baud(baud)
{
}

comPort::~comPort()
{
    close();
}

bool comPort::open(int readMultiplier, int readConstant, int writeMultiplier, int writeConstant)
{
    return open(qv::serial::LineSettings{m_portName, m_baud, readMultiplier, readConstant,
                                         writeMultiplier, writeConstant});
}

bool comPort::open(const qv::serial::LineSettings &settings)
{
    m_portName = settings.port;
    m_baud = settings.baud;
    m_openResult = m_line.open(settings);
    return m_openResult == qv::serial::OpenResult::Ok;
}

void comPort::writeText(const QString &text, bool appendCr)
{
    for (const QChar c : text)
        m_line.writeByte(c.unicode() < 0x100 ? quint8(c.unicode()) : quint8(0));
    if (appendCr)
        writeCr();
}

void comPort::writeChar(char c, bool appendCr)
{
    m_line.writeByte(quint8(c));
    if (appendCr)
        writeCr();
}

void comPort::writeCr()
{
    m_line.writeByte(0x0D);
}

qv::serial::Reply comPort::readAll(qv::serial::ReadProgress *progress)
{
    qv::serial::ReplyOptions options;
    options.bound = m_replyBound;
    options.progress = progress;
    return m_line.readReply(options);
}

void comPort::close()
{
    m_line.close();
}

void comPort::setPort(const QString &portName, qint32 baud)
{
    m_portName = portName;
    m_baud = baud;
}

} // namespace qv::serial
