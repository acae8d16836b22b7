#include "register/gui/registersettings.h"

#include "register/gui/registercontroller.h"
#include "register/journal.h"
#include "register/store.h"
#include "settings/gui/messages.h"
#include "settings/preferences.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qv::reg::gui {

RegisterSettingsDialog::RegisterSettingsDialog(RegisterController &controller, QWidget *parent)
    : QDialog(parent), m_controller(controller)
{
    setObjectName(QStringLiteral("registerSettingsDialog"));
    setWindowTitle(tr("A nyilvántartás beállításai"));

    const QString remembered = qv::settings::preferences::teamRegister();
    m_local = new QRadioButton(tr("Csak ezen a számítógépen"), this);
    m_local->setObjectName(QStringLiteral("registerLocalOnly"));
    m_team =
        new QRadioButton(tr("Ezen a számítógépen és a csapat PostgreSQL-nyilvántartásában"), this);
    m_team->setObjectName(QStringLiteral("registerTeam"));
    auto *choice = new QButtonGroup(this);
    choice->addButton(m_local);
    choice->addButton(m_team);
    (remembered.isEmpty() ? m_local : m_team)->setChecked(true);

    m_connection = new QLineEdit(remembered, this);
    m_connection->setObjectName(QStringLiteral("registerConnection"));
    m_connection->setPlaceholderText(tr("host=szerver dbname=qv user=technikus"));
    m_connection->setEnabled(m_team->isChecked());
    connect(m_team, &QRadioButton::toggled, m_connection, &QWidget::setEnabled);

    const QString local = m_controller.journal().local()
                              ? m_controller.journal().local()->location()
                              : qv::reg::Store::defaultSqlitePath();
    QString noteText = tr("A bejegyzések mindig ebbe a fájlba kerülnek: %1\n"
                          "Csapat-nyilvántartással onnan a kiszolgálóra is, amint az elérhető.\n"
                          "Kapcsolat: libpq kapcsolati szöveg (host=… dbname=… user=…) vagy "
                          "szolgáltatásnév (service=qv). Jelszót itt nem lehet megadni: a "
                          "PostgreSQL a ~/.pgpass fájlból vagy a szolgáltatásfájlból "
                          "(~/.pg_service.conf) veszi.")
                           .arg(local);
    const QString inUse = m_controller.teamConnection();
    if (inUse != remembered)
        noteText += u'\n' + tr("Ebben a futásban a --register kapcsoló szerinti "
                               "nyilvántartás él: %1")
                                .arg(inUse.isEmpty() ? tr("csak helyi") : inUse);
    auto *note = new QLabel(noteText, this);
    note->setObjectName(QStringLiteral("registerNote"));
    note->setTextFormat(Qt::PlainText);
    note->setWordWrap(true);
    note->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_technician = new QLineEdit(qv::settings::preferences::technician(), this);
    m_technician->setObjectName(QStringLiteral("registerTechnician"));
    m_site = new QLineEdit(m_controller.site(), this);
    m_site->setObjectName(QStringLiteral("registerSite"));
    m_site->setPlaceholderText(tr("például: Kovács Kft., Pince u. 3."));

    auto *form = new QFormLayout;
    form->addRow(tr("Kapcsolat:"), m_connection);
    form->addRow(tr("Technikus neve:"), m_technician);
    form->addRow(tr("Helyszín (a következő bejegyzésekhez):"), m_site);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Rendben"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Mégse"));
    connect(buttons, &QDialogButtonBox::accepted, this, &RegisterSettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_local);
    layout->addWidget(m_team);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
    resize(560, sizeHint().height());
}

void RegisterSettingsDialog::accept()
{
    const QString connection = m_team->isChecked() ? m_connection->text().trimmed() : QString();
    if (const QString problem = qv::reg::Store::connectionProblem(connection);
        m_team->isChecked() && !problem.isEmpty()) {
        qv::settings::gui::showMessage(this, QMessageBox::Warning, windowTitle(), problem);
        return;
    }
    qv::settings::preferences::setTechnician(m_technician->text().trimmed());
    m_controller.setSite(m_site->text());
    if (connection != qv::settings::preferences::teamRegister()) {
        qv::settings::preferences::setTeamRegister(connection);
        m_controller.reopen();
    }
    QDialog::accept();
}

} // namespace qv::reg::gui
