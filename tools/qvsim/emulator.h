// qvsim: a Q_QV5, Q_QV3 or Q_BRK2 module on a pseudo-terminal, for tests and for trying
// the program without hardware.
//
// The module runs on a thread of its own, in one loop: it reads the program's bytes from
// its end of the line (line.h), finds the four requests in them ("~|" the identification,
// "~{" the read-out, "~}" the download, "~[" the status) and runs each exchange
// (exchanges.h) with the module, line and faults as they are set up at that moment
// (setup.h); a fault (faults.h) changes what the exchange sends. The identification and the
// read-out run at the module's speed, the download and the status at 1200 bit/s; a request
// sent at another speed reaches the module garbled and gets no answer.
//
// With a sequence (setSequence) the same loop presents one module after another: the unit
// connected now answers as its own module with its own faults; once the program is done with
// it (no exchange for the hold time) it is taken off, the line stays silent or the
// pseudo-terminal goes away for the gap, and the next unit is connected. A unit with a loose
// contact drops off for a moment first and comes back as it was.
#pragma once

#include "catalogue.h"
#include "setup.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace qvsim {

class Emulator
{
public:
    explicit Emulator(const Setup &setup = {});
    ~Emulator(); // stops the module and removes the link
    Emulator(const Emulator &) = delete;
    Emulator &operator=(const Emulator &) = delete;

    // Opens the pseudo-terminal and starts the module's thread.
    bool start(QString *error = nullptr);
    void stop();
    QString slavePath() const;
    // Makes `path` a symbolic link to the slave (kept up to date on replug).
    bool setLinkPath(const QString &path, QString *error = nullptr);
    bool isUnplugged() const;
    // After an unplug fault: a new pseudo-terminal (a new slave path).
    bool replug(QString *error = nullptr);
    // While held (from any thread), an unplug fault waits, once its pause is over, before it
    // pulls the line. The pull throws away whatever the program has not read yet, as a real
    // adapter's does: a test that needs part of the answer read lets it go from the
    // program's side once that part has come.
    void holdUnplug(bool held);

    // The module (its stored fields include what a download stored), its line and its
    // faults. A change applies from the next request on.
    ModuleSetup moduleSetup() const;
    void setModuleSetup(const ModuleSetup &module);
    LineSetup lineSetup() const;
    void setLineSetup(const LineSetup &line);
    FaultSetup faults() const;
    void setFaults(const FaultSetup &faults);

    // Every byte the program sent, exactly as it came.
    QByteArray received() const;
    void clearReceived();
    // Requests of an exchange handled so far (counted when the answer is complete).
    bool waitForHandled(Exchange exchange, int count, int timeoutMs) const;
    int garbledRequests() const;

    // A line for each event (request, answer, fault, port closed), from the module's thread.
    void setEventSink(EventSink sink);

    // ---- A sequence of modules
    // Before start(); the first unit is connected at start. Without units (the default) the
    // emulator is the one module of its setup.
    void setSequence(const SequenceSetup &sequence);
    int currentUnit() const; // index of the connected unit, -1 in a gap and after the last
    QList<int> downloadsPerUnit() const;          // how many downloads each unit has stored so far
    QStringList storedFields(int unit) const;     // the unit's 56 stored fields now
    bool waitForSequenceEnd(int timeoutMs) const; // the last unit was taken off
    // A line for each step of the sequence ("unit 1 connected /dev/pts/5", "unit 1 stored
    // m_id=0001 m_nev=PINCE", "unit 1 lost contact", "unit 1 back /dev/pts/6", "unit 1
    // removed", "sequence ended"; units counted from 1), also given to the event sink. Set it
    // before start() to have the first unit's line.
    void setSequenceSink(EventSink sink);

private:
    struct State;
    std::unique_ptr<State> d;
};

} // namespace qvsim
