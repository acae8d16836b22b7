#include "transfer/comparecontroller.h"

#include "settings/devsettings.h"
#include "transfer/comparedialog.h"
#include "transfer/downloadcontroller.h"
#include "transfer/readoutexchange.h"
#include "ui/messages.h"

CompareController::CompareController(const devSettings &settings, DownloadController &download,
                                     QWidget *window, QObject *parent)
    : QObject(parent), m_settings(settings), m_download(download), m_window(window)
{
}

void CompareController::compare()
{
    const std::optional<QString> record = m_download.assembleRecord();
    if (!record)
        return;

    const qv::transfer::ReadOutOutcome outcome =
        qv::transfer::readOutModule(m_settings.Port, m_settings.Baudrate,
                                    QChar(char16_t(quint8(m_settings.UploadSeparator))), m_window);
    if (outcome.end != qv::transfer::ReadOutEnd::Ok) {
        if (const QString text = qv::transfer::readOutFailureText(outcome); !text.isEmpty())
            qv::showMessage(m_window, QMessageBox::Critical, QStringLiteral("Hiba"), text);
        return;
    }

    const QList<qv::transfer::FieldDifference> differences = qv::transfer::compareRecords(
        *record, outcome.decoded.fields, QChar(char16_t(quint8(m_settings.DownloadSeparator))));
    if (differences.isEmpty()) {
        emit sameAsModule();
        qv::showMessage(m_window, QMessageBox::Information, QStringLiteral("Összehasonlítás"),
                        QStringLiteral("Nincs eltérés."));
        return;
    }
    CompareDialog dialog(differences, QStringLiteral("Az űrlapon"), m_window);
    dialog.exec();
}
