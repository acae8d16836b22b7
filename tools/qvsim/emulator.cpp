#include "emulator.h"

#include "pty.h"

#include <QFile>
#include <QFileInfo>

#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <ctime>
#include <mutex>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace qvsim {

using Clock = std::chrono::steady_clock;
using Nanos = std::chrono::nanoseconds;

namespace {

constexpr std::array<const char *, ExchangeCount> ExchangeNames = {"ident", "readout", "download",
                                                                   "status"};
constexpr std::array<const char *, 14> FaultNames = {
    "none",         "silent",          "garbage",     "wrong-ready", "ack-wrong",
    "ack-late",     "ack-second-only", "ack-missing", "truncated",   "overlong",
    "never-silent", "unplug",          "slow-under",  "slow-over"};

// How long the module waits for the rest of a download before it gives up.
constexpr int DownloadIdleLimitMs = 10000;

int index(Exchange exchange)
{
    return int(exchange);
}

// A fixed noise sequence: the same bytes on every run, none of them a carriage return,
// and never "Q_" at the start.
QByteArray noise(int count, quint32 &seed)
{
    QByteArray bytes;
    bytes.reserve(count);
    while (bytes.size() < count) {
        seed = seed * 1103515245u + 12345u;
        const char c = char((seed >> 16) & 0xFF);
        if (c == '\r' || c == 'Q')
            continue;
        bytes.append(c);
    }
    return bytes;
}

// What a byte looks like after crossing a line whose two ends disagree on the speed.
char garble(char c)
{
    return char(0x80 | ((quint8(c) * 5 + 3) & 0x7F));
}

} // namespace

QString exchangeName(Exchange exchange)
{
    return QLatin1String(ExchangeNames[index(exchange)]);
}

std::optional<Exchange> exchangeFromName(const QString &name)
{
    for (int i = 0; i < ExchangeCount; ++i) {
        if (name == QLatin1String(ExchangeNames[i]))
            return Exchange(i);
    }
    return std::nullopt;
}

QString faultName(Fault fault)
{
    return QLatin1String(FaultNames[int(fault)]);
}

std::optional<Fault> faultFromName(const QString &name)
{
    for (int i = 0; i < int(FaultNames.size()); ++i) {
        if (name == QLatin1String(FaultNames[i]))
            return Fault(i);
    }
    return std::nullopt;
}

QStringList faultNames()
{
    QStringList names;
    for (const char *name : FaultNames)
        names << QLatin1String(name);
    return names;
}

std::optional<Model> modelFromName(const QString &name)
{
    const QString n = name.toLower();
    if (n == u"qv5" || n == u"q_qv5")
        return Model::QV5;
    if (n == u"qv3" || n == u"q_qv3")
        return Model::QV3;
    if (n == u"brk2" || n == u"q_brk2")
        return Model::BRK2;
    return std::nullopt;
}

QString defaultIdentification(Model model)
{
    switch (model) {
    case Model::QV5:
        return QStringLiteral("Q_QV5_FW2.1");
    case Model::QV3:
        return QStringLiteral("Q_QV3_FW2.1");
    case Model::BRK2:
        return QStringLiteral("Q_BRK2_FW1.4");
    }
    return {};
}

QStringList factoryFields()
{
    QStringList f;
    f << QStringLiteral("36309888000") << QStringLiteral("0000") << QStringLiteral("0001")
      << QStringLiteral("QV MODUL") << QStringLiteral("1") << QStringLiteral("0005")
      << QStringLiteral("10") << QStringLiteral("15") << QStringLiteral("050")
      << QStringLiteral("120") << QStringLiteral("0") << QStringLiteral("10000");
    f << QString() << QString() << QString() << QString(); // 12..15 reserved
    f << QStringLiteral("ANALOG ALACSONY") << QStringLiteral("ANALOG MAGAS")
      << QStringLiteral("ANALOG NORMAL") << QStringLiteral("SZAMLALO TELE");
    f << QString() << QString(); // 20..21 reserved
    f << QStringLiteral("ANALOG BEMENET") << QStringLiteral("SZAMLALO");
    for (const char *kind :
         {"BEMENET %1", "BEMENET %1 BE", "BEMENET %1 KI", "KIMENET %1 BE", "KIMENET %1 KI"}) {
        for (int n = 1; n <= 4; ++n)
            f << QString::fromLatin1(kind).arg(n);
    }
    f << QStringLiteral("SZAMLALO TORLES") << QStringLiteral("RIASZTAS BE")
      << QStringLiteral("RIASZTAS KI") << QString(); // 47 reserved
    for (int k = 1; k <= 8; ++k)
        f << qv::record::encodeTelephone(0, false, 0, QString()); // "08": no rights, no output
    return f;
}

