// The series of a units table as the register holds them (the register window opens it
// through the main window): a series a row, with its rows done, failed, being written (on
// which bench, since when) and left, its units per hour, and which bench did which row.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QTableView;
namespace qv::series {
class SeriesStatusModel;
}

namespace qv::series::gui {

class SeriesStatusDialog : public QDialog
{
    Q_OBJECT

public:
    // `teamConnection`: the team's register (empty: this computer's, at `localPath`).
    SeriesStatusDialog(const QString &teamConnection, const QString &localPath,
                       QWidget *parent = nullptr);

    // Reads the series of the table named in the field again.
    void refresh();
    const qv::series::SeriesStatusModel &model() const { return *m_model; }

private:
    void choose();

    const QString m_team, m_local;
    QLineEdit *m_units = nullptr;
    QLabel *m_message = nullptr;
    QTableView *m_view = nullptr;
    qv::series::SeriesStatusModel *m_model = nullptr;
};

} // namespace qv::series::gui
