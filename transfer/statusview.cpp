#include "transfer/statusview.h"

#include "form/deviceprofile.h"
#include "form/styles.h"

namespace qv::transfer::status {

form::PanelView panelView(const ModuleStatus &status, int model)
{
    // Output 1, inputs 1 and 2, supply, signal and version are on the panel of every model,
    // "no module" and unknown codes included: the smallest module's panel.
    const form::device::Profile has =
        form::device::profileFor(model).value_or(form::device::smallestProfile());
    form::PanelView view;
    for (int i = 0; i < 4; ++i) {
        view.outputStyles[i] = i < has.outputs && status.outputs[i] ? qv::form::style::OutputOn
                                                                    : qv::form::style::LampOff;
        view.inputStyles[i] = i < has.inputs && status.inputs[i] ? qv::form::style::InputActive
                                                                 : qv::form::style::LampOff;
    }
    if (has.analogue) {
        view.analog = status.analog + QStringLiteral(" V");
        view.counter = status.counter;
    } else {
        view.analog = QStringLiteral("--.- V");
        view.counter = QStringLiteral("-----");
    }
    view.supplyStyle =
        status.supply ? qv::form::style::SupplyPresent : qv::form::style::SupplyMissing;
    view.signal = signalBarValue(status.signalLevel);
    view.signalStyle =
        view.signal == 10 ? qv::form::style::SignalWeak : qv::form::style::SignalNormal;
    view.version = status.version;
    return view;
}

} // namespace qv::transfer::status