int exchangeTimeout(Exchange exchange)
{
    switch (exchange) {
    case Exchange::Identification:
        return 500;
    case Exchange::ReadOut:
        return 1200;
    case Exchange::Download:
        return 3500;
    case Exchange::Status:
        return 5000;
    }
    return 1000;
}

// Everything the module knows; the settings are guarded by `mutex`, the rest belongs to
// the module's thread.
struct Emulator::State
{
    // ---- settings (mutex)
    mutable std::mutex mutex;
    mutable std::condition_variable handledChanged;
    Model model = Model::QV5;
    QString identText;
    QByteArray identTerminator = QByteArrayLiteral("\r");
    QStringList fields = factoryFields();
    qv::record::ReadOutStyle style;
    qv::status::ModuleStatus status;
    QByteArray statusReply; // sent instead of the status line when not empty
    std::array<Fault, ExchangeCount> faults{};
    std::array<std::pair<int, int>, ExchangeCount> slowGaps{};
    qint32 moduleBaud = 1200;
    qint32 fixedBaud = 1200;
    bool paced = true;
    int slowBytes = 2;
    int overlongBytes = 8192;
    int ackDelayMs = 4000;
    QByteArray received;
    std::array<int, ExchangeCount> handled{};
    int garbled = 0;
    QString slavePath;
    QString linkPath;
    bool unplugged = false;
    std::function<void(const QString &)> sink;

    // ---- the module's thread
    std::thread thread;
    std::atomic<bool> stopping{false};
    std::atomic<int> master{-1};
    int wakeRead = -1;
    int wakeWrite = -1;
    Clock::time_point virtualClock{}; // when the last received byte is fully in
    quint32 noiseSeed = 0x5EED;
    enum class Parse { Idle, Tilde } parse = Parse::Idle;

    void run();
    void take(const char *bytes, int count); // bytes from the program, outside an exchange
    void event(const QString &text);
    void unplug();
    bool relink();

    // Waits until `deadline`; false when the module is being stopped.
    bool sleepUntil(Clock::time_point deadline);
    bool programHasClosed() const;
    Nanos byteTime(int speed) const;
    int lineSpeed() const;
    int requiredSpeed(Exchange exchange) const;
    void noteReceived(const char *bytes, int count, int speed);

    struct Send
    {
        Exchange exchange;
        int slowGapMs = 0; // gap before each of the first slowBytes bytes (0: paced)
        int slowBytes = 0;
        int unplugAfter = -1; // close the pseudo-terminal after this many bytes
        bool endless = false; // after the bytes, noise until the port closes
    };
    // Sends bytes paced at the program's speed; false when the module stopped, the
    // program closed the port or the pseudo-terminal was unplugged.
    bool send(const QByteArray &bytes, const Send &how);
    int slowGap(Exchange exchange, Fault fault);

    void handle(Exchange exchange);
    void answer(Exchange exchange, Fault fault, const QByteArray &reply);
    void download(Fault fault);
    void finish(Exchange exchange);
};

Emulator::Emulator(Model model) : d(std::make_unique<State>())
{
    setModel(model);
}

Emulator::~Emulator()
{
    stop();
}

