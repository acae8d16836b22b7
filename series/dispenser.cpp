#include "series/dispenser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>

#include <algorithm>

namespace qv::series {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::series)
};

} // namespace

void RowDispenser::reset(const QList<UnitResult> &rows)
{
    const QMutexLocker lock(&m_mutex);
    m_rows = rows;
    m_again.clear();
}

bool RowDispenser::mayTake(const UnitResult &r, const QString &port) const
{
    if (r.state != UnitState::Pending)
        return false;
    const QString keptFor = m_again.value(r.row);
    return port.isEmpty() || keptFor.isEmpty() || keptFor == port;
}

std::optional<int> RowDispenser::take(const QString &port)
{
    const QMutexLocker lock(&m_mutex);
    // A row kept for this lane comes first: its module failed it last.
    auto it = std::find_if(m_rows.begin(), m_rows.end(), [&](const UnitResult &r) {
        return r.state == UnitState::Pending && !port.isEmpty() && m_again.value(r.row) == port;
    });
    if (it == m_rows.end())
        it = std::find_if(m_rows.begin(), m_rows.end(),
                          [&](const UnitResult &r) { return mayTake(r, port); });
    if (it == m_rows.end())
        return std::nullopt;
    it->state = UnitState::Working;
    it->port = port;
    return it->row;
}

void RowDispenser::putBack(int row)
{
    const QMutexLocker lock(&m_mutex);
    if (row >= 0 && row < m_rows.size() && m_rows.at(row).state == UnitState::Working)
        m_rows[row] = UnitResult::of(row);
}

void RowDispenser::elsewhere(int row, const QString &bench, bool done)
{
    const QMutexLocker lock(&m_mutex);
    if (row < 0 || row >= m_rows.size())
        return;
    UnitResult &r = m_rows[row];
    m_again.remove(row);
    if (r.state != UnitState::Pending && r.state != UnitState::Working &&
        r.state != UnitState::Elsewhere)
        return;
    r = UnitResult::of(row, done ? UnitState::PassedEarlier : UnitState::Elsewhere, bench);
}

void RowDispenser::freeElsewhere()
{
    const QMutexLocker lock(&m_mutex);
    for (UnitResult &r : m_rows) {
        if (r.state == UnitState::Elsewhere)
            r = UnitResult::of(r.row);
    }
}

void RowDispenser::set(const UnitResult &result)
{
    const QMutexLocker lock(&m_mutex);
    if (result.row < 0 || result.row >= m_rows.size())
        return;
    m_rows[result.row] = result;
    if (result.state != UnitState::Failed && result.state != UnitState::Working &&
        result.state != UnitState::Pending)
        m_again.remove(result.row);
}

void RowDispenser::retry(int row)
{
    const QMutexLocker lock(&m_mutex);
    if (row >= 0 && row < m_rows.size() && m_rows.at(row).state == UnitState::Failed) {
        m_rows[row] = UnitResult::of(row);
        m_again.remove(row);
    }
}

bool RowDispenser::failedOn(int row, const QString &port, bool anyLane)
{
    const QMutexLocker lock(&m_mutex);
    if (row < 0 || row >= m_rows.size() || m_rows.at(row).state != UnitState::Failed)
        return false;
    // Its unit before failed too: a row that cannot be written must not go round for ever.
    if (m_again.contains(row)) {
        m_again.remove(row);
        return false;
    }
    m_again.insert(row, anyLane ? QString() : port);
    m_rows[row] = UnitResult::of(row);
    return true;
}

void RowDispenser::leaveLane(const QString &port)
{
    const QMutexLocker lock(&m_mutex);
    for (auto it = m_again.begin(); it != m_again.end(); ++it) {
        if (it.value() == port)
            it.value().clear();
    }
}

int RowDispenser::peek(const QString &port) const
{
    const QMutexLocker lock(&m_mutex);
    for (const UnitResult &r : m_rows) {
        if (!port.isEmpty() && r.state == UnitState::Pending && m_again.value(r.row) == port)
            return r.row;
    }
    for (const UnitResult &r : m_rows) {
        if (mayTake(r, port))
            return r.row;
    }
    return -1;
}

int RowDispenser::freeRows() const
{
    const QMutexLocker lock(&m_mutex);
    return int(std::count_if(m_rows.cbegin(), m_rows.cend(),
                             [](const UnitResult &r) { return r.state == UnitState::Pending; }));
}

int RowDispenser::heldElsewhere() const
{
    const QMutexLocker lock(&m_mutex);
    return int(std::count_if(m_rows.cbegin(), m_rows.cend(),
                             [](const UnitResult &r) { return r.state == UnitState::Elsewhere; }));
}

UnitResult RowDispenser::at(int row) const
{
    const QMutexLocker lock(&m_mutex);
    return m_rows.value(row);
}

QList<UnitResult> RowDispenser::results() const
{
    const QMutexLocker lock(&m_mutex);
    return m_rows;
}

QString portsProblem(const QStringList &ports,
                     const std::function<QString(const QString &)> &canonical)
{
    QStringList seen;
    for (qsizetype i = 0; i < ports.size(); ++i) {
        const QString device = canonical(ports.at(i));
        const QString key = device.isEmpty() ? ports.at(i) : device;
        for (qsizetype j = 0; j < i; ++j) {
            if (seen.at(j).compare(key, Qt::CaseInsensitive) != 0)
                continue;
            if (ports.at(j).compare(ports.at(i), Qt::CaseInsensitive) == 0)
                return Text::tr("A(z) %1 port kétszer szerepel: egy port egy sávot kaphat.")
                    .arg(QDir::toNativeSeparators(ports.at(i)));
            return Text::tr("A(z) %1 és a(z) %2 ugyanaz az eszköz (%3): két sáv nem írhatja "
                            "ugyanazt a modult. Mindegyik portot egyszer adja meg.")
                .arg(QDir::toNativeSeparators(ports.at(j)), QDir::toNativeSeparators(ports.at(i)),
                     QDir::toNativeSeparators(key));
        }
        seen << key;
    }
    return {};
}

QString canonicalPort(const QString &port)
{
    return QFileInfo(port).canonicalFilePath();
}

} // namespace qv::series
