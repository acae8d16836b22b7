// What the status panel shows: the colour of each lamp, the texts of the read-outs and the
// signal bar, as the panel's style sheets. The status query makes one from a module's
// status reply (transfer/statusview); the panel only shows it.
#pragma once

#include <QString>

#include <array>

namespace qv::form {

// The signal bar runs from 0 to this; level 5 fills 50 of it.
inline constexpr int SignalBarMaximum = 55;

struct PanelView
{
    std::array<QString, 4> outputStyles; // w_ki1 .. w_ki4
    std::array<QString, 4> inputStyles;  // w_be1 .. w_be4
    QString analog;                      // l_analog, unit included
    QString counter;                     // l_counter
    QString supplyStyle;                 // w_tp
    int signal = 10;                     // terero's value, 10 to 50 of SignalBarMaximum
    QString signalStyle;                 // terero
    QString version;                     // l_ver
};

} // namespace qv::form
