#include "series/gui/seriesstatusdialog.h"

#include "series/seriesstatus.h"
#include "settings/gui/messages.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace qv::series::gui {

SeriesStatusDialog::SeriesStatusDialog(const QString &teamConnection, const QString &localPath,
                                       QWidget *parent)
    : QDialog(parent), m_team(teamConnection), m_local(localPath),
      m_model(new SeriesStatusModel(this))
{
    setObjectName(QStringLiteral("seriesStatusDialog"));
    setWindowTitle(tr("Sorozatok"));
    m_units = new QLineEdit(this);
    m_units->setObjectName(QStringLiteral("seriesStatusUnits"));
    m_units->setPlaceholderText(tr("A modulok táblázata (CSV), amelynek sorozatait látni akarja"));
    auto *browse = new QPushButton(tr("Tallózás…"), this);
    browse->setObjectName(QStringLiteral("seriesStatusBrowse"));
    browse->setAutoDefault(false);
    auto *again = new QPushButton(tr("Frissítés"), this);
    again->setObjectName(QStringLiteral("seriesStatusRefresh"));
    again->setAutoDefault(false);
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("seriesStatusMessage"));
    m_message->setTextFormat(Qt::PlainText);
    m_message->setWordWrap(true);
    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("seriesStatusView"));
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->setWordWrap(true);

    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Táblázat:"), this));
    row->addWidget(m_units, 1);
    row->addWidget(browse);
    row->addWidget(again);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_message);
    layout->addWidget(m_view, 1);
    resize(900, 320);

    connect(browse, &QPushButton::clicked, this, &SeriesStatusDialog::choose);
    connect(again, &QPushButton::clicked, this, &SeriesStatusDialog::refresh);
    connect(m_units, &QLineEdit::returnPressed, this, &SeriesStatusDialog::refresh);
}

void SeriesStatusDialog::choose()
{
    const QString path = settings::gui::chooseFileToOpen(
        this, tr("A modulok táblázata"),
        m_units->text().isEmpty() ? QDir::homePath() : QFileInfo(m_units->text()).absolutePath(),
        tr("CSV-táblázat (*.csv);;Minden fájl (*)"));
    if (path.isEmpty())
        return;
    m_units->setText(QDir::toNativeSeparators(path));
    refresh();
}

void SeriesStatusDialog::refresh()
{
    const QString path = QDir::fromNativeSeparators(m_units->text().trimmed());
    m_model->setSeries({});
    if (path.isEmpty()) {
        m_message->setText(tr("Válassza ki a modulok táblázatát (CSV)."));
        return;
    }
    const UnitsRead units = readUnitsFile(path);
    if (!units.table) {
        m_message->setText(units.error);
        return;
    }
    const QString name = QFileInfo(path).fileName();
    QString error;
    const auto found = seriesOfTable(*units.table, name, m_team, m_local, &error);
    if (!found) {
        m_message->setText(error);
        return;
    }
    m_model->setSeries(*found);
    m_view->resizeColumnsToContents();
    m_view->resizeRowsToContents();
    m_message->setText(found->isEmpty()
                           ? tr("A(z) %1 táblázatnak nincs sorozata a nyilvántartásban.").arg(name)
                       : m_team.isEmpty() ? tr("Ennek a gépnek a nyilvántartása szerint.")
                                          : tr("A csapat nyilvántartása szerint."));
}

} // namespace qv::series::gui
