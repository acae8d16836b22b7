#include "register/gui/registermodel.h"

#include "form/deviceprofile.h"

namespace qv::reg::gui {

RegisterModel::RegisterModel(Search search, QObject *parent)
    : QAbstractTableModel(parent), m_search(std::move(search))
{
}

void RegisterModel::setQuery(const qv::reg::Query &query)
{
    beginResetModel();
    m_query = query;
    m_entries.clear();
    m_error.clear();
    m_more = true;
    endResetModel();
    fetchMore();
}

int RegisterModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

int RegisterModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Columns;
}

bool RegisterModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_more;
}

void RegisterModel::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid() || !m_more)
        return;
    qv::reg::Query page = m_query;
    page.limit = PageSize;
    if (!m_entries.isEmpty())
        page.after = qv::reg::PageKey{m_entries.constLast().time, m_entries.constLast().id};
    QString error;
    const QList<qv::reg::Entry> entries = m_search(page, &error);
    m_error = error;
    m_more = entries.size() == PageSize;
    if (entries.isEmpty())
        return;
    beginInsertRows({}, int(m_entries.size()), int(m_entries.size() + entries.size()) - 1);
    m_entries.append(entries);
    endInsertRows();
}

QString RegisterModel::whereText(qv::reg::Where where)
{
    switch (where) {
    case qv::reg::Where::Local:
        return tr("helyi");
    case qv::reg::Where::LocalAndShared:
        return tr("megosztva");
    case qv::reg::Where::Shared:
        return tr("csapat");
    }
    return {};
}

QString RegisterModel::timeText(const QDateTime &time)
{
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

// Only texts: the view draws them as they are, never as markup, and shows no tool tip.
QVariant RegisterModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size() || role != Qt::DisplayRole)
        return {};
    const qv::reg::Entry &e = m_entries.at(index.row());
    switch (index.column()) {
    case Time:
        return timeText(e.time);
    case Operation:
        return qv::reg::operationText(e.operation);
    case Result:
        return qv::reg::resultText(e);
    case ModuleId:
        return e.moduleId;
    case Name:
        return e.moduleName;
    case Telephones:
        return qv::reg::shownTelephones(e, m_query.text).join(QStringLiteral(", "));
    case Model:
        return qv::form::device::modelName(e.model);
    case Technician:
        return e.technician;
    case Site:
        return e.site;
    case Where:
        return whereText(e.where);
    default:
        return {};
    }
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const titles[Columns] = {
        QT_TR_NOOP("Idő"), QT_TR_NOOP("Művelet"), QT_TR_NOOP("Eredmény"),
        QT_TR_NOOP("Modulazonosító"), QT_TR_NOOP("Név"),
        //: Column: the telephone numbers the search found, or the first of the entry's.
        QT_TR_NOOP("Telefonszám"), QT_TR_NOOP("Modell"), QT_TR_NOOP("Technikus"),
        QT_TR_NOOP("Helyszín"),
        //: Column: where the entry is kept (local, shared, team).
        QT_TR_NOOP("Hol")};
    return section >= 0 && section < Columns ? tr(titles[section]) : QVariant();
}

} // namespace qv::reg::gui
