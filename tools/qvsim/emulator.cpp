#include "emulator.h"

#include "exchanges.h"
#include "line.h"

#include <array>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace qvsim {

using namespace std::chrono_literals;

// The setup and what the module saw, guarded by `mutex`; the line and the request parser
// belong to the module's thread once it runs.
struct Emulator::State
{
    explicit State(const Setup &initial) : setup(initial) {}

    mutable std::mutex mutex;
    mutable std::condition_variable handledChanged;
    Setup setup;
    QByteArray received;
    std::array<int, ExchangeCount> handled{};
    int garbled = 0;
    EventSink sink;

    Line line{[this](const QString &text) { event(text); },
              [this](const QByteArray &bytes) {
                  std::unique_lock lock(mutex);
                  received.append(bytes);
              }};
    std::thread thread;
    bool afterTilde = false; // the last byte of the program was the "~" of a request

    void run();
    void take(const QByteArray &bytes, Exchanges &exchanges);
    void handle(Exchange exchange, Exchanges &exchanges);
    void event(const QString &text) const;

    template <typename T> T read(T Setup::*part) const
    {
        std::unique_lock lock(mutex);
        return setup.*part;
    }
    template <typename T> void write(T Setup::*part, const T &value)
    {
        std::unique_lock lock(mutex);
        setup.*part = value;
    }
};

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
        [this](const QStringList &fields) {
            std::unique_lock lock(mutex);
            setup.module.fields = fields;
        });
    bool programOpen = false;
    auto closedSince = Line::Clock::now();
    while (!line.stopping()) {
        QByteArray bytes;
        switch (line.receive(bytes, 200ms)) {
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
        case Line::Input::Unplugged: // until replug() or stop()
            line.sleepFor(20ms);
            break;
        case Line::Input::Quiet:
        case Line::Input::Stopped:
            break;
        }
    }
}

void Emulator::State::take(const QByteArray &bytes, Exchanges &exchanges)
{
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
    line.use(now.line);
    exchanges.run(exchange, now);
    std::unique_lock lock(mutex);
    ++handled[size_t(exchange)];
    handledChanged.notify_all();
}

} // namespace qvsim
