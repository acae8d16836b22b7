#include "emulator.h"

#include "emulatorstate.h"

#include <algorithm>

namespace qvsim {

using namespace std::chrono_literals;

Emulator::Emulator(const Setup &setup) : d(std::make_unique<State>(setup))
{
}

Emulator::~Emulator()
{
    stop();
}

bool Emulator::start(QString *error)
{
    if (d->thread.joinable())
        return true;
    if (!d->line.plugIn(error))
        return false;
    if (d->inSequence() && !d->connectUnit(0, error))
        return false;
    d->line.clearStop();
    d->thread = std::thread([this] { d->run(); });
    return true;
}

void Emulator::stop()
{
    if (d->thread.joinable()) {
        d->line.requestStop();
        d->thread.join();
    }
    d->line.close();
}

QString Emulator::slavePath() const
{
    return d->line.slavePath();
}

bool Emulator::setLinkPath(const QString &path, QString *error)
{
    if (d->line.setLinkPath(path))
        return true;
    if (error)
        *error = QStringLiteral("cannot make the link %1").arg(path);
    return false;
}

bool Emulator::isUnplugged() const
{
    return d->line.isUnplugged();
}

void Emulator::holdUnplug(bool held)
{
    d->line.holdUnplug(held);
}

bool Emulator::replug(QString *error)
{
    return !isUnplugged() || d->line.plugIn(error);
}

ModuleSetup Emulator::moduleSetup() const
{
    return d->read(&Setup::module);
}

void Emulator::setModuleSetup(const ModuleSetup &module)
{
    d->write(&Setup::module, module);
}

LineSetup Emulator::lineSetup() const
{
    return d->read(&Setup::line);
}

void Emulator::setLineSetup(const LineSetup &line)
{
    d->write(&Setup::line, line);
}

FaultSetup Emulator::faults() const
{
    return d->read(&Setup::faults);
}

void Emulator::setFaults(const FaultSetup &faults)
{
    d->write(&Setup::faults, faults);
}

QByteArray Emulator::received() const
{
    std::unique_lock lock(d->mutex);
    return d->received;
}

void Emulator::clearReceived()
{
    std::unique_lock lock(d->mutex);
    d->received.clear();
}

bool Emulator::waitForHandled(Exchange exchange, int count, int timeoutMs) const
{
    std::unique_lock lock(d->mutex);
    return d->handledChanged.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                      [&] { return d->handled[size_t(exchange)] >= count; });
}

int Emulator::garbledRequests() const
{
    std::unique_lock lock(d->mutex);
    return d->garbled;
}

void Emulator::setEventSink(EventSink sink)
{
    std::unique_lock lock(d->mutex);
    d->sink = std::move(sink);
}

void Emulator::setSequence(const SequenceSetup &sequence)
{
    std::unique_lock lock(d->mutex);
    d->sequence = sequence;
    d->unitFields.clear();
    for (const SequenceUnit &unit : sequence.units)
        d->unitFields.append(unit.module.fields);
    d->unitDownloads = QList<int>(sequence.units.size(), 0);
    d->unit = -1;
    d->sequenceEnded = false;
}

int Emulator::currentUnit() const
{
    std::unique_lock lock(d->mutex);
    return d->unit;
}

QList<int> Emulator::downloadsPerUnit() const
{
    std::unique_lock lock(d->mutex);
    return d->unitDownloads;
}

QStringList Emulator::storedFields(int unit) const
{
    std::unique_lock lock(d->mutex);
    return d->unitFields.value(unit);
}

bool Emulator::waitForSequenceEnd(int timeoutMs) const
{
    std::unique_lock lock(d->mutex);
    return d->sequenceChanged.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                       [&] { return d->sequenceEnded; });
}

void Emulator::setSequenceSink(EventSink sink)
{
    std::unique_lock lock(d->mutex);
    d->sequenceSink = std::move(sink);
}

// ---- the module's thread

