// What the status panel shows for a status reply on a given model: the colour of each
// lamp, the texts of the read-outs and the signal bar, as the panel's style sheets.
#pragma once

#include "transfer/statusreply.h"

#include <QString>

#include <array>

namespace qv::status {

// The style sheets of the panel.
namespace style {
inline constexpr QLatin1StringView OutputOn{"background-color: rgb(255, 170, 0);"};
inline constexpr QLatin1StringView InputActive{"background-color: rgb(0, 170, 255);"};
inline constexpr QLatin1StringView Off{"background-color: rgb(180, 180, 180);"};
inline constexpr QLatin1StringView SupplyPresent{"background-color: rgb(0, 170, 0);"};
inline constexpr QLatin1StringView SupplyMissing{"background-color: rgb(255, 0, 0);"};
inline constexpr QLatin1StringView SignalNormal{
    "QProgressBar::chunk { background-color: #05B8CC; }"};
inline constexpr QLatin1StringView SignalWeak{"QProgressBar::chunk { background-color: #FF0000; }"};
inline constexpr QLatin1StringView ButtonRunning{
    "color: rgb(255, 255, 255); background-color: rgb(180, 180, 180);"};
inline constexpr QLatin1StringView ButtonAtRest{
    "color: rgb(255, 255, 255); background-color: rgb(0, 170, 127);"};
} // namespace style

// The signal bar runs from 0 to this; level 5 fills 50 of it.
inline constexpr int SignalBarMaximum = 55;

// The indicators a model has on the panel. Output 1, inputs 1 and 2, supply, signal and
// version are there on every model, "no module" and unknown codes included.
struct Indicators
{
    int outputs = 1;
    int inputs = 2;
    bool analogue = false; // analogue value and counter
};
Indicators indicatorsFor(int model);

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

// The panel for `status` on `model`; an indicator the model lacks is grey whatever the
// reply says, and a model without analogue input shows "--.- V" and "-----".
PanelView panelView(const ModuleStatus &status, int model);

} // namespace qv::status
