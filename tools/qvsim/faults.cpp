#include "faults.h"

#include "transfer/modulerecord.h"

#include <algorithm>

namespace qvsim {

namespace {

// The pace of every answer part of the exchange: slow first bytes under a slow fault.
Line::Send pace(Exchange exchange, const FaultSetup &faults)
{
    Line::Send how{exchange};
    const ExchangeFault &f = faults[exchange];
    if (f.fault != Fault::SlowUnder && f.fault != Fault::SlowOver)
        return how;
    const int chosen = f.fault == Fault::SlowUnder ? f.slowUnderMs : f.slowOverMs;
    how.slowGapMs = chosen > 0 ? chosen : defaultSlowGapMs(exchange, f.fault);
    how.slowBytes = faults.slowBytes;
    return how;
}

} // namespace

int defaultSlowGapMs(Exchange exchange, Fault fault)
{
    const int timeout = exchangeTimeout(exchange);
    const int margin = std::max(100, timeout / 5);
    return fault == Fault::SlowUnder ? timeout - margin : timeout + margin;
}

QByteArray Noise::next(int count)
{
    QByteArray bytes;
    bytes.reserve(count);
    while (bytes.size() < count) {
        m_seed = m_seed * 1103515245u + 12345u;
        const char c = char((m_seed >> 16) & 0xFF);
        if (c == '\r' || c == 'Q')
            continue;
        bytes.append(c);
    }
    return bytes;
}

std::optional<Answer> faultyAnswer(Exchange exchange, const QByteArray &reply,
                                   const FaultSetup &faults, Noise &noise)
{
    Answer answer{reply, pace(exchange, faults)};
    QByteArray &bytes = answer.bytes;
    switch (faults[exchange].fault) {
    case Fault::Silent:
        return std::nullopt;
    case Fault::Garbage:
        bytes = noise.next(48);
        break;
    case Fault::Truncated:
        bytes = reply.left(reply.size() / 2);
        break;
    case Fault::Overlong: {
        // The reply's own end (a CR) comes only after the filler.
        const bool endsInCr = bytes.endsWith('\r');
        if (endsInCr)
            bytes.chop(1);
        bytes.append(QByteArray(
            std::max<qsizetype>(0, faults.overlongBytes - bytes.size() - (endsInCr ? 1 : 0)), '#'));
        if (endsInCr)
            bytes.append('\r');
        break;
    }
    case Fault::NeverSilent:
        while (bytes.endsWith('\r') || bytes.endsWith('\n'))
            bytes.chop(1);
        answer.how.endless = noise.next(64);
        break;
    case Fault::Unplug:
        answer.how.unplugAfter =
            faults.unplugAfterBytes > 0 ? faults.unplugAfterBytes : int(reply.size() / 2);
        answer.how.unplugPauseMs = faults.unplugPauseMs;
        break;
    default:
        break; // the acknowledgement faults belong to the download
    }
    return answer;
}

DownloadCourse downloadCourse(const FaultSetup &faults, Noise &noise)
{
    DownloadCourse course;
    course.how = pace(Exchange::Download, faults);
    switch (faults[Exchange::Download].fault) {
    case Fault::Silent:
        course.answers = false;
        course.takesData = false;
        break;
    case Fault::Garbage:
        course.opening = noise.next(48);
        course.takesData = false;
        break;
    case Fault::WrongReady:
        course.opening = QByteArrayLiteral("N\r");
        course.takesData = false;
        break;
    case Fault::NeverSilent:
        course.opening.clear();
        course.how.endless = noise.next(64);
        course.takesData = false;
        break;
    case Fault::Truncated:
        course.opening = QByteArrayLiteral("R");
        break;
    case Fault::Overlong:
        course.opening += QByteArray(std::max(0, faults.overlongBytes - 2), '#');
        break;
    case Fault::Unplug:
        course.unplugAfterItems =
            qv::transfer::record::FieldCount / 2; // half a download is not kept
        break;
    case Fault::AckWrong:
        course.stores = false;
        course.acknowledgement = QByteArrayLiteral("E\r");
        break;
    case Fault::AckMissing:
        course.acknowledgement.clear();
        break;
    case Fault::AckSecondOnly:
        course.acknowledgement = QByteArrayLiteral("EO");
        break;
    case Fault::AckLate:
        course.ackDelayMs = faults.ackDelayMs;
        break;
    case Fault::StoresOther:
        course.altersName = true;
        break;
    default:
        break;
    }
    return course;
}

} // namespace qvsim
