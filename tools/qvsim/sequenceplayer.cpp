// The sequence player: one unit after another on the emulator's line. The unit connected
// answers as its own module with its own faults; once the program has been done with it for
// the hold time it is taken off (after a loose contact's drop, if it has one), the line stays
// silent or its terminal goes away for the gap, and the next unit is connected. Runs on the
// module's thread, between the program's bytes (Emulator::State::run).
#include "emulatorstate.h"

#include <algorithm>

namespace qvsim {

using namespace std::chrono_literals;

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

} // namespace qvsim
