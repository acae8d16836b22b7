// Port selection and identification: the port dialog, then who answers "~|" on the port.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;
namespace qv::form::gui {
class StatusPanel;
}

namespace qv::serial::gui {

class PortController : public QObject
{
    Q_OBJECT

public:
    // The port and speed the window's link is on now.
    struct Link
    {
        QString port;
        qint32 baud = 1200;
    };
    // Asks the window for its link (`link`) and tells it by signals what was chosen and
    // found; `programVersion` is this program's; dialogs and messages are parented to
    // `window`.
    PortController(std::function<Link()> link, const QString &programVersion,
                   form::gui::StatusPanel &panel, QWidget *window, QObject *parent = nullptr);

    // Runs the port dialog (searching the ports first when `search`), stores the chosen
    // port and speed, and identifies the module on it. A supported model is announced by
    // moduleIdentified() before the greeting.
    void selectPort(bool search);

    // True when this release's compatibility table lists `identification`.
    bool isCompatible(const QString &identification) const;

signals:
    // The port and speed were chosen in the dialog.
    void portChosen(const QString &port, qint32 baud);
    // The identification found `model` (qv::settings::DeviceModelCode; NoDevice when no
    // supported module answered).
    void modelChanged(int model);
    // A supported model answered and modelChanged() told it: the window unlocks, shapes the
    // form for it and loads the defaults.
    void moduleIdentified();
    // The identified module's identification as received.
    void moduleIdChanged(const QString &id);

private:
    std::function<Link()> m_link;
    QString m_version;
    form::gui::StatusPanel &m_panel;
    QWidget *m_window = nullptr;
    // Every port that was current or chosen: the dialog offers them while they exist.
    QStringList m_knownPorts;
};

} // namespace qv::serial::gui
