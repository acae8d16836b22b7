// The register's settings: the local register only, or also a team register on a
// PostgreSQL server (its connection string or service name, never a password); the
// technician's name (remembered) and the site note of the next entries (for this run).
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QRadioButton;
namespace qv::reg::gui {
class RegisterController;
}

namespace qv::reg::gui {

class RegisterSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit RegisterSettingsDialog(RegisterController &controller, QWidget *parent = nullptr);

    // Checks the connection, remembers the choice and opens the register again when it
    // changed.
    void accept() override;

private:
    RegisterController &m_controller;
    QRadioButton *m_local = nullptr;
    QRadioButton *m_team = nullptr;
    QLineEdit *m_connection = nullptr;
    QLineEdit *m_technician = nullptr;
    QLineEdit *m_site = nullptr;
};

} // namespace qv::reg::gui
