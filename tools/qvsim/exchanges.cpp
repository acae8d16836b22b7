#include "exchanges.h"

#include "transfer/modulerecord.h"
#include "transfer/statusreply.h"

namespace qvsim {

namespace {

// How long the module waits for the rest of a download before it gives up.
constexpr std::chrono::milliseconds DownloadIdleLimit{10000};

} // namespace

QByteArray plainAnswer(Exchange exchange, const ModuleSetup &module)
{
    switch (exchange) {
    case Exchange::Identification:
        return qv::transfer::record::toWire(module.identText) + module.identTerminator;
    case Exchange::ReadOut:
        return qv::transfer::record::encodeReadOut(module.fields, module.readOutStyle);
    case Exchange::Status:
        if (!module.statusReply.isEmpty())
            return module.statusReply;
        return qv::transfer::record::toWire(qv::transfer::status::buildStatusLine(module.status)) +
               '\r';
    case Exchange::Download:
        break;
    }
    return {};
}

Exchanges::Exchanges(Line &line, EventSink events, Store store)
    : m_line(line), m_events(std::move(events)), m_store(std::move(store))
{
}

void Exchanges::run(Exchange exchange, const Setup &setup)
{
    m_events(QStringLiteral("%1 request (%2 bit/s), fault %3")
                 .arg(exchangeName(exchange))
                 .arg(m_line.speed())
                 .arg(faultName(setup.faults[exchange].fault)));
    if (exchange == Exchange::Download)
        return download(setup.faults);
    const auto answer =
        faultyAnswer(exchange, plainAnswer(exchange, setup.module), setup.faults, m_noise);
    if (answer && !m_line.send(answer->bytes, answer->how))
        m_events(QStringLiteral("%1 answer broken off").arg(exchangeName(exchange)));
}

void Exchanges::download(const FaultSetup &faults)
{
    const DownloadCourse course = downloadCourse(faults, m_noise);
    if (!course.answers || !m_line.send(course.opening, course.how) || !course.takesData)
        return;

    // The 56 lines and the empty line.
    QByteArray data;
    qv::transfer::record::Receipt receipt;
    for (;;) {
        QByteArray bytes;
        switch (m_line.receive(bytes, DownloadIdleLimit)) {
        case Line::Input::Bytes:
            break;
        case Line::Input::Quiet:
            m_events(QStringLiteral("download abandoned: no data for %1 ms")
                         .arg(DownloadIdleLimit.count()));
            return;
        case Line::Input::Closed:
            m_events(QStringLiteral("download abandoned: port closed"));
            return;
        case Line::Input::Unplugged:
        case Line::Input::Stopped:
            return;
        }
        m_line.noteArrived(bytes.size(), m_line.speed());
        data.append(bytes);
        receipt = qv::transfer::record::receiveDownload(data);
        if (course.unplugAfterItems >= 0 && receipt.items.size() >= course.unplugAfterItems)
            return m_line.unplug();
        if (receipt.status != qv::transfer::record::ReceiptStatus::Incomplete)
            break;
    }
    if (!m_line.waitUntilIn())
        return;
    if (receipt.status == qv::transfer::record::ReceiptStatus::Malformed) {
        m_events(QStringLiteral("download malformed after %1 lines").arg(receipt.items.size()));
        m_line.send(QByteArrayLiteral("E\r"), course.how);
        return;
    }
    // Stored before the acknowledgement: the program may look as soon as it has it.
    if (course.altersName)
        receipt.items[3] =
            QStringLiteral("MAS MODUL").leftJustified(qv::transfer::record::ItemWidth);
    if (course.stores)
        m_store(receipt.items);
    m_events(QStringLiteral("download received: %1 lines").arg(receipt.items.size()));
    if (course.acknowledgement.isEmpty())
        return;
    if (course.ackDelayMs > 0 && !m_line.sleepFor(std::chrono::milliseconds(course.ackDelayMs)))
        return;
    m_line.send(course.acknowledgement, course.how);
}

} // namespace qvsim