bool Emulator::start(QString *error)
{
    if (d->thread.joinable())
        return true;
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        if (error)
            *error = QStringLiteral("pipe failed");
        return false;
    }
    d->wakeRead = pipeFds[0];
    d->wakeWrite = pipeFds[1];
    const PtyMaster pty = openPty(error);
    if (pty.fd < 0)
        return false;
    {
        std::unique_lock lock(d->mutex);
        d->slavePath = pty.slavePath;
        d->unplugged = false;
    }
    d->master = pty.fd;
    d->stopping = false;
    d->thread = std::thread([this] { d->run(); });
    return true;
}

void Emulator::stop()
{
    if (d->thread.joinable()) {
        d->stopping = true;
        const char c = 'x';
        [[maybe_unused]] const ssize_t n = ::write(d->wakeWrite, &c, 1);
        d->thread.join();
    }
    if (d->master >= 0) {
        ::close(d->master);
        d->master = -1;
    }
    for (int *fd : {&d->wakeRead, &d->wakeWrite}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
    std::unique_lock lock(d->mutex);
    if (!d->linkPath.isEmpty() && QFileInfo(d->linkPath).isSymLink())
        QFile::remove(d->linkPath);
}

QString Emulator::slavePath() const
{
    std::unique_lock lock(d->mutex);
    return d->slavePath;
}

bool Emulator::setLinkPath(const QString &path, QString *error)
{
    {
        std::unique_lock lock(d->mutex);
        d->linkPath = path;
    }
    if (!d->relink()) {
        if (error)
            *error = QStringLiteral("cannot make the link %1").arg(path);
        return false;
    }
    return true;
}

bool Emulator::State::relink()
{
    std::unique_lock lock(mutex);
    if (linkPath.isEmpty())
        return true;
    const QFileInfo info(linkPath);
    if (info.isSymLink())
        QFile::remove(linkPath);
    else if (info.exists())
        return false; // never replace a real file
    return unplugged || QFile::link(slavePath, linkPath);
}

bool Emulator::isUnplugged() const
{
    std::unique_lock lock(d->mutex);
    return d->unplugged;
}

bool Emulator::replug(QString *error)
{
    if (!isUnplugged())
        return true;
    const PtyMaster pty = openPty(error);
    if (pty.fd < 0)
        return false;
    {
        std::unique_lock lock(d->mutex);
        d->slavePath = pty.slavePath;
        d->unplugged = false;
    }
    d->master = pty.fd;
    return d->relink();
}

void Emulator::setModel(Model model)
{
    std::unique_lock lock(d->mutex);
    d->model = model;
    d->identText = defaultIdentification(model);
    d->status = defaultStatus(model);
}

Model Emulator::model() const
{
    std::unique_lock lock(d->mutex);
    return d->model;
}

void Emulator::setIdentText(const QString &text)
{
    std::unique_lock lock(d->mutex);
    d->identText = text;
}

QString Emulator::identText() const
{
    std::unique_lock lock(d->mutex);
    return d->identText;
}

void Emulator::setIdentTerminator(const QByteArray &bytes)
{
    std::unique_lock lock(d->mutex);
    d->identTerminator = bytes;
}

void Emulator::setStoredFields(const QStringList &fields)
{
    std::unique_lock lock(d->mutex);
    d->fields = fields;
}

QStringList Emulator::storedFields() const
{
    std::unique_lock lock(d->mutex);
    return d->fields;
}

void Emulator::setReadOutStyle(const qv::record::ReadOutStyle &style)
{
    std::unique_lock lock(d->mutex);
    d->style = style;
}

void Emulator::setStatus(const qv::status::ModuleStatus &status)
{
    std::unique_lock lock(d->mutex);
    d->status = status;
}

qv::status::ModuleStatus Emulator::status() const
{
    std::unique_lock lock(d->mutex);
    return d->status;
}

void Emulator::setStatusReply(const QByteArray &bytes)
{
    std::unique_lock lock(d->mutex);
    d->statusReply = bytes;
}

qv::status::ModuleStatus Emulator::defaultStatus(Model model)
{
    qv::status::ModuleStatus s;
    s.outputs = {true, false, false, false};
    s.inputs = {false, true, false, false};
    s.analog = QStringLiteral("12.5");
    s.counter = QStringLiteral("00042");
    s.supply = true;
    s.signalLevel = 4;
    s.version = defaultIdentification(model).section(u'_', 2);
    return s;
}

void Emulator::setFault(Exchange exchange, Fault fault)
{
    std::unique_lock lock(d->mutex);
    d->faults[index(exchange)] = fault;
}

Fault Emulator::fault(Exchange exchange) const
{
    std::unique_lock lock(d->mutex);
    return d->faults[index(exchange)];
}

void Emulator::setModuleBaud(qint32 baud)
{
    std::unique_lock lock(d->mutex);
    d->moduleBaud = baud;
}

qint32 Emulator::moduleBaud() const
{
    std::unique_lock lock(d->mutex);
    return d->moduleBaud;
}

void Emulator::setFixedBaud(qint32 baud)
{
    std::unique_lock lock(d->mutex);
    d->fixedBaud = baud;
}

void Emulator::setPaced(bool paced)
{
    std::unique_lock lock(d->mutex);
    d->paced = paced;
}

void Emulator::setSlowBytes(int count)
{
    std::unique_lock lock(d->mutex);
    d->slowBytes = count;
}

void Emulator::setSlowGaps(Exchange exchange, int underMs, int overMs)
{
    std::unique_lock lock(d->mutex);
    d->slowGaps[index(exchange)] = {underMs, overMs};
}

void Emulator::setOverlongBytes(int count)
{
    std::unique_lock lock(d->mutex);
    d->overlongBytes = count;
}

void Emulator::setAckDelay(int ms)
{
    std::unique_lock lock(d->mutex);
    d->ackDelayMs = ms;
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

int Emulator::handled(Exchange exchange) const
{
    std::unique_lock lock(d->mutex);
    return d->handled[index(exchange)];
}

bool Emulator::waitForHandled(Exchange exchange, int count, int timeoutMs) const
{
    std::unique_lock lock(d->mutex);
    return d->handledChanged.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                      [&] { return d->handled[index(exchange)] >= count; });
}

int Emulator::garbledRequests() const
{
    std::unique_lock lock(d->mutex);
    return d->garbled;
}

void Emulator::setEventSink(std::function<void(const QString &)> sink)
{
    std::unique_lock lock(d->mutex);
    d->sink = std::move(sink);
}

// ---- the module's thread

void Emulator::State::event(const QString &text)
{
    std::function<void(const QString &)> out;
    {
        std::unique_lock lock(mutex);
        out = sink;
    }
    if (out)
        out(text);
}

bool Emulator::State::sleepUntil(Clock::time_point deadline)
{
    for (;;) {
        if (stopping)
            return false;
        const auto left = deadline - Clock::now();
        if (left <= Nanos::zero())
            return true;
        const auto ns = std::chrono::duration_cast<Nanos>(left).count();
        timespec ts{time_t(ns / 1000000000), long(ns % 1000000000)};
        pollfd wake{wakeRead, POLLIN, 0};
        ::ppoll(&wake, 1, &ts, nullptr);
    }
}

bool Emulator::State::programHasClosed() const
{
    const int fd = master;
    if (fd < 0)
        return true;
    pollfd p{fd, 0, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL));
}

