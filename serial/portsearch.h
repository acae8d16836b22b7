// The automatic port search: asks every listed port for a module with the
// identification request and tells which one answered.
//
// Each port is probed on a thread of its own with its own port handle, all at once by
// default, each exactly as a search one port after the other would probe it: the
// request "~|" at the chosen speed, then the reply until the line is silent for the
// probe time-out. The result does not depend on the order in which the probes end: the
// last answering port in list order is the one found.
#pragma once

#include "serial/serialline.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

class QThread;

namespace qv::serial {

struct ProbeOutcome
{
    OpenResult open = OpenResult::OpenFailed;
    std::optional<OpenFailure> failure; // why the port did not open
    Reply reply;                        // raw, not upper-cased
    bool answered = false;              // a whole reply that begins with "Q_"
};

// Probes one port on the calling thread. `cancel` is looked at after every byte received;
// a silent port still takes its whole time-out.
ProbeOutcome probePort(const LineSettings &settings, const std::atomic<bool> &cancel);

class PortSearch : public QObject
{
    Q_OBJECT

public:
    PortSearch(const QStringList &ports, qint32 baud, int probeTimeout, QObject *parent = nullptr);
    ~PortSearch() override; // cancels and waits for the probes still running

    // How many ports are probed at the same time; 0 (the default) means all of them,
    // 1 one after the other.
    void setParallel(int count) { m_parallel = count; }

    void start();
    // Stops the search: no probe starts any more, the running ones end after their
    // current read; finished() follows once all have ended.
    void cancel();
    bool isCancelled() const { return m_cancel; }
    bool isFinished() const { return m_finished; }

    const QStringList &ports() const { return m_ports; }
    const QList<ProbeOutcome> &outcomes() const { return m_outcomes; }
    // The last port in list order that answered; empty when none did (or cancelled).
    QString found() const;

signals:
    void probeFinished(int index); // on the thread that owns the search
    void finished();

private:
    void launch(int index);
    void onProbeDone(int index, const ProbeOutcome &outcome);

    QStringList m_ports;
    qint32 m_baud;
    int m_probeTimeout;
    int m_parallel = 0;
    int m_next = 0;    // the next port to launch
    int m_running = 0; // probes launched and not yet reported
    bool m_finished = false;
    std::atomic<bool> m_cancel{false};
    QList<ProbeOutcome> m_outcomes;
    std::vector<std::unique_ptr<QThread>> m_threads;
};

} // namespace qv::serial
