#include "serial/portcontroller.h"

#include "form/statuspanel.h"
#include "serial/comport.h"
#include "serial/identification.h"
#include "serial/openadvice.h"
#include "serial/setcom.h"
#include "settings/branding.h"
#include "settings/compattable.h"
#include "settings/devsettings.h"
#include "ui/messages.h"

PortController::PortController(devSettings &settings, form::StatusPanel &panel, QWidget *window,
                               QObject *parent)
    : QObject(parent), m_settings(settings), m_panel(panel), m_window(window)
{
}

void PortController::selectPort(bool search)
{
    if (!m_settings.Port.isEmpty() && !m_knownPorts.contains(m_settings.Port))
        m_knownPorts << m_settings.Port;
    setcom dialog(m_settings.Port, m_settings.Baudrate, qv::lines::SearchProbeTimeoutMs, search,
                  m_knownPorts, m_window);
    if (dialog.exec() != QDialog::Accepted || dialog.portName().isEmpty())
        return;

    m_settings.Port = dialog.portName();
    if (!m_knownPorts.contains(m_settings.Port))
        m_knownPorts << m_settings.Port;
    m_settings.Baudrate = dialog.baud();
    emit portChosen();

    // The module answers "~|" with its identification, then falls silent.
    comPort port;
    port.setReplyBound(qv::replybound::Identification);
    if (!port.open(qv::lines::identification(m_settings.Port, m_settings.Baudrate))) {
        // Nothing else changes; but the user chose this port and must learn why nothing
        // happened.
        QString text = QStringLiteral("A kiválasztott port nem nyitható meg.");
        if (const auto &failure = port.openFailure())
            text += u'\n' + qv::openFailureAdvice(*failure);
        qv::showMessage(m_window, QMessageBox::Warning, QStringLiteral("Eszköz"), text);
        return;
    }
    port.writeText(QStringLiteral("~|"), false);
    const qv::Reply reply = port.readAll();
    port.close();

    // A reply that broke off or never fell silent is no identification either.
    const qv::Identification id = qv::evaluateIdentification(reply.text);
    if (!reply.isComplete() || !id.isModule) {
        if (!reply.isComplete())
            qCDebug(qv::lcIdent) << "identification reply incomplete:" << int(reply.end);
        m_settings.DeviceModel = qv::NoDevice;
        qv::showMessage(m_window, QMessageBox::Warning, QStringLiteral("Eszköz"),
                        QStringLiteral("A kiválasztott porton nem található csatlakoztatott "
                                       "eszköz."));
        return;
    }

    if (!isCompatible(id.text)) {
        m_settings.DeviceModel = qv::NoDevice;
        qv::showMessage(m_window, QMessageBox::Warning, QStringLiteral("Eszköz"),
                        QStringLiteral("A csatlakoztatott eszköz nem kompatibilis a jelenlegi "
                                       "szoftververzióval.\nKérem töltse le a legújabb verziót "
                                       "a \"%1\" oldalról!")
                            .arg(qv::makerWebAddress()));
        return;
    }

    m_panel.setVersion(id.text);
    m_settings.DeviceModel = id.model;
    if (id.model == qv::NoDevice)
        return;

    emit moduleIdentified();
    m_settings.DeviceId = id.text;
    qv::showMessage(m_window, QMessageBox::Information, QStringLiteral("Eszköz"),
                    QStringLiteral("A port sikeresen kiválasztva: %1\nA csatlakoztatott eszköz: %2")
                        .arg(m_settings.Port, id.text));
}

bool PortController::isCompatible(const QString &identification) const
{
    return qv::compat::isCompatible(m_settings.Version, identification);
}
