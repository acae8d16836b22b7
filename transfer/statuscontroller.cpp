#include "transfer/statuscontroller.h"

#include "form/statuspanel.h"
#include "serial/openadvice.h"
#include "serial/replybounds.h"
#include "serial/serialline.h"
#include "settings/devsettings.h"
#include "transfer/statusreply.h"
#include "transfer/statusview.h"
#include "ui/messages.h"

#include <QProgressDialog>

namespace {

// The query's progress window: one step for the request and one for each byte.
class StatusProgress : public qv::ReadProgress
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

StatusController::StatusController(const devSettings &settings, form::StatusPanel &panel,
                                   QWidget *window, QObject *parent)
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

    // The module answers "~[" with one line ended by CR, always at 1200 bit/s.
    qv::Reply reply;
    qv::SerialLine line;
    std::optional<qv::OpenFailure> openFailure;
    if (line.open(qv::lines::status(m_settings.Port)) == qv::OpenResult::Ok) {
        line.writeBytes("~[");
        StatusProgress steps(progress);
        steps.advance();
        qv::ReplyOptions options;
        options.bound = qv::replybound::Status;
        options.endAtCr = true;
        options.progress = &steps;
        reply = line.readReply(options);
        line.close();
    } else {
        reply.end = qv::ReplyEnd::NotOpen;
        openFailure = line.openFailure();
    }
    progress.reset();
    progress.close();

    // A line that ends by silence is taken as it came; one that broke off, never ended
    // or never came is a failed query.
    const qv::status::ParseResult parsed =
        reply.isComplete() ? qv::status::parseStatusLine(reply.text) : qv::status::ParseResult{};
    if (parsed.result != qv::status::ParseStatus::Ok) {
        m_panel.setQueryRunning(false);
        QString text = tr("Sikertelen lekérdezés.\nEllenőrizze az eszközt!");
        if (openFailure)
            text += u'\n' + qv::openFailureAdvice(*openFailure);
        qv::showMessage(m_window, QMessageBox::Critical, tr("Hiba"), text);
        return;
    }

    m_panel.show(qv::status::panelView(parsed.status, m_settings.DeviceModel));
    m_panel.setQueryRunning(false);
}
