// The module's side of the four exchanges, once a request is fully in: the answer to an
// identification, read-out or status request, and a download read, stored and acknowledged.
#pragma once

#include "faults.h"
#include "line.h"
#include "setup.h"

#include <QStringList>

#include <functional>

namespace qvsim {

// The module's answer to an identification, read-out or status request, before any fault.
QByteArray plainAnswer(Exchange exchange, const ModuleSetup &module);

class Exchanges
{
public:
    using Store = std::function<void(const QStringList &fields)>; // what a download keeps

    Exchanges(Line &line, EventSink events, Store store);

    // Runs one exchange with the module, line and faults as they are at the request.
    void run(Exchange exchange, const Setup &setup);

private:
    void download(const FaultSetup &faults);

    Line &m_line;
    EventSink m_events;
    Store m_store;
    Noise m_noise;
};

} // namespace qvsim
