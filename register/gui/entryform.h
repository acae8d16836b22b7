// A register entry's configuration in a form of its own, never shown: filled as a read-out
// fills the window's form and shaped for the entry's model, so that its values are those
// the window's form holds after a read-out of that configuration.
#pragma once

#include <QStringList>

#include <optional>

namespace qv::reg::gui::entryform {

// The form's configuration values (in the order of form::configurationFields()) for 56
// record fields of a module of `model`; nothing when the fields do not decode.
std::optional<QStringList> formValues(const QStringList &fields, int model);

} // namespace qv::reg::gui::entryform
