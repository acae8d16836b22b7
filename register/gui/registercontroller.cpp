#include "register/gui/registercontroller.h"

#include "register/entry.h"
#include "register/journal.h"
#include "settings/devsettings.h"
#include "settings/preferences.h"

#include <QMessageBox>
#include <QTimer>
#include <QWidget>

namespace {

qv::reg::Operation operationOf(qv::transfer::ExchangeKind kind)
{
    switch (kind) {
    case qv::transfer::ExchangeKind::ReadOut:
        return qv::reg::Operation::ReadOut;
    case qv::transfer::ExchangeKind::Backup:
        return qv::reg::Operation::Backup;
    case qv::transfer::ExchangeKind::Download:
        return qv::reg::Operation::Download;
    case qv::transfer::ExchangeKind::Compare:
        return qv::reg::Operation::Compare;
    }
    return qv::reg::Operation::ReadOut;
}

qv::reg::Result resultOf(qv::transfer::ExchangeResult result)
{
    switch (result) {
    case qv::transfer::ExchangeResult::Ok:
        return qv::reg::Result::Ok;
    case qv::transfer::ExchangeResult::Differences:
        return qv::reg::Result::Differences;
    case qv::transfer::ExchangeResult::Failed:
        return qv::reg::Result::Failed;
    }
    return qv::reg::Result::Failed;
}

qv::reg::Verification verificationOf(qv::transfer::ReadBack readBack)
{
    switch (readBack) {
    case qv::transfer::ReadBack::NotRun:
        return qv::reg::Verification::NotRun;
    case qv::transfer::ReadBack::Same:
        return qv::reg::Verification::Same;
    case qv::transfer::ReadBack::Differs:
        return qv::reg::Verification::Differs;
    case qv::transfer::ReadBack::Failed:
        return qv::reg::Verification::Failed;
    }
    return qv::reg::Verification::NotRun;
}

} // namespace

RegisterController::RegisterController(const devSettings &settings, QWidget *window,
                                       const QString &teamConnection, QObject *parent)
    : QObject(parent), m_settings(settings), m_window(window)
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
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Nyilvántartás"), message,
                                QMessageBox::Ok, m_window);
    box->setObjectName(QStringLiteral("registerProblem"));
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

qv::reg::Entry RegisterController::entryFor(const qv::transfer::ExchangeReport &report) const
{
    qv::reg::Entry entry = qv::reg::newEntry(operationOf(report.kind), m_settings.Version);
    entry.result = resultOf(report.result);
    entry.reason = report.reason;
    entry.technician = qv::preferences::technician();
    entry.site = m_site;
    entry.port = report.port;
    entry.baud = report.baud;
    entry.identification = m_settings.DeviceId;
    entry.model = m_settings.DeviceModel;
    entry.fields = report.fields;
    qv::reg::takeModuleFacts(entry);
    entry.acknowledged = report.acknowledged;
    entry.verification = verificationOf(report.readBack);
    for (const qv::transfer::FieldDifference &d : report.differences)
        entry.differences.append({d.field, d.formValue, d.moduleValue});
    return entry;
}

void RegisterController::record(const qv::transfer::ExchangeReport &report)
{
    if (m_journal->record(entryFor(report)))
        emit recorded();
}
