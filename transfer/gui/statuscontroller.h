// The module's live status in the status panel.
#pragma once

#include <QObject>

struct devSettings;
class QWidget;
namespace form {
class StatusPanel;
}

class StatusController : public QObject
{
    Q_OBJECT

public:
    // Reads Port and DeviceModel of the window's `settings`; the progress window and the
    // messages are parented to `window`.
    StatusController(const devSettings &settings, form::StatusPanel &panel, QWidget *window,
                     QObject *parent = nullptr);

    // Asks the module for its status ("~[", always at 1200 bit/s) and shows it; a failed
    // query leaves the panel as it was and says so.
    void query();

private:
    const devSettings &m_settings;
    form::StatusPanel &m_panel;
    QWidget *m_window = nullptr;
};
