// The rows of a series as the series dialog's table shows them: the row's number, the
// units file's own columns, then the row's state, why it failed and when it ended.
#pragma once

#include "series/series.h"

#include <QAbstractTableModel>
#include <QHash>

namespace qv::series::gui {

class SeriesModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit SeriesModel(QObject *parent = nullptr);

    // A new units table; every row waits until its result comes.
    void setTable(const qv::series::UnitsTable &table);
    // One row's new state.
    void update(const qv::series::UnitResult &result);
    // Several rows' new states, told to the view at once.
    void update(const QList<qv::series::UnitResult> &results);
    // The cells the checks refuse, marked with their reasons.
    void setProblems(const QList<qv::series::CellProblem> &problems);

    const qv::series::UnitsTable &table() const { return m_table; }
    const QList<qv::series::UnitResult> &results() const { return m_results; }
    // The unit's value in the column named `column` (m_id, m_nev ...); empty when the
    // table has no such column.
    QString cell(int row, const QString &column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    qv::series::UnitsTable m_table;
    QList<qv::series::UnitResult> m_results;        // one per row of the table
    QHash<std::pair<int, int>, QString> m_problems; // (row, units column) -> the reason
};

} // namespace qv::series::gui
