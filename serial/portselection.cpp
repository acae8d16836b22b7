// Port selection and identification of the module on the chosen port.
#include "app/mainwindow.h"

#include "app/messages.h"
#include "form/mainwindowui.h"
#include "serial/comport.h"
#include "serial/identification.h"
#include "serial/setcom.h"
#include "settings/branding.h"
#include "settings/compattable.h"
#include "settings/datafiles.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(lcIdent, "qv.ident")

// How long the port dialog waits for each byte of a probe during the search.
constexpr int kProbeTimeoutMs = 300;

} // namespace

void MainWindow::show_port()
{
    // Only the button searches; the menu entry opens the dialog as it is.
    const bool search = sender() && sender()->objectName() == QLatin1StringView("port_gomb");
    setcom dialog(settings.Port, settings.Baudrate, kProbeTimeoutMs, search, this);
    if (dialog.exec() != QDialog::Accepted)
        return;

    settings.Port = dialog.portName();
    settings.Baudrate = dialog.baud();
    portLabel->setText(
        QStringLiteral("%1   Baud: %2").arg(settings.Port, QString::number(settings.Baudrate)));

    // The module answers "~|" with its identification, then falls silent.
    comPort port(settings.Port, settings.Baudrate);
    port.setReplyBound(qv::replybound::Identification);
    if (!port.open(500, 0, 0, 0))
        return; // the reason is in the debug output; nothing else changes
    port.writeText(QStringLiteral("~|"), false);
    const qv::Reply reply = port.readAll();
    port.close();

    // A reply that broke off or never fell silent is no identification either.
    const qv::Identification id = qv::evaluateIdentification(reply.text);
    if (!reply.isComplete() || !id.isModule) {
        if (!reply.isComplete())
            qCDebug(lcIdent) << "identification reply incomplete:" << int(reply.end);
        settings.DeviceModel = qv::NoDevice;
        qv::showMessage(this, QMessageBox::Warning, QStringLiteral("Eszköz"),
                        QStringLiteral("A kiválasztott porton nem található csatlakoztatott "
                                       "eszköz."));
        return;
    }

    if (!checkCompatibility(id.text)) {
        settings.DeviceModel = qv::NoDevice;
        qv::showMessage(this, QMessageBox::Warning, QStringLiteral("Eszköz"),
                        QStringLiteral("A csatlakoztatott eszköz nem kompatibilis a jelenlegi "
                                       "szoftververzióval.\nKérem töltse le a legújabb verziót "
                                       "a \"%1\" oldalról!")
                            .arg(qv::makerWebAddress()));
        return;
    }

    ui->get<QLabel>("l_ver")->setText(id.text);
    settings.DeviceModel = id.model;
    if (id.model == qv::NoDevice)
        return;

    globalEnableUI();
    setDeviceUI();
    newfile();
    settings.DeviceId = id.text;
    qv::showMessage(this, QMessageBox::Information, QStringLiteral("Eszköz"),
                    QStringLiteral("A port sikeresen kiválasztva: %1\nA csatlakoztatott eszköz: %2")
                        .arg(settings.Port, id.text));
}

bool MainWindow::checkCompatibility(const QString &deviceVersion)
{
    const QString name = qv::compat::tableFileName(settings.Version);
    if (name.isEmpty()) {
        qCDebug(lcIdent).noquote()
            << QStringLiteral("\"no table name for version %1\"").arg(settings.Version);
        return false;
    }
    // Only a plain file: a named pipe in its place would wait for a writer for ever.
    const QString path = qv::locateDataFile(name);
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        qCDebug(lcIdent).noquote()
            << QStringLiteral("\"%1: %2\"")
                   .arg(name, QFileInfo::exists(path) ? file.errorString()
                                                      : QStringLiteral("No such file"));
        return false;
    }
    const qv::compat::Table table = qv::compat::readTable(file);
    if (table.status != qv::compat::ReadStatus::Ok)
        qCDebug(lcIdent).noquote() << QStringLiteral("\"%1: not a compatibility table\"").arg(name);
    return qv::compat::lists(table, deviceVersion);
}