int Emulator::State::lineSpeed() const
{
    return ptyLineSpeed(master);
}

Nanos Emulator::State::byteTime(int speed) const
{
    bool isPaced;
    {
        std::unique_lock lock(mutex);
        isPaced = paced;
    }
    if (!isPaced || speed <= 0)
        return Nanos::zero();
    return Nanos(10'000'000'000LL / speed); // start bit, 8 data bits, stop bit
}

int Emulator::State::requiredSpeed(Exchange exchange) const
{
    std::unique_lock lock(mutex);
    return (exchange == Exchange::Download || exchange == Exchange::Status) ? fixedBaud
                                                                            : moduleBaud;
}

void Emulator::State::noteReceived(const char *bytes, int count, int speed)
{
    {
        std::unique_lock lock(mutex);
        received.append(bytes, count);
    }
    // On a real line a byte is in only a byte time after it was sent, and the bytes
    // come one after the other at the line's pace.
    const Nanos step = byteTime(speed);
    for (int i = 0; i < count; ++i)
        virtualClock = std::max(Clock::now(), virtualClock) + step;
}

void Emulator::State::unplug()
{
    const int fd = master.exchange(-1);
    if (fd >= 0)
        ::close(fd);
    QString link;
    {
        std::unique_lock lock(mutex);
        unplugged = true;
        link = linkPath;
    }
    if (!link.isEmpty() && QFileInfo(link).isSymLink())
        QFile::remove(link);
    event(QStringLiteral("unplugged"));
}

void Emulator::State::run()
{
    bool programOpen = false;
    Clock::time_point closedSince = Clock::now();
    char buffer[512];
    while (!stopping) {
        const int fd = master;
        if (fd < 0) { // unplugged: wait for replug() or stop()
            sleepUntil(Clock::now() + std::chrono::milliseconds(20));
            continue;
        }
        pollfd fds[2] = {{fd, POLLIN, 0}, {wakeRead, POLLIN, 0}};
        if (::poll(fds, 2, 200) <= 0)
            continue;
        if (fds[1].revents & POLLIN) {
            char drain[16];
            [[maybe_unused]] const ssize_t n = ::read(wakeRead, drain, sizeof drain);
            continue;
        }
        if (fds[0].revents & POLLIN) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n > 0) {
                if (!programOpen)
                    event(QStringLiteral("port opened by the program"));
                programOpen = true;
                take(buffer, int(n));
                continue;
            }
            if (n < 0 && (errno == EAGAIN || errno == EINTR))
                continue;
        }
        // No program has the slave open (the master reports a hang-up): look again
        // shortly, without spinning. Right after a close the program often opens again
        // at once, so look often then, and less often the longer the line stays closed.
        if (programOpen) {
            event(QStringLiteral("port closed by the program"));
            closedSince = Clock::now();
        }
        programOpen = false;
        parse = Parse::Idle;
        const bool recently = Clock::now() - closedSince < std::chrono::milliseconds(500);
        sleepUntil(Clock::now() + std::chrono::milliseconds(recently ? 1 : 10));
    }
}

