#include "series/dispenser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>

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
}

std::optional<int> RowDispenser::take(const QString &port)
{
    const QMutexLocker lock(&m_mutex);
    for (UnitResult &r : m_rows) {
        if (r.state == UnitState::Pending) {
            r.state = UnitState::Working;
            r.port = port;
            return r.row;
        }
    }
    return std::nullopt;
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
    if (result.row >= 0 && result.row < m_rows.size())
        m_rows[result.row] = result;
}

void RowDispenser::retry(int row)
{
    const QMutexLocker lock(&m_mutex);
    if (row >= 0 && row < m_rows.size() && m_rows.at(row).state == UnitState::Failed)
        m_rows[row] = UnitResult::of(row);
}

int RowDispenser::peek() const
{
    const QMutexLocker lock(&m_mutex);
    for (const UnitResult &r : m_rows) {
        if (r.state == UnitState::Pending)
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
