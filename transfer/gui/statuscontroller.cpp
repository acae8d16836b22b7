#include "transfer/gui/statuscontroller.h"

#include "form/gui/statuspanel.h"
#include "serial/serialline.h"
#include "settings/devsettings.h"
#include "settings/gui/messages.h"
#include "transfer/statusquery.h"
#include "transfer/statusview.h"

#include <QProgressDialog>

namespace qv::transfer::gui {

namespace {

// The query's progress window: one step for the request and one for each byte.
class StatusProgress : public qv::serial::ReadProgress
{
public:
    explicit StatusProgress(QProgressDialog &dialog) : m_dialog(dialog) {}
    void advance() override
    {
        if (m_dialog.value() < m_dialog.maximum())
            m_dialog.setValue(m_dialog.value() + 1);
    }
    bool cancelled() override { return false; } // the query is not cancelled

private:
    QProgressDialog &m_dialog;
};

} // namespace

StatusController::StatusController(const settings::devSettings &settings,
                                   form::gui::StatusPanel &panel, QWidget *window, QObject *parent)
    : QObject(parent), m_settings(settings), m_panel(panel), m_window(window)
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

    StatusProgress steps(progress);
    const qv::transfer::StatusQueryOutcome outcome =
        qv::transfer::queryModuleStatus(m_settings.Port, &steps);
    progress.reset();
    progress.close();

    if (outcome.end != qv::transfer::StatusQueryEnd::Ok) {
        m_panel.setQueryRunning(false);
        qv::settings::gui::showMessage(m_window, QMessageBox::Critical, tr("Hiba"),
                                       qv::transfer::statusFailureText(outcome));
        return;
    }

    m_panel.show(qv::transfer::status::panelView(outcome.status, m_settings.DeviceModel));
    m_panel.setQueryRunning(false);
}

} // namespace qv::transfer::gui