void Emulator::State::take(const char *bytes, int count)
{
    const int speed = lineSpeed();
    for (int i = 0; i < count && master >= 0; ++i) {
        noteReceived(bytes + i, 1, speed);
        const char c = bytes[i];
        if (parse == Parse::Idle) {
            if (c == '~')
                parse = Parse::Tilde;
            continue;
        }
        if (c == '~')
            continue;
        parse = Parse::Idle;
        std::optional<Exchange> exchange;
        switch (c) {
        case '|':
            exchange = Exchange::Identification;
            break;
        case '{':
            exchange = Exchange::ReadOut;
            break;
        case '}':
            exchange = Exchange::Download;
            break;
        case '[':
            exchange = Exchange::Status;
            break;
        default:
            break;
        }
        if (!exchange)
            continue;
        const int required = requiredSpeed(*exchange);
        if (speed != required) {
            {
                std::unique_lock lock(mutex);
                ++garbled;
            }
            event(QStringLiteral("%1 request at %2 bit/s, module listens at %3: garbled")
                      .arg(exchangeName(*exchange))
                      .arg(speed)
                      .arg(required));
            continue;
        }
        handle(*exchange);
    }
}

int Emulator::State::slowGap(Exchange exchange, Fault fault)
{
    std::unique_lock lock(mutex);
    const int timeout = exchangeTimeout(exchange);
    const int margin = std::max(100, timeout / 5);
    const auto &[under, over] = slowGaps[index(exchange)];
    if (fault == Fault::SlowUnder)
        return under > 0 ? under : timeout - margin;
    return over > 0 ? over : timeout + margin;
}

