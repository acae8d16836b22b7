#include "transfer/statusview.h"

#include "settings/devsettings.h"

namespace qv::status {

Indicators indicatorsFor(int model)
{
    switch (model) {
    case ModelQV5:
        return {4, 4, true};
    case ModelQV3:
        return {2, 2, true};
    default: // Q_BRK2, no module, an unknown code
        return {1, 2, false};
    }
}

PanelView panelView(const ModuleStatus &status, int model)
{
    const Indicators has = indicatorsFor(model);
    PanelView view;
    for (int i = 0; i < 4; ++i) {
        view.outputStyles[i] = i < has.outputs && status.outputs[i] ? style::OutputOn : style::Off;
        view.inputStyles[i] = i < has.inputs && status.inputs[i] ? style::InputActive : style::Off;
    }
    if (has.analogue) {
        view.analog = status.analog + QStringLiteral(" V");
        view.counter = status.counter;
    } else {
        view.analog = QStringLiteral("--.- V");
        view.counter = QStringLiteral("-----");
    }
    view.supplyStyle = status.supply ? style::SupplyPresent : style::SupplyMissing;
    view.signal = signalBarValue(status.signalLevel);
    view.signalStyle = view.signal == 10 ? style::SignalWeak : style::SignalNormal;
    view.version = status.version;
    return view;
}

} // namespace qv::status
