// The register window: the entries of the module register, newest first, found by one
// search field and a date range, and one module's history. An entry opens into the form,
// is saved as a file, is compared with the form, with another entry or with the module, or
// becomes a customer's sheet; the window asks the main window for what touches the form,
// the module or a printer.
#pragma once

#include "register/entry.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QTimer;
namespace qv::reg::gui {
class RegisterController;
}
namespace qv::reg::gui {
class RegisterModel;
}

namespace qv::reg::gui {

class RegisterWindow : public QDialog
{
    Q_OBJECT

public:
    // `moduleConnected`: whether the comparison with the module is offered.
    RegisterWindow(RegisterController &controller, bool moduleConnected, QWidget *parent = nullptr);
    ~RegisterWindow() override;

    // The entry selected, whole; nothing when not exactly one is selected.
    std::optional<qv::reg::Entry> selectedEntry() const;

signals:
    // What to do with a whole entry (with its 56 record fields).
    void openRequested(const qv::reg::Entry &entry);
    void saveRequested(const qv::reg::Entry &entry);
    void compareWithFormRequested(const qv::reg::Entry &entry);
    void compareWithModuleRequested(const qv::reg::Entry &entry);
    void sheetRequested(const qv::reg::Entry &entry);
    // The view of a units table's series.
    void seriesRequested();

private:
    void search();
    void showHistory();
    void showAll();
    void showHits();
    void selectionChanged();
    void compareEntries();
    void openSettings();
    // Emits `request` with the selected entry when it holds a configuration.
    void request(void (RegisterWindow::*request)(const qv::reg::Entry &));
    QList<qv::reg::Entry> selectedEntries() const;

    RegisterController &m_controller;
    const bool m_moduleConnected;
    RegisterModel *m_model = nullptr;
    QLineEdit *m_search = nullptr;
    QCheckBox *m_period = nullptr;
    QDateEdit *m_from = nullptr;
    QDateEdit *m_to = nullptr;
    QLabel *m_historyLabel = nullptr;
    QPushButton *m_all = nullptr;
    QLabel *m_hits = nullptr; // how many entries the search found
    QTableView *m_view = nullptr;
    QPlainTextEdit *m_details = nullptr;
    QPushButton *m_history = nullptr;
    QPushButton *m_open = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_compareForm = nullptr;
    QPushButton *m_compareEntries = nullptr;
    QPushButton *m_compareModule = nullptr;
    QPushButton *m_sheet = nullptr;
    QTimer *m_searchDelay = nullptr;
    std::optional<std::pair<QString, QString>> m_module; // the history shown
};

} // namespace qv::reg::gui
