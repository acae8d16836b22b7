#include "transfer/gui/statuscontroller.h"

#include "form/gui/statuspanel.h"
#include "serial/exchangethread.h"
#include "settings/gui/messages.h"
#include "transfer/exchange.h"
#include "transfer/statusview.h"

#include <QProgressDialog>

namespace qv::transfer::gui {

StatusController::StatusController(qv::transfer::LinkSource link, form::gui::StatusPanel &panel,
                                   QWidget *window, QObject *parent)
    : QObject(parent), m_link(std::move(link)), m_panel(panel), m_window(window)
{
}

void StatusController::query()
{
    m_panel.setQueryRunning(true);

    QProgressDialog progress(m_window);
    progress.setLabelText(tr("Állapot lekérdezése..."));
    progress.setRange(0, 50);
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setMinimumDuration(0);
    progress.show();

    // The query runs on its thread; the bar takes one step for the request and one for each
    // byte it announces. Its cancel button ends the query at the next byte or wait.
    qv::transfer::StatusQueryOutcome outcome;
    const qv::transfer::Link link = m_link();
    qv::serial::ExchangeThread exchange(
        link.port, [&outcome, link](qv::serial::ExchangeThread &thread) {
            outcome = qv::transfer::queryStatus(link, &thread, &thread.cancelFlag());
        });
    QObject::connect(&progress, &QProgressDialog::canceled, &progress,
                     [&exchange] { exchange.cancel(); });
    QObject::connect(&exchange, &qv::serial::ExchangeThread::advanced, &progress, [&progress] {
        if (progress.value() < progress.maximum())
            progress.setValue(progress.value() + 1);
    });
    exchange.runInEventLoop([] { return true; });
    progress.reset();
    progress.close();

    if (outcome.end == qv::transfer::StatusQueryEnd::Cancelled) {
        m_panel.setQueryRunning(false);
        return;
    }
    if (outcome.end != qv::transfer::StatusQueryEnd::Ok) {
        m_panel.setQueryRunning(false);
        qv::settings::gui::showMessage(m_window, QMessageBox::Critical, tr("Hiba"),
                                       qv::transfer::statusFailureText(outcome));
        return;
    }

    m_panel.show(qv::transfer::status::panelView(outcome.status, link.model));
    m_panel.setQueryRunning(false);
}

} // namespace qv::transfer::gui
