// Shaping the form for a module model: what the model lacks is emptied and disabled.
#pragma once

namespace qv::form::gui {

class FormBinding;

// The notification-matrix columns, ring-in outputs, analogue page, input and output texts
// and monostable/bistable choices of `model`: those the model lacks are disabled (texts
// and ticks cleared, a ring-in choice of a missing output moved to "no output"), those it
// has are enabled again. No device and unknown codes only open the analogue page.
void shapeForModel(FormBinding &form, int model);

} // namespace qv::form::gui
