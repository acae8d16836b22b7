// The status panel beside the form (g_allapot): the module's version, its lamps, the
// analogue value, the counter, the signal bar and the query button.
#pragma once

#include "form/panelview.h"

#include <QDateTime>
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

    // Shows a status reply; the panel's tooltip says when it came.
    void show(const qv::form::PanelView &view);

    // Greys the values shown, which no longer belong to the module on the port (another
    // module was identified, a series wrote other modules); the next reply shows them again.
    void markStale();

private:
    void setValuesGrey(bool grey);

    const Ui::MainWindow &m_ui;
    QDateTime m_filledAt; // when the values shown came; invalid before the first
};

} // namespace qv::form::gui
