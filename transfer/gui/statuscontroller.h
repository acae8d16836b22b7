// The module's live status in the status panel.
#pragma once

#include "transfer/exchange.h"

#include <QObject>

class QWidget;
namespace qv::form::gui {
class StatusPanel;
}

namespace qv::transfer::gui {

class StatusController : public QObject
{
    Q_OBJECT

public:
    // Reads Port and DeviceModel of the window's `settings`; the progress window and the
    // messages are parented to `window`.
    StatusController(qv::transfer::LinkSource link, form::gui::StatusPanel &panel, QWidget *window,
                     QObject *parent = nullptr);

    // Asks the module for its status ("~[", always at 1200 bit/s) and shows it; a failed
    // query leaves the panel as it was and says so.
    void query();

private:
    qv::transfer::LinkSource m_link;
    form::gui::StatusPanel &m_panel;
    QWidget *m_window = nullptr;
};

} // namespace qv::transfer::gui
