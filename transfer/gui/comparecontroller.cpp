#include "transfer/gui/comparecontroller.h"

#include "settings/devsettings.h"
#include "settings/gui/messages.h"
#include "transfer/gui/comparedialog.h"
#include "transfer/gui/downloadcontroller.h"
#include "transfer/gui/readoutexchange.h"

namespace qv::transfer::gui {

CompareController::CompareController(const settings::devSettings &settings,
                                     DownloadController &download, QWidget *window, QObject *parent)
    : QObject(parent), m_settings(settings), m_download(download), m_window(window)
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
    const qv::transfer::ReadOutOutcome outcome =
        readOutModule(m_settings.Port, m_settings.Baudrate,
                      QChar(char16_t(quint8(m_settings.UploadSeparator))), parent);
    qv::transfer::ExchangeReport report = qv::transfer::readOutReport(
        outcome, qv::transfer::ExchangeKind::Compare, m_settings.Port, m_settings.Baudrate);
    if (outcome.end != qv::transfer::ReadOutEnd::Ok) {
        if (const QString text = qv::transfer::readOutFailureText(outcome); !text.isEmpty())
            qv::settings::gui::showMessage(parent, QMessageBox::Critical, tr("Hiba"), text);
        emit exchanged(report);
        return;
    }

    report.differences = qv::transfer::compareRecords(
        record, outcome.decoded.fields, QChar(char16_t(quint8(m_settings.DownloadSeparator))));
    if (!report.differences.isEmpty()) {
        report.result = qv::transfer::ExchangeResult::Differences;
        report.reason = tr("A modulban %n érték tér el.", nullptr, int(report.differences.size()));
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
