// The series dialog: the base file, the units table, the model and the results file are
// chosen here; the table follows every row of the run, the progress line counts the rows
// done, and the prompt line tells the person at the bench what to do now. Non-modal: a
// technician keeps it open for the whole series while the window stays usable (its
// exchanges are locked while the series has the port). Everything it shows comes from the
// series controller.
#pragma once

#include "transfer/exchange.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class QTableWidget;
namespace qv::series::gui {
class SeriesController;
}

namespace qv::series::gui {

class SeriesDialog : public QDialog
{
    Q_OBJECT

public:
    // The port and the identified module's model come from the window (`link`).
    SeriesDialog(SeriesController &controller, qv::transfer::LinkSource link,
                 QWidget *parent = nullptr);
    ~SeriesDialog() override;

    // Shows the port, and the model of a module identified since the dialog was last shown.
    void refresh();

protected:
    void reject() override;

private:
    void showPort();
    void listPorts();
    void addPort();
    QStringList chosenPorts() const;
    void laneChanged(const QString &port, int row, const QString &state);
    void chooseBase();
    void chooseUnits();
    void chooseResults();
    void unitsChosen();
    void start();
    void retry();
    void runningChanged(bool running);
    void updateButtons();
    QList<int> selectedRows() const;

    SeriesController &m_controller;
    qv::transfer::LinkSource m_link;
    QLineEdit *m_base = nullptr;
    QLineEdit *m_units = nullptr;
    QComboBox *m_model = nullptr;
    QCheckBox *m_verify = nullptr;
    QCheckBox *m_readFirst = nullptr;
    QLineEdit *m_results = nullptr;
    QLabel *m_port = nullptr;
    QListWidget *m_ports = nullptr;  // the lanes to run: a port each, checked
    QLineEdit *m_portAdd = nullptr;  // a port the system does not list (a link, a pty)
    QTableWidget *m_lanes = nullptr; // each lane's port, row and state while it runs
    QCheckBox *m_newBatch = nullptr;
    QCheckBox *m_anyLane = nullptr; // a failed unit's row to any lane
    QCheckBox *m_sound = nullptr;   // the swap cue's sound
    QProgressBar *m_bar = nullptr;
    QPlainTextEdit *m_log = nullptr; // refused modules and problems, with their times
    QTableView *m_view = nullptr;
    QLabel *m_progress = nullptr;
    QLabel *m_prompt = nullptr;
    QLabel *m_problem = nullptr; // what does not end the run but needs the person
    QPushButton *m_start = nullptr;
    QPushButton *m_stop = nullptr;
    QPushButton *m_retry = nullptr;
    QList<QWidget *> m_choices; // what cannot change while the series runs
    QString m_defaultResults;   // the results path offered for the units file chosen
};

} // namespace qv::series::gui