bool Emulator::State::send(const QByteArray &bytes, const Send &how)
{
    const int speed = lineSpeed();
    const bool garbling = speed != requiredSpeed(how.exchange);
    const Nanos step = byteTime(speed);
    Clock::time_point due = std::max(Clock::now(), virtualClock);
    QByteArray endless;
    for (qsizetype i = 0;; ++i) {
        char c;
        if (i < bytes.size()) {
            c = bytes.at(i);
        } else if (how.endless) {
            if (endless.isEmpty())
                endless = noise(64, noiseSeed);
            c = endless.at(i % endless.size());
        } else {
            break;
        }
        if (how.unplugAfter >= 0 && i >= how.unplugAfter) {
            unplug();
            return false;
        }
        due += (i < how.slowBytes) ? Nanos(std::chrono::milliseconds(how.slowGapMs)) : step;
        if (!sleepUntil(due) || programHasClosed())
            return false;
        if (garbling)
            c = garble(c);
        for (;;) {
            const ssize_t n = ::write(master, &c, 1);
            if (n == 1)
                break;
            if (n < 0 && errno == EAGAIN) { // the program is not reading: wait for room
                pollfd p{master, POLLOUT, 0};
                ::poll(&p, 1, 50);
                if (stopping || programHasClosed())
                    return false;
                continue;
            }
            return false;
        }
    }
    virtualClock = std::max(virtualClock, due);
    return true;
}

void Emulator::State::finish(Exchange exchange)
{
    std::unique_lock lock(mutex);
    ++handled[index(exchange)];
    handledChanged.notify_all();
}

void Emulator::State::handle(Exchange exchange)
{
    // Answer only once the request is fully in, as on a real line.
    if (!sleepUntil(virtualClock))
        return;
    Fault f;
    QByteArray reply;
    {
        std::unique_lock lock(mutex);
        f = faults[index(exchange)];
        switch (exchange) {
        case Exchange::Identification:
            reply = qv::record::toWire(identText) + identTerminator;
            break;
        case Exchange::ReadOut:
            reply = qv::record::encodeReadOut(fields, style);
            break;
        case Exchange::Status:
            reply = statusReply.isEmpty()
                        ? qv::record::toWire(qv::status::buildStatusLine(status)) + '\r'
                        : statusReply;
            break;
        case Exchange::Download:
            break;
        }
    }
    event(QStringLiteral("%1 request (%2 bit/s), fault %3")
              .arg(exchangeName(exchange))
              .arg(lineSpeed())
              .arg(faultName(f)));
    if (exchange == Exchange::Download)
        download(f);
    else
        answer(exchange, f, reply);
    finish(exchange);
}

void Emulator::State::answer(Exchange exchange, Fault fault, const QByteArray &reply)
{
    Send how{exchange};
    QByteArray bytes = reply;
    int overlong;
    {
        std::unique_lock lock(mutex);
        how.slowBytes = slowBytes;
        overlong = overlongBytes;
    }
    switch (fault) {
    case Fault::Silent:
        return;
    case Fault::Garbage:
        bytes = noise(48, noiseSeed);
        break;
    case Fault::Truncated:
        bytes = reply.left(reply.size() / 2);
        break;
    case Fault::Overlong: {
        // The reply's own end (a CR) comes only after the filler.
        const bool endsInCr = bytes.endsWith('\r');
        if (endsInCr)
            bytes.chop(1);
        while (bytes.size() < overlong - (endsInCr ? 1 : 0))
            bytes.append('#');
        if (endsInCr)
            bytes.append('\r');
        break;
    }
    case Fault::NeverSilent:
        while (bytes.endsWith('\r') || bytes.endsWith('\n'))
            bytes.chop(1);
        how.endless = true;
        break;
    case Fault::Unplug:
        how.unplugAfter = int(reply.size() / 2);
        break;
    case Fault::SlowUnder:
    case Fault::SlowOver:
        how.slowGapMs = slowGap(exchange, fault);
        break;
    default:
        break; // the acknowledgement faults belong to the download
    }
    if (how.slowGapMs == 0)
        how.slowBytes = 0;
    if (!send(bytes, how))
        event(QStringLiteral("%1 answer broken off").arg(exchangeName(exchange)));
}

