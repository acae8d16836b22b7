// The rows of a series handed out to its lanes: one lane per port, each waiting for its
// module, and a row goes to the lane whose module arrives first, in table order. A row is
// taken by one lane at a time; one that the lane does not write after all (the module was
// refused, the run stopped) goes back for the next module of any lane. A row whose unit
// failed goes back to the lane that failed it, for its next module (or, when asked, to any
// lane); failing again right after, it waits for the person's retry. With a team register
// a row is also claimed on the server before it is written (register/claims.h): one that
// another bench holds waits as "elsewhere" until that bench finishes it or lets it go.
#pragma once

#include "series/series.h"

#include <QHash>
#include <QMutex>

#include <functional>
#include <optional>

namespace qv::series {

class RowDispenser
{
public:
    // The rows as the plan gives them (Pending, PassedEarlier, Skipped).
    void reset(const QList<UnitResult> &rows);

    // The first row still to do, now given to the caller (Working); none when no row is free.
    std::optional<int> take(const QString &port);
    // A row taken and not written: free again.
    void putBack(int row);
    // A row that another bench holds (claimed, or done: `done`).
    void elsewhere(int row, const QString &bench, bool done);
    // Rows held elsewhere are free again (their claims have lapsed, or are to be asked again).
    void freeElsewhere();
    // The row's end (or any change of its state) as the lane reports it.
    void set(const UnitResult &result);
    // A failed row is put back, to be done with the next module of any lane.
    void retry(int row);
    // A row whose unit failed on `port`'s lane goes back at once: for that lane's next module,
    // or with `anyLane` for any lane's. False when its unit before failed too (on that lane,
    // or with `anyLane` on any): it stays failed and waits for retry().
    bool failedOn(int row, const QString &port, bool anyLane);
    // The rows kept for `port`'s lane go to any lane (the lane has ended).
    void leaveLane(const QString &port);

    // The first row that `port`'s lane may take (-1: none), for its prompt; with no port, the
    // first free row of any lane.
    int peek(const QString &port = {}) const;
    // Rows free now, and rows held by other benches that may yet come free.
    int freeRows() const;
    int heldElsewhere() const;
    UnitResult at(int row) const;
    QList<UnitResult> results() const;

private:
    mutable QMutex m_mutex;
    bool mayTake(const UnitResult &r, const QString &port) const;

    QList<UnitResult> m_rows;
    // Rows put back after a failed unit: the lane they are kept for (empty: any lane).
    QHash<int, QString> m_again;
};

// Why `ports` cannot be the lanes of one series: a port named twice, or two names of one
// device (a /dev/serial/by-id/ link and the device it names), as `canonical` resolves them
// (empty: a port not there yet, compared by its name). Empty when they can.
QString portsProblem(const QStringList &ports,
                     const std::function<QString(const QString &)> &canonical);
// The device a port's name leads to (symbolic links followed), or empty when there is none.
QString canonicalPort(const QString &port);

} // namespace qv::series
