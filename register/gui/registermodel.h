// The register's entries as the register window's table shows them: newest first, fetched
// a page at a time as the view scrolls down, each cell plain text.
#pragma once

#include "register/entry.h"
#include "register/store.h"

#include <QAbstractTableModel>

#include <functional>

namespace qv::reg::gui {

class RegisterModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        Time,
        Operation,
        Result,
        ModuleId,
        Name,
        Telephones, // the numbers the search found, or the first of the eight
        Model,
        Technician,
        Site,
        Where,
        Columns
    };
    static constexpr int PageSize = 500;

    // Runs a query with its limit and the key of the page, as the journal does.
    using Search = std::function<QList<qv::reg::Entry>(const qv::reg::Query &, QString *error)>;
    explicit RegisterModel(Search search, QObject *parent = nullptr);

    // Shows the entries of `query` from the first page on.
    void setQuery(const qv::reg::Query &query);
    const qv::reg::Query &query() const { return m_query; }
    // The entry of a row, as listed (without its record fields and differences).
    const qv::reg::Entry &entryAt(int row) const { return m_entries.at(row); }
    // Why the last page could not be read; empty when it could.
    QString error() const { return m_error; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent = {}) const override;
    void fetchMore(const QModelIndex &parent = {}) override;

    // How the table names where an entry is kept: "helyi", "megosztva", "csapat".
    static QString whereText(qv::reg::Where where);
    // An entry's time as the table shows it, in local time.
    static QString timeText(const QDateTime &time);

private:
    Search m_search;
    qv::reg::Query m_query;
    QList<qv::reg::Entry> m_entries;
    bool m_more = false;
    QString m_error;
};

} // namespace qv::reg::gui
