#include "transfer/statusview.h"

#include "form/deviceprofile.h"
#include "form/styles.h"

namespace qv::status {

PanelView panelView(const ModuleStatus &status, int model)
{
    // Output 1, inputs 1 and 2, supply, signal and version are on the panel of every model,
    // "no module" and unknown codes included: the smallest module's panel.
    const device::Profile has = device::profileFor(model).value_or(device::smallestProfile());
    PanelView view;
    for (int i = 0; i < 4; ++i) {
        view.outputStyles[i] =
            i < has.outputs && status.outputs[i] ? qv::style::OutputOn : qv::style::LampOff;
        view.inputStyles[i] =
            i < has.inputs && status.inputs[i] ? qv::style::InputActive : qv::style::LampOff;
    }
    if (has.analogue) {
        view.analog = status.analog + QStringLiteral(" V");
        view.counter = status.counter;
    } else {
        view.analog = QStringLiteral("--.- V");
        view.counter = QStringLiteral("-----");
    }
    view.supplyStyle = status.supply ? qv::style::SupplyPresent : qv::style::SupplyMissing;
    view.signal = signalBarValue(status.signalLevel);
    view.signalStyle = view.signal == 10 ? qv::style::SignalWeak : qv::style::SignalNormal;
    view.version = status.version;
    return view;
}

} // namespace qv::status