void Emulator::State::event(const QString &text) const
{
    EventSink out;
    {
        std::unique_lock lock(mutex);
        out = sink;
    }
    if (out)
        out(text);
}

void Emulator::State::run()
{
    Exchanges exchanges(
        line, [this](const QString &text) { event(text); },
        [this](const QStringList &fields) { store(fields); });
    bool programOpen = false;
    auto closedSince = Line::Clock::now();
    while (!line.stopping()) {
        QByteArray bytes;
        const std::chrono::milliseconds limit = stepSequence();
        switch (line.receive(bytes, limit)) {
        case Line::Input::Bytes:
            if (!programOpen)
                event(QStringLiteral("port opened by the program"));
            programOpen = true;
            take(bytes, exchanges);
            break;
        case Line::Input::Closed: {
            // Look again shortly, without spinning. Right after a close the program often
            // opens again at once, so look often then, and less often the longer the line
            // stays closed.
            if (programOpen) {
                event(QStringLiteral("port closed by the program"));
                closedSince = Line::Clock::now();
            }
            programOpen = false;
            afterTilde = false;
            const bool recently = Line::Clock::now() - closedSince < 500ms;
            line.sleepFor(recently ? 1ms : 10ms);
            break;
        }
        case Line::Input::Unplugged: // until replug(), the next unit or stop()
            line.sleepFor(std::min<std::chrono::milliseconds>(limit, 20ms));
            break;
        case Line::Input::Quiet:
        case Line::Input::Stopped:
            break;
        }
    }
}

void Emulator::State::take(const QByteArray &bytes, Exchanges &exchanges)
{
    if (inSequence() && connectedUnit() < 0)
        return; // nothing connected to the adapter: the bytes go nowhere
    line.use(read(&Setup::line));
    const int speed = line.speed();
    for (qsizetype i = 0; i < bytes.size() && line.isPlugged(); ++i) {
        line.noteArrived(1, speed);
        const char c = bytes.at(i);
        if (!afterTilde || c == '~') {
            afterTilde = c == '~';
            continue;
        }
        afterTilde = false;
        const std::optional<Exchange> exchange = requestedExchange(c);
        if (!exchange)
            continue;
        const int required = read(&Setup::line).speedOf(*exchange);
        if (speed == required) {
            handle(*exchange, exchanges);
            continue;
        }
        {
            std::unique_lock lock(mutex);
            ++garbled;
        }
        event(QStringLiteral("%1 request at %2 bit/s, module listens at %3: garbled")
                  .arg(exchangeName(*exchange))
                  .arg(speed)
                  .arg(required));
    }
}

void Emulator::State::handle(Exchange exchange, Exchanges &exchanges)
{
    // Answer only once the request is fully in, as on a real line.
    if (!line.waitUntilIn())
        return;
    Setup now;
    {
        std::unique_lock lock(mutex);
        now = setup;
    }
    if (exchange == Exchange::Status && !now.module.statusCourse.isEmpty())
        now.module.status =
            statusForAnswer(now.module.status, now.module.statusCourse, ++statusAnswers);
    line.use(now.line);
    exchanges.run(exchange, now);
    // The person takes the unit off once the program has been done with it for a while: an
    // identification alone is the program still looking, or looking again. The program is
    // done with an identification or a read-out only after the silence that ends its reply;
    // a unit pulled out before would cut the exchange short.
    if (inSequence() && (exchange != Exchange::Identification || !takeOffAt)) {
        const bool endsBySilence =
            exchange == Exchange::Identification || exchange == Exchange::ReadOut;
        takeOffAt = Line::Clock::now() +
                    std::chrono::milliseconds((endsBySilence ? exchangeTimeout(exchange) : 0) +
                                              sequence.holdMs);
    }
    std::unique_lock lock(mutex);
    ++handled[size_t(exchange)];
    handledChanged.notify_all();
}

} // namespace qvsim
