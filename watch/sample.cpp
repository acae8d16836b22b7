#include "watch/sample.h"

#include "transfer/statusquery.h"

#include <QCoreApplication>
#include <QStringList>

namespace qv::watch {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::watch)
};

// Positions the panel reads (see transfer/statusreply.cpp): outputs 5..8 of field 0,
// inputs 3..6 of field 1, the analogue value from 3 of field 2, the counter from 4 of
// field 3, the supply at 6 of field 4, the signal from 5 of field 5.
bool isOne(const QString &field, int position)
{
    return position < field.size() && field.at(position) == u'1';
}

QByteArray bytesOf(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text)
        bytes.append(char(c.unicode() & 0xFF));
    return bytes;
}

QString textOf(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes)
        text.append(QChar(char16_t(quint8(c))));
    return text;
}

} // namespace

bool operator==(const Sample &a, const Sample &b)
{
    const bool sameAnalog =
        a.hasAnalog() == b.hasAnalog() && (!a.hasAnalog() || a.analog == b.analog);
    return a.elapsedMs == b.elapsedMs && a.timeMs == b.timeMs && a.state == b.state &&
           a.resumed == b.resumed && a.outputs == b.outputs && a.inputs == b.inputs &&
           a.supply == b.supply && a.signal == b.signal && sameAnalog && a.counter == b.counter &&
           a.reply == b.reply && a.why == b.why;
}

Sample decodeReply(const QString &reply, bool complete)
{
    Sample s;
    s.reply = bytesOf(reply);
    const QStringList fields = reply.split(u' ', Qt::KeepEmptyParts);
    if (!complete || fields.size() < qv::transfer::status::MinimumFields) {
        s.state = SampleState::Garbled;
        return s;
    }
    s.state = SampleState::Ok;
    for (int i = 0; i < 4; ++i) {
        if (isOne(fields.at(0), 5 + i))
            s.outputs |= quint8(1u << i);
        if (isOne(fields.at(1), 3 + i))
            s.inputs |= quint8(1u << i);
    }
    s.supply = isOne(fields.at(4), 6);
    bool ok = false;
    const QString signal = fields.at(5).mid(5);
    const int level = signal.toInt(&ok, 10);
    // A level too large for the meter is kept as the largest: it is invalid either way.
    if (ok && level >= 0)
        s.signal = qint16(qMin(level, 9999));
    QString analog = fields.at(2).mid(3).trimmed();
    analog.replace(u',', u'.');
    const double volts = analog.toDouble(&ok);
    if (ok && std::isfinite(volts))
        s.analog = float(volts);
    const qint64 counter = fields.at(3).mid(4).trimmed().toLongLong(&ok, 10);
    if (ok && counter >= 0)
        s.counter = counter;
    return s;
}

std::optional<Sample> sampleOf(const qv::transfer::StatusQueryOutcome &outcome)
{
    using qv::transfer::StatusQueryEnd;
    switch (outcome.end) {
    case StatusQueryEnd::Cancelled:
        return std::nullopt;
    case StatusQueryEnd::NotOpen: {
        Sample s;
        const bool missing =
            !outcome.openFailure || outcome.openFailure->kind == serial::OpenFailure::Kind::Missing;
        s.state = missing ? SampleState::PortGone : SampleState::PortRefused;
        if (!missing)
            s.why = describeForLog(*outcome.openFailure);
        return s;
    }
    case StatusQueryEnd::Ok:
    case StatusQueryEnd::Failed:
        break;
    }
    switch (outcome.replyEnd) {
    case serial::ReplyEnd::Gone:
    case serial::ReplyEnd::NotOpen: {
        Sample s = decodeReply(outcome.reply, false);
        s.state = SampleState::PortGone;
        return s;
    }
    case serial::ReplyEnd::Silence:
        // Silence before the first byte: no answer at all.
        if (outcome.reply.isEmpty()) {
            Sample s;
            s.state = SampleState::Silent;
            return s;
        }
        return decodeReply(outcome.reply, true);
    case serial::ReplyEnd::Terminator:
        return decodeReply(outcome.reply, true);
    case serial::ReplyEnd::Overlong:
    case serial::ReplyEnd::Cancelled:
        break;
    }
    return decodeReply(outcome.reply, false);
}

qv::transfer::status::ModuleStatus statusOf(const Sample &sample)
{
    return qv::transfer::status::parseStatusLine(textOf(sample.reply)).status;
}

QString replyField(const Sample &sample, int index)
{
    return textOf(sample.reply).split(u' ', Qt::KeepEmptyParts).value(index);
}

SignalClass classifySignal(int level)
{
    if (level < 0)
        return SignalClass::Missing;
    if (level < 2)
        return SignalClass::Weak;
    if (level > 5)
        return SignalClass::Invalid;
    return SignalClass::Normal;
}

QString signalWords(int level)
{
    switch (level) {
    case 0:
        return Text::tr("nincs jel");
    case 1:
        return Text::tr("gyenge");
    case 2:
        return Text::tr("elfogadható");
    case 3:
        return Text::tr("közepes");
    case 4:
        return Text::tr("jó");
    case 5:
        return Text::tr("kiváló");
    default:
        break;
    }
    return level < 0 ? Text::tr("nincs adat") : Text::tr("érvénytelen");
}

QString signalColour(int level)
{
    switch (classifySignal(level)) {
    case SignalClass::Normal:
        return QStringLiteral("#05B8CC");
    case SignalClass::Weak:
    case SignalClass::Invalid:
        return QStringLiteral("#FF0000");
    case SignalClass::Missing:
        break;
    }
    return QStringLiteral("#B4B4B4");
}

} // namespace qv::watch
