#include "watch/events.h"

#include "form/deviceprofile.h"

#include <QCoreApplication>
#include <QDateTime>

namespace qv::watch {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::watch)
};

} // namespace

QString eventText(const Event &e)
{
    switch (e.kind) {
    case EventKind::Input:
        return e.on ? Text::tr("bemenet %1 aktív").arg(e.index)
                    : Text::tr("bemenet %1 inaktív").arg(e.index);
    case EventKind::Output:
        return e.on ? Text::tr("kimenet %1 be").arg(e.index)
                    : Text::tr("kimenet %1 ki").arg(e.index);
    case EventKind::Supply:
        return e.on ? Text::tr("tápfeszültség visszatért") : Text::tr("tápfeszültség megszűnt");
    case EventKind::SignalWeak:
        return Text::tr("gyenge térerő (%1)").arg(e.level);
    case EventKind::SignalGood:
        return Text::tr("térerő ismét megfelelő (%1)").arg(e.level);
    case EventKind::NoAnswer:
        return Text::tr("a modul nem válaszol");
    case EventKind::Answers:
        return Text::tr("a modul ismét válaszol");
    case EventKind::PortGone:
        return Text::tr("a port eltűnt (kihúzott adapter?), a figyelés várakozik");
    case EventKind::PortBack:
        return Text::tr("a port visszatért");
    case EventKind::PortRefused:
        return Text::tr("a port nem nyitható meg: %1").arg(e.detail);
    }
    return {};
}

QString eventLine(const Event &e)
{
    const QString time =
        QDateTime::fromMSecsSinceEpoch(e.timeMs).toLocalTime().toString(QStringLiteral("HH:mm:ss"));
    return time + u' ' + eventText(e);
}

EventTracker::EventTracker(int model)
{
    const form::device::Profile has =
        form::device::profileFor(model).value_or(form::device::smallestProfile());
    m_inputs = has.inputs;
    m_outputs = has.outputs;
}

QList<Event> EventTracker::add(const Sample &s)
{
    QList<Event> events;
    auto push = [&](EventKind kind, int index = 0, bool on = false, int level = -1,
                    const QString &detail = {}) {
        events.append({s.elapsedMs, s.timeMs, kind, index, on, level, detail});
    };

    // The link first: a module that answers again is said before what it shows.
    Link link = Link::Answering;
    switch (s.state) {
    case SampleState::Ok:
    case SampleState::Garbled: // it answers, if badly: that sample is a gap, nothing more
        link = Link::Answering;
        break;
    case SampleState::Silent:
        link = Link::Silent;
        break;
    case SampleState::PortGone:
        link = Link::Gone;
        break;
    case SampleState::PortRefused:
        link = Link::Refused;
        break;
    }
    if (link != m_link) {
        switch (link) {
        case Link::Answering:
            push(m_link == Link::Silent ? EventKind::Answers : EventKind::PortBack);
            break;
        case Link::Silent:
            push(EventKind::NoAnswer);
            break;
        case Link::Gone:
            push(EventKind::PortGone);
            break;
        case Link::Refused:
            push(EventKind::PortRefused, 0, false, -1, s.why);
            break;
        }
        m_link = link;
    }
    if (!s.isOk())
        return events;

    if (m_seen) {
        for (int i = 0; i < m_outputs; ++i) {
            if (s.output(i) != bool(m_lastOutputs & (1u << i)))
                push(EventKind::Output, i + 1, s.output(i));
        }
        for (int i = 0; i < m_inputs; ++i) {
            if (s.input(i) != bool(m_lastInputs & (1u << i)))
                push(EventKind::Input, i + 1, s.input(i));
        }
        if (s.supply != m_lastSupply)
            push(EventKind::Supply, 0, s.supply);
    }
    // A signal that is not a number says nothing of the level: the last one stands.
    if (s.hasSignal() && classifySignal(s.signal) != SignalClass::Invalid) {
        const bool weak = classifySignal(s.signal) == SignalClass::Weak;
        if (weak && !m_weak)
            push(EventKind::SignalWeak, 0, false, s.signal);
        else if (!weak && m_weak)
            push(EventKind::SignalGood, 0, false, s.signal);
        m_weak = weak;
    }
    m_seen = true;
    m_lastOutputs = s.outputs;
    m_lastInputs = s.inputs;
    m_lastSupply = s.supply;
    return events;
}

} // namespace qv::watch
