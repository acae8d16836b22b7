// The identification exchange ("~|") without a window, and the user's words for its end:
// the port selection of the window and the commands run this same exchange.
#pragma once

#include "serial/identification.h"
#include "serial/openfailure.h"

#include <QString>

#include <optional>

namespace qv::serial {

enum class IdentifyEnd {
    Ok,           // a module this version supports answered
    NotOpen,      // the port could not be opened
    NoModule,     // no answer, one that broke off, or not a module's
    Incompatible, // a module the compatibility table does not list
};

struct IdentifyOutcome
{
    IdentifyEnd end = IdentifyEnd::NotOpen;
    Identification id;                      // the evaluated answer (NoModule: whatever came)
    std::optional<OpenFailure> openFailure; // NotOpen
};

// Sends "~|" on `port` at `baud` with the identification's time-outs and reply bound, and
// checks the answer against the compatibility table of software version `version`.
IdentifyOutcome identifyModule(const QString &port, qint32 baud, const QString &version);

// The same, but a module that has not begun its answer within `answerWithinMs` counts as
// none (NoModule): a quick look whether a module is connected, as series programming
// polls the port while a person swaps modules. Once the answer has begun, it ends at the
// carriage return after the text (what follows it, a line feed, is dropped when the port
// is next opened), or when the line falls silent as above: the next exchange need not
// wait out the silence. A port that vanishes part-way is NoModule too.
IdentifyOutcome identifyModule(const QString &port, qint32 baud, const QString &version,
                               int answerWithinMs);

// The message for an identification that did not end Ok; empty for Ok.
QString identifyFailureText(const IdentifyOutcome &outcome);

} // namespace qv::serial
