#include "serial/gui/portcontroller.h"

#include "form/gui/statuspanel.h"
#include "serial/exchangethread.h"
#include "serial/gui/setcom.h"
#include "serial/identification.h"
#include "serial/identifymodule.h"
#include "serial/openadvice.h"
#include "settings/branding.h"
#include "settings/compattable.h"
#include "settings/devsettings.h"
#include "settings/gui/messages.h"

namespace qv::serial::gui {

PortController::PortController(settings::devSettings &settings, form::gui::StatusPanel &panel,
                               QWidget *window, QObject *parent)
    : QObject(parent), m_settings(settings), m_panel(panel), m_window(window)
{
}

void PortController::selectPort(bool search)
{
    if (!m_settings.Port.isEmpty() && !m_knownPorts.contains(m_settings.Port))
        m_knownPorts << m_settings.Port;
    setcom dialog(m_settings.Port, m_settings.Baudrate, qv::serial::lines::SearchProbeTimeoutMs,
                  search, m_knownPorts, m_window);
    if (dialog.exec() != QDialog::Accepted || dialog.portName().isEmpty())
        return;

    m_settings.Port = dialog.portName();
    if (!m_knownPorts.contains(m_settings.Port))
        m_knownPorts << m_settings.Port;
    m_settings.Baudrate = dialog.baud();
    emit portChosen();

    // On its thread; the window repaints meanwhile, and what the user does waits until the
    // identification has ended.
    qv::serial::IdentifyOutcome outcome;
    const QString port = m_settings.Port;
    const qint32 baud = m_settings.Baudrate;
    const QString version = m_settings.Version;
    qv::serial::ExchangeThread exchange(port, [&](qv::serial::ExchangeThread &) {
        outcome = qv::serial::identifyModule(port, baud, version);
    });
    exchange.runInEventLoop();
    switch (outcome.end) {
    case qv::serial::IdentifyEnd::Ok:
        break;
    case qv::serial::IdentifyEnd::NotOpen:
        // Nothing else changes.
        qv::settings::gui::showMessage(m_window, QMessageBox::Warning, tr("Eszköz"),
                                       qv::serial::identifyFailureText(outcome));
        return;
    case qv::serial::IdentifyEnd::NoModule:
    case qv::serial::IdentifyEnd::Incompatible:
        m_settings.DeviceModel = qv::settings::NoDevice;
        qv::settings::gui::showMessage(m_window, QMessageBox::Warning, tr("Eszköz"),
                                       qv::serial::identifyFailureText(outcome));
        return;
    }
    const qv::serial::Identification &id = outcome.id;

    m_panel.setVersion(id.text);
    m_settings.DeviceModel = id.model;
    if (id.model == qv::settings::NoDevice)
        return;

    emit moduleIdentified();
    m_settings.DeviceId = id.text;
    qv::settings::gui::showMessage(
        m_window, QMessageBox::Information, tr("Eszköz"),
        tr("A port sikeresen kiválasztva: %1\nA csatlakoztatott eszköz: %2")
            .arg(m_settings.Port, id.text));
}

bool PortController::isCompatible(const QString &identification) const
{
    return qv::settings::compat::isCompatible(m_settings.Version, identification);
}

} // namespace qv::serial::gui