void Emulator::State::download(Fault fault)
{
    Send how{Exchange::Download};
    int overlong, ackDelay;
    {
        std::unique_lock lock(mutex);
        how.slowBytes = slowBytes;
        overlong = overlongBytes;
        ackDelay = ackDelayMs;
    }
    if (fault == Fault::SlowUnder || fault == Fault::SlowOver)
        how.slowGapMs = slowGap(Exchange::Download, fault);
    else
        how.slowBytes = 0;

    QByteArray ready = QByteArrayLiteral("R\r"); // ready, and one byte the program skips
    switch (fault) {
    case Fault::Silent:
        return;
    case Fault::Garbage:
        send(noise(48, noiseSeed), how);
        return;
    case Fault::WrongReady:
        send(QByteArrayLiteral("N\r"), how);
        return;
    case Fault::NeverSilent:
        how.endless = true;
        send(QByteArray(), how);
        return;
    case Fault::Truncated:
        ready = QByteArrayLiteral("R");
        break;
    case Fault::Overlong:
        ready += QByteArray(std::max(0, overlong - 2), '#');
        break;
    default:
        break;
    }
    if (!send(ready, how))
        return;

    // The 56 lines and the empty line.
    QByteArray data;
    qv::record::Receipt receipt;
    char buffer[512];
    for (;;) {
        const int fd = master;
        if (fd < 0)
            return;
        pollfd fds[2] = {{fd, POLLIN, 0}, {wakeRead, POLLIN, 0}};
        const int ready2 = ::poll(fds, 2, DownloadIdleLimitMs);
        if (stopping)
            return;
        if (ready2 <= 0) {
            event(QStringLiteral("download abandoned: no data for %1 ms").arg(DownloadIdleLimitMs));
            return;
        }
        if (fds[1].revents & POLLIN)
            continue;
        const ssize_t n = (fds[0].revents & POLLIN) ? ::read(fd, buffer, sizeof buffer) : -1;
        if (n <= 0) {
            if (n < 0 && (errno == EAGAIN || errno == EINTR))
                continue;
            event(QStringLiteral("download abandoned: port closed"));
            return;
        }
        noteReceived(buffer, int(n), lineSpeed());
        data.append(buffer, n);
        receipt = qv::record::receiveDownload(data);
        if (fault == Fault::Unplug && receipt.items.size() >= qv::record::FieldCount / 2) {
            unplug();
            return;
        }
        if (receipt.status != qv::record::ReceiptStatus::Incomplete)
            break;
    }
    if (!sleepUntil(virtualClock))
        return;
    if (receipt.status == qv::record::ReceiptStatus::Malformed) {
        event(QStringLiteral("download malformed after %1 lines").arg(receipt.items.size()));
        send(QByteArrayLiteral("E\r"), how);
        return;
    }
    if (fault != Fault::AckWrong) {
        std::unique_lock lock(mutex);
        fields = receipt.items;
    }
    event(QStringLiteral("download received: %1 lines").arg(receipt.items.size()));
    switch (fault) {
    case Fault::AckWrong:
        send(QByteArrayLiteral("E\r"), how);
        break;
    case Fault::AckMissing:
        break;
    case Fault::AckSecondOnly:
        send(QByteArrayLiteral("EO"), how);
        break;
    case Fault::AckLate:
        if (sleepUntil(Clock::now() + std::chrono::milliseconds(ackDelay)))
            send(QByteArrayLiteral("O\r"), how);
        break;
    default:
        send(QByteArrayLiteral("O\r"), how);
        break;
    }
}

} // namespace qvsim
