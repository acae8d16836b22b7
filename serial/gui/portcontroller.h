// Port selection and identification: the port dialog, then who answers "~|" on the port.
#pragma once

#include "settings/devsettings.h"

#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;
namespace qv::form::gui {
class StatusPanel;
}

namespace qv::serial::gui {

class PortController : public QObject
{
    Q_OBJECT

public:
    // Works on the window's `settings`; dialogs and messages are parented to `window`.
    PortController(settings::devSettings &settings, form::gui::StatusPanel &panel, QWidget *window,
                   QObject *parent = nullptr);

    // Runs the port dialog (searching the ports first when `search`), stores the chosen
    // port and speed, and identifies the module on it. A supported model is announced by
    // moduleIdentified() before the greeting.
    void selectPort(bool search);

    // True when this release's compatibility table lists `identification`.
    bool isCompatible(const QString &identification) const;

signals:
    // Port and Baudrate were set from the dialog.
    void portChosen();
    // A supported model answered and DeviceModel holds it: the window unlocks, shapes the
    // form for it and loads the defaults.
    void moduleIdentified();

private:
    settings::devSettings &m_settings;
    form::gui::StatusPanel &m_panel;
    QWidget *m_window = nullptr;
    // Every port that was current or chosen: the dialog offers them while they exist.
    QStringList m_knownPorts;
};

} // namespace qv::serial::gui
