#include "series/gui/seriesmodel.h"

#include "transfer/configrecord.h"

#include <QColor>

namespace qv::series::gui {

namespace {

// The columns after the units file's own.
enum Tail { State, Reason, Time, TailColumns };

} // namespace

SeriesModel::SeriesModel(QObject *parent) : QAbstractTableModel(parent)
{
}

void SeriesModel::setTable(const qv::series::UnitsTable &table)
{
    beginResetModel();
    m_table = table;
    m_results.clear();
    m_problems.clear();
    for (int row = 0; row < m_table.rows.size(); ++row)
        m_results << qv::series::UnitResult::of(row);
    endResetModel();
}

void SeriesModel::update(const qv::series::UnitResult &result)
{
    update(QList<qv::series::UnitResult>{result});
}

void SeriesModel::update(const QList<qv::series::UnitResult> &results)
{
    int first = int(m_results.size()), last = -1;
    for (const qv::series::UnitResult &result : results) {
        if (result.row < 0 || result.row >= m_results.size())
            continue;
        m_results[result.row] = result;
        first = qMin(first, result.row);
        last = qMax(last, result.row);
    }
    if (last >= 0)
        emit dataChanged(index(first, 0), index(last, columnCount() - 1));
}

void SeriesModel::setProblems(const QList<qv::series::CellProblem> &problems)
{
    m_problems.clear();
    for (const qv::series::CellProblem &p : problems) {
        const int column = int(m_table.columns.indexOf(p.column));
        auto &reason = m_problems[{p.row - 1, column}];
        if (p.row > 0 && column >= 0 && reason.isEmpty())
            reason = p.reason;
        else if (reason.isEmpty())
            m_problems.remove({p.row - 1, column});
    }
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

QString SeriesModel::cell(int row, const QString &column) const
{
    const qsizetype at = m_table.columns.indexOf(column);
    return at < 0 || row < 0 || row >= m_table.rows.size() ? QString()
                                                           : m_table.rows.at(row).value(at);
}

int SeriesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_table.rows.size());
}

int SeriesModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1 + int(m_table.columns.size()) + TailColumns;
}

// Only texts, never markup (the module's answers and the table's cells are shown as they
// are); a failed row is drawn in red.
QVariant SeriesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_results.size())
        return {};
    const qv::series::UnitResult &result = m_results.at(index.row());
    // A cell the checks refuse: marked from the moment the table is loaded, with the reason.
    const auto problem = m_problems.constFind({index.row(), index.column() - 1});
    if (problem != m_problems.cend() && role == Qt::BackgroundRole)
        return QColor(255, 214, 214);
    if (problem != m_problems.cend() && role == Qt::ToolTipRole)
        return *problem;
    if (role == Qt::ForegroundRole)
        return result.state == qv::series::UnitState::Failed ? QVariant(QColor(191, 0, 0))
                                                             : QVariant();
    const bool reasonColumn = index.column() == 1 + int(m_table.columns.size()) + Reason;
    if (role == Qt::ToolTipRole && reasonColumn && !result.reason.isEmpty())
        // Whole, with its line breaks; escaped, as a tool tip would take markup.
        return QStringLiteral("<p>%1</p>")
            .arg(result.reason.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")));
    if (role != Qt::DisplayRole)
        return {};
    const int column = index.column();
    const int units = int(m_table.columns.size());
    if (column == 0)
        return index.row() + 1;
    if (column <= units)
        return m_table.rows.at(index.row()).value(column - 1);
    switch (column - units - 1) {
    case State:
        return qv::series::stateText(result.state);
    case Reason:
        return QString(result.reason).replace(u'\n', u' ');
    case Time:
        return result.time.isValid()
                   ? result.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                   : QString();
    default:
        return {};
    }
}

QVariant SeriesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const int units = int(m_table.columns.size());
    // A field's column shows its label on the form; its object name, as the table's header
    // has it, in the tool tip.
    if (section > 0 && section <= units) {
        const QString name = m_table.columns.value(section - 1);
        const QString caption = qv::transfer::fieldCaption(name);
        return role == Qt::ToolTipRole || caption.isEmpty() ? name : caption;
    }
    if (role != Qt::DisplayRole)
        return {};
    if (section == 0)
        return tr("Sor");
    switch (section - units - 1) {
    case State:
        return tr("Állapot");
    case Reason:
        return tr("Indok");
    case Time:
        return tr("Idő");
    default:
        return {};
    }
}

} // namespace qv::series::gui
