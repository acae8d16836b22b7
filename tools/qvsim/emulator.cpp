#include "emulator.h"

#include "exchanges.h"
#include "line.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
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

    // The sequence. Its setup is fixed once the module runs; the connected unit, what each
    // unit stores and the end are guarded by `mutex` too.
    SequenceSetup sequence;
    int unit = -1;                 // the connected unit
    QList<QStringList> unitFields; // what each unit holds
    QList<int> unitDownloads;      // downloads each unit stored
    bool sequenceEnded = false;
    mutable std::condition_variable sequenceChanged;
    EventSink sequenceSink;
    // The module's thread only: when the connected unit is taken off, and when the next
    // one comes.
    std::optional<Line::Clock::time_point> takeOffAt;
    std::optional<Line::Clock::time_point> connectAt;
    int comingUnit = -1;
    // The connected unit's loose contact: not yet, the unit off for it now, or over.
    enum class Contact { Firm, Lost, Restored } contact = Contact::Firm;

    Line line{[this](const QString &text) { event(text); },
              [this](const QByteArray &bytes) {
                  std::unique_lock lock(mutex);
                  received.append(bytes);
              }};
    std::thread thread;
    bool afterTilde = false; // the last byte of the program was the "~" of a request
    int statusAnswers = 0;   // status requests answered under a status course

    void run();
    void take(const QByteArray &bytes, Exchanges &exchanges);
    void handle(Exchange exchange, Exchanges &exchanges);
    void event(const QString &text) const;

    bool inSequence() const { return !sequence.units.isEmpty(); }
    int connectedUnit() const
    {
        std::unique_lock lock(mutex);
        return unit;
    }
    bool connectUnit(int index, QString *error);
    void takeOffUnit();
    void loseContact();
    std::chrono::milliseconds stepSequence();
    void sequenceEvent(const QString &text) const;
    void store(const QStringList &fields);

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

void Emulator::State::sequenceEvent(const QString &text) const
{
    EventSink out;
    {
        std::unique_lock lock(mutex);
        out = sequenceSink;
    }
    if (out)
        out(text);
    event(text);
}

// Each step of the sequence is told before it shows in currentUnit(), downloadsPerUnit() and
// waitForSequenceEnd(): whoever sees a step there finds its line already given.
void Emulator::State::store(const QStringList &fields)
{
    const int stored = connectedUnit();
    if (stored >= 0) {
        auto shown = [&](int field) {
            QString text = fields.value(field);
            text.replace(QChar(u'\u00FF'), QChar(u' '));
            return text.trimmed();
        };
        constexpr int IdField = 2; // m_id and m_nev, the module's id and name
        constexpr int NameField = 3;
        sequenceEvent(QStringLiteral("unit %1 stored m_id=%2 m_nev=%3")
                          .arg(stored + 1)
                          .arg(shown(IdField), shown(NameField)));
    }
    std::unique_lock lock(mutex);
    setup.module.fields = fields;
    if (stored >= 0) {
        unitFields[stored] = fields;
        ++unitDownloads[stored];
    }
}

// The unit becomes the module on the line: its own module and faults, on a new
// pseudo-terminal when the last one went with the unit before.
bool Emulator::State::connectUnit(int index, QString *error)
{
    if (!line.isPlugged() && !line.plugIn(error))
        return false;
    afterTilde = false;
    takeOffAt.reset();
    connectAt.reset();
    if (contact == Contact::Lost) {
        // The loose contact is over: the same unit again, held as after its last exchange.
        contact = Contact::Restored;
        sequenceEvent(QStringLiteral("unit %1 back %2").arg(index + 1).arg(line.slavePath()));
        takeOffAt = Line::Clock::now() + std::chrono::milliseconds(sequence.holdMs);
    } else {
        contact = Contact::Firm;
        sequenceEvent(QStringLiteral("unit %1 connected %2").arg(index + 1).arg(line.slavePath()));
    }
    std::unique_lock lock(mutex);
    setup.module = sequence.units.at(index).module;
    setup.module.fields = unitFields.at(index);
    setup.faults = sequence.units.at(index).faults;
    unit = index;
    return true;
}

void Emulator::State::takeOffUnit()
{
    const int index = connectedUnit();
    const bool last = index + 1 >= sequence.units.size();
    // With an adapter per module the adapter goes with it: the link first, then the
    // terminal (Line::unplug).
    if (sequence.portPerUnit && line.isPlugged())
        line.unplug();
    afterTilde = false;
    takeOffAt.reset();
    contact = Contact::Firm;
    sequenceEvent(QStringLiteral("unit %1 removed").arg(index + 1));
    if (last)
        sequenceEvent(QStringLiteral("sequence ended"));
    else
        comingUnit = index + 1;
    connectAt = last
                    ? std::nullopt
                    : std::optional(Line::Clock::now() + std::chrono::milliseconds(sequence.gapMs));
    std::unique_lock lock(mutex);
    unit = -1;
    sequenceEnded = last;
    sequenceChanged.notify_all();
}

// The connected unit drops off for its loose contact's time and is then connected again.
void Emulator::State::loseContact()
{
    const int index = connectedUnit();
    if (sequence.portPerUnit && line.isPlugged())
        line.unplug();
    afterTilde = false;
    takeOffAt.reset();
    contact = Contact::Lost;
    comingUnit = index;
    sequenceEvent(QStringLiteral("unit %1 lost contact").arg(index + 1));
    connectAt =
        Line::Clock::now() + std::chrono::milliseconds(sequence.units.at(index).looseContactMs);
    std::unique_lock lock(mutex);
    unit = -1;
}

// Takes the connected unit off or connects the next when its time has come; returns how long
// the loop may wait for the program before it has to look again.
std::chrono::milliseconds Emulator::State::stepSequence()
{
    constexpr std::chrono::milliseconds Idle{200};
    if (!inSequence())
        return Idle;
    const auto now = Line::Clock::now();
    const int connected = connectedUnit();
    // The hold over: a loose contact first, if the unit has one. A unit whose line was
    // pulled out part-way (the unplug fault) is gone at once.
    if (connected >= 0 && takeOffAt && now >= *takeOffAt && contact == Contact::Firm &&
        sequence.units.at(connected).looseContactMs > 0)
        loseContact();
    else if (connected >= 0 && ((takeOffAt && now >= *takeOffAt) || !line.isPlugged()))
        takeOffUnit();
    if (connectAt && now >= *connectAt) {
        QString error;
        if (!connectUnit(comingUnit, &error)) {
            event(QStringLiteral("no terminal for the next unit: %1").arg(error));
            connectAt = now + 100ms; // try again shortly
        }
    }
    std::optional<Line::Clock::time_point> next = takeOffAt;
    if (connectAt && (!next || *connectAt < *next))
        next = connectAt;
    if (!next)
        return Idle;
    return std::clamp(std::chrono::ceil<std::chrono::milliseconds>(*next - Line::Clock::now()), 0ms,
                      Idle);
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
