// The module's end of the serial line: a pseudo-terminal that can be pulled out and plugged
// in again (a link follows it), read in one poll loop, and paced like a real line.
//
// Bytes from the program count as arriving one after the other at the speed the program has
// set (10 bits a byte: 8.3 ms at 1200 bit/s); the module answers at that pace too, starting
// only once the request is fully in. Bytes the module sends while the program's speed differs
// from the module's speed for the exchange arrive garbled.
#pragma once

#include "catalogue.h"
#include "setup.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>

namespace qvsim {

class Line
{
public:
    using Clock = std::chrono::steady_clock;
    using Tap = std::function<void(const QByteArray &)>; // every byte the program sent

    // How one part of an answer goes out.
    struct Send
    {
        Exchange exchange = Exchange::Identification; // whose speed the module sends at
        int slowGapMs = 0; // the gap before each of the first slowBytes bytes (0: paced)
        int slowBytes = 0;
        int unplugAfter = -1;  // the pseudo-terminal closes after this many bytes
        int unplugPauseMs = 0; // after this much silence (ms) following the last byte
        QByteArray endless{};  // after the bytes, this filler again and again until the port closes
    };

    enum class Input {
        Bytes,     // the program sent something
        Quiet,     // nothing came within the limit
        Closed,    // no program has the port open
        Unplugged, // the pseudo-terminal is pulled out
        Stopped,   // the module is stopping
    };

    Line(EventSink events, Tap tap);
    ~Line();
    Line(const Line &) = delete;
    Line &operator=(const Line &) = delete;

    // A new pseudo-terminal (at the start, and after an unplug) of another number than the
    // one before, the link pointed at it.
    bool plugIn(QString *error);
    void unplug(); // removes the link and closes the pseudo-terminal
    void close();  // the module has stopped: closes everything and removes the link
    bool isUnplugged() const;
    bool isPlugged() const { return m_master >= 0; }
    QString slavePath() const;
    // Makes `path` a symbolic link to the slave; never replaces anything but a link.
    bool setLinkPath(const QString &path);

    void requestStop(); // from any thread: every wait below returns
    // From any thread. While held, an answer cut by an unplug waits, after its pause, before
    // the line goes: the system throws away with the line whatever the program had not read
    // yet, so a test lets it go once the program has read what it needs.
    void holdUnplug(bool held);
    void clearStop() { m_stopping = false; }
    bool stopping() const { return m_stopping; }

    // ---- the module's thread
    void use(const LineSetup &setup) { m_setup = setup; }
    // Waits at most `limit` for bytes from the program; they go to the tap as well.
    Input receive(QByteArray &bytes, std::chrono::milliseconds limit);
    // `count` bytes read at `speed`: each is fully in a byte time after the one before.
    void noteArrived(qsizetype count, int speed);
    int speed() const; // the program's speed in bit/s; 0 when unknown
    // Paced at the program's speed; false when the module stops, the program closes the
    // port or the pseudo-terminal is pulled out on the way.
    bool send(const QByteArray &bytes, const Send &how);
    bool waitUntilIn() { return sleepUntil(m_receivedUntil); } // the last byte received is in
    bool sleepFor(std::chrono::milliseconds time) { return sleepUntil(Clock::now() + time); }
    bool sleepUntil(Clock::time_point deadline); // false when the module is stopping

private:
    bool relink();     // with m_mutex held
    void removeLink(); // with m_mutex held
    bool programHasClosed() const;
    bool waitWhileUnplugHeld(); // false when the module is stopping
    bool writeByte(char c);
    std::chrono::nanoseconds byteTime(int speed) const;

    EventSink m_events;
    Tap m_tap;
    LineSetup m_setup;
    std::atomic<int> m_master{-1};
    std::atomic<bool> m_stopping{false};
    std::atomic<bool> m_unplugHeld{false};
    int m_wakeRead = -1;
    int m_wakeWrite = -1;
    // The virtual clock of each direction: when the last byte received is fully in, and
    // when the last byte sent is fully out. An answer starts after both.
    Clock::time_point m_receivedUntil{};
    Clock::time_point m_sentUntil{};

    mutable std::mutex m_mutex; // guards what follows
    QString m_slavePath;
    QString m_linkPath;
    bool m_unplugged = false;
};

} // namespace qvsim
