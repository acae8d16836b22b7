// The status panel's view of a status reply on a given model: which lamps light, the
// read-outs' texts and the signal bar.
#pragma once

#include "form/panelview.h"
#include "transfer/statusreply.h"

namespace qv::transfer::status {

// The panel for `status` on `model`; an indicator the model lacks is grey whatever the
// reply says, and a model without analogue input shows "--.- V" and "-----".
form::PanelView panelView(const ModuleStatus &status, int model);

} // namespace qv::transfer::status
