// The status panel beside the form (g_allapot): the module's version, its lamps, the
// analogue value, the counter, the signal bar and the query button.
#pragma once

#include "form/panelview.h"

#include <QString>

namespace qv::form::gui::Ui {
class MainWindow;
}

namespace qv::form::gui {

class StatusPanel
{
public:
    explicit StatusPanel(const Ui::MainWindow &ui);

    // l_ver: the identification of the module.
    void setVersion(const QString &text);

    // Greys what `model` lacks: captions, lamps of missing inputs and outputs, and the
    // analogue value and counter of a module without analogue input. No device and unknown
    // codes leave the panel as it is.
    void shapeFor(int model);

    // The query button while the query runs ("Várjon!...", disabled, grey) and at rest; a
    // running query also empties the signal bar.
    void setQueryRunning(bool running);

    // Shows a status reply.
    void show(const qv::form::PanelView &view);

private:
    const Ui::MainWindow &m_ui;
};

} // namespace qv::form::gui
