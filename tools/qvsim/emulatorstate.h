// The emulator's inside, shared by its files: the public side (emulator.cpp), the module's
// thread (emulator.cpp) and the sequence player that connects one unit after another
// (sequenceplayer.cpp).
#pragma once

#include "emulator.h"
#include "exchanges.h"
#include "line.h"

#include <array>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace qvsim {

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

    // The module's thread (emulator.cpp).
    void run();
    void take(const QByteArray &bytes, Exchanges &exchanges);
    void handle(Exchange exchange, Exchanges &exchanges);
    void event(const QString &text) const;

    // The sequence player (sequenceplayer.cpp).
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

} // namespace qvsim
