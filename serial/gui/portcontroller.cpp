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

PortController::PortController(std::function<Link()> link, const QString &programVersion,
                               form::gui::StatusPanel &panel, QWidget *window, QObject *parent)
    : QObject(parent), m_link(std::move(link)), m_version(programVersion), m_panel(panel),
      m_window(window)
{
}

void PortController::selectPort(bool search)
{
    const Link current = m_link();
    if (!current.port.isEmpty() && !m_knownPorts.contains(current.port))
        m_knownPorts << current.port;
    setcom dialog(current.port, current.baud, qv::serial::lines::SearchProbeTimeoutMs, search,
                  m_knownPorts, m_window);
    if (dialog.exec() != QDialog::Accepted || dialog.portName().isEmpty())
        return;

    const QString port = dialog.portName();
    if (!m_knownPorts.contains(port))
        m_knownPorts << port;
    const qint32 baud = dialog.baud();
    emit portChosen(port, baud);

    // On its thread; the window repaints meanwhile, and what the user does waits until the
    // identification has ended.
    qv::serial::IdentifyOutcome outcome;
    const QString version = m_version;
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
        emit modelChanged(qv::settings::NoDevice);
        qv::settings::gui::showMessage(m_window, QMessageBox::Warning, tr("Eszköz"),
                                       qv::serial::identifyFailureText(outcome));
        return;
    }
    const qv::serial::Identification &id = outcome.id;

    m_panel.setVersion(id.text);
    emit modelChanged(id.model);
    if (id.model == qv::settings::NoDevice)
        return;

    emit moduleIdentified();
    emit moduleIdChanged(id.text);
    qv::settings::gui::showMessage(
        m_window, QMessageBox::Information, tr("Eszköz"),
        tr("A port sikeresen kiválasztva: %1\nA csatlakoztatott eszköz: %2").arg(port, id.text));
}

bool PortController::isCompatible(const QString &identification) const
{
    return qv::settings::compat::isCompatible(m_version, identification);
}

} // namespace qv::serial::gui
