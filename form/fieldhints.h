// What each field of the form accepts, in words: its tooltip, derived from the form's
// catalogue and the field rules.
#pragma once

#include <QString>

namespace qv::form::rules {

// The hint of the form's widget `field`: for a line edit, the characters it takes, its
// maximum length, the range its value stands for and how it is padded; for a check box
// of the telephone matrix, its telephone entry and what ticking it means. Empty for
// every other widget.
QString fieldHint(const QString &field);

} // namespace qv::form::rules
