// What a status watch reports beside its samples: an input, an output or the supply that
// changed, the signal falling below the weak level and rising again, and the module or its
// port going and coming back. Qt Core only.
#pragma once

#include "watch/sample.h"

#include <QList>
#include <QString>

namespace qv::watch {

enum class EventKind : quint8 {
    Input,       // `index` 1..4 went active (on) or inactive
    Output,      // `index` 1..4 switched on or off
    Supply,      // the supply voltage came (on) or went
    SignalWeak,  // the signal fell below the weak level (`level`)
    SignalGood,  // ... and rose to it again
    NoAnswer,    // the module stopped answering (after one query's time-out)
    Answers,     // it answers again
    PortGone,    // the port went away (an adapter pulled out): the watch waits for it
    PortBack,    // it came back, and the module answers
    PortRefused, // the port cannot be opened (`detail` says why)
};

struct Event
{
    qint64 elapsedMs = 0; // as the sample's that showed it
    qint64 timeMs = 0;
    EventKind kind = EventKind::Input;
    int index = 0;   // inputs and outputs, 1-based
    bool on = false; // inputs, outputs, supply
    int level = -1;  // signal events
    QString detail;  // PortRefused

    // An input or output change: the plot marks these.
    bool isSwitch() const { return kind == EventKind::Input || kind == EventKind::Output; }
    friend bool operator==(const Event &, const Event &) = default;
};

// "bemenet 2 aktív", "kimenet 1 be", "tápfeszültség megszűnt", "gyenge térerő (1)" ...
QString eventText(const Event &event);
// "12:03:15 bemenet 2 aktív", in local time.
QString eventLine(const Event &event);

// Follows the samples of one session and tells what changed. Inputs and outputs the model
// lacks, as the status panel greys them, change nothing.
class EventTracker
{
public:
    explicit EventTracker(int model = 0);

    // The events `sample` shows against the samples before it, in a fixed order (link,
    // outputs, inputs, supply, signal). The first decoded sample sets where the lamps
    // stand; a weak signal is reported at once.
    QList<Event> add(const Sample &sample);

private:
    enum class Link { Answering, Silent, Gone, Refused };
    int m_inputs = 0, m_outputs = 0;
    bool m_seen = false; // a decoded sample came
    quint8 m_lastOutputs = 0, m_lastInputs = 0;
    bool m_lastSupply = false;
    bool m_weak = false;
    Link m_link = Link::Answering;
};

} // namespace qv::watch
