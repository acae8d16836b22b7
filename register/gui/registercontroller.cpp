#include "register/gui/registercontroller.h"

#include "register/entry.h"
#include "register/exchangeentry.h"
#include "register/journal.h"
#include "settings/devsettings.h"
#include "settings/preferences.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

namespace qv::reg::gui {

RegisterController::RegisterController(qv::transfer::LinkSource link, const QString &programVersion,
                                       QWidget *window, const QString &teamConnection,
                                       QObject *parent)
    : QObject(parent), m_link(std::move(link)), m_version(programVersion), m_window(window)
{
    open(teamConnection);
}

RegisterController::~RegisterController() = default;

void RegisterController::open(const QString &teamConnection)
{
    m_journal = std::make_unique<qv::reg::Journal>();
    connect(m_journal.get(), &qv::reg::Journal::statusMessage, this,
            &RegisterController::statusMessage);
    // A register that cannot be opened is said once the window is up, not in its way.
    connect(m_journal.get(), &qv::reg::Journal::problem, this, [this](const QString &message) {
        if (m_opening)
            QTimer::singleShot(0, this, [this, message] { showProblem(message); });
        else
            showProblem(message);
    });
    m_opening = true;
    m_journal->openDefault(teamConnection);
    m_opening = false;
}

void RegisterController::reopen()
{
    open({});
}

QString RegisterController::teamConnection() const
{
    return m_journal->teamConnection();
}

// The box does not wait for its answer: a problem may come from the team's sender while an
// exchange runs, which must not stop for it.
void RegisterController::showProblem(const QString &message)
{
    auto *box = new QMessageBox(QMessageBox::Warning, tr("Nyilvántartás"), message, QMessageBox::Ok,
                                m_window);
    box->setObjectName(QStringLiteral("registerProblem"));
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

qv::reg::Entry RegisterController::entryFor(const qv::transfer::ExchangeReport &report) const
{
    const qv::transfer::Link link = m_link();
    return qv::reg::entryForExchange(
        report, qv::reg::exchangeContext(m_version, link.moduleId, link.model, m_site));
}

void RegisterController::askTechnicianOnce()
{
    if (qv::settings::preferences::technicianAsked())
        return;
    // Remembered before the question, so that an exchange ending meanwhile does not ask again.
    qv::settings::preferences::setTechnician(QString());
    QInputDialog dialog(m_window);
    dialog.setObjectName(QStringLiteral("technicianQuestion"));
    dialog.setWindowTitle(tr("Nyilvántartás"));
    dialog.setLabelText(tr("A nyilvántartás minden bejegyzése megőrzi, ki dolgozott a modullal.\n"
                           "Az Ön neve (üresen is hagyható, és később a nyilvántartás\n"
                           "\"Beállítások…\" gombjával módosítható):"));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setOkButtonText(tr("OK"));
    dialog.setCancelButtonText(tr("Kihagyás"));
    if (dialog.exec() == QDialog::Accepted)
        qv::settings::preferences::setTechnician(dialog.textValue());
}

void RegisterController::record(const qv::transfer::ExchangeReport &report)
{
    askTechnicianOnce();
    if (m_journal->record(entryFor(report)))
        emit recorded();
}

} // namespace qv::reg::gui
