#include "transfer/gui/comparecontroller.h"

#include "settings/gui/messages.h"
#include "transfer/gui/comparedialog.h"
#include "transfer/gui/downloadcontroller.h"
#include "transfer/gui/readoutexchange.h"

namespace qv::transfer::gui {

CompareController::CompareController(qv::transfer::LinkSource link, DownloadController &download,
                                     QWidget *window, QObject *parent)
    : QObject(parent), m_link(std::move(link)), m_download(download), m_window(window)
{
}

void CompareController::compare()
{
    const std::optional<QString> record = m_download.assembleRecord();
    if (!record)
        return;
    readAndCompare(*record, tr("Az űrlapon"), m_window, true);
}

void CompareController::compareRecord(const QString &record, const QString &ours, QWidget *parent)
{
    readAndCompare(record, ours, parent, false);
}

void CompareController::readAndCompare(const QString &record, const QString &ours, QWidget *parent,
                                       bool formRecord)
{
    const qv::transfer::ReadOut done = compareWithModule(m_link(), record, parent);
    const qv::transfer::ExchangeReport &report = done.report;
    if (done.outcome.end != qv::transfer::ReadOutEnd::Ok) {
        if (const QString text = qv::transfer::readOutFailureText(done.outcome); !text.isEmpty())
            qv::settings::gui::showMessage(parent, QMessageBox::Critical, tr("Hiba"), text);
        emit exchanged(report);
        return;
    }
    emit exchanged(report);
    if (report.differences.isEmpty()) {
        if (formRecord)
            emit sameAsModule();
        qv::settings::gui::showMessage(parent, QMessageBox::Information, tr("Összehasonlítás"),
                                       tr("Nincs eltérés."));
        return;
    }
    CompareDialog dialog(report.differences, ours, parent);
    dialog.exec();
}

} // namespace qv::transfer::gui
