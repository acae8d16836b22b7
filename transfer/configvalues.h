// A configuration file's values and the module's record, without the form: the values a
// file gives each field of the form (form::configurationFields(), in the file's line
// order), turned into what a download of that form sends, and a read-out turned into the
// file the form would save after it. The commands use these; the window walks its widgets.
#pragma once

#include "transfer/configrecord.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace qv::transfer {

// The form's values after opening a file of `values` (qv::files::kValueLines lines): each
// text as its line edit takes it (cut to the edit's length), each check box and radio
// button set or not. The profile stays unset.
FormValues formValuesFromFile(const QStringList &values);

// The lines of the file the form saves after `readOut` has filled it from its initial
// state and the form has been shaped for `model` (qv::settings::DeviceModelCode): what the read-out
// does not set keeps the form's own initial value; the texts, matrix columns and ring-in
// outputs the model lacks are emptied, and RING and SMS of an entry without an alarm
// source are off, as the window leaves them.
QStringList fileValuesFromReadOut(const ReadOutForm &readOut, int model);

// The same for 56 record fields as a read-out receives them (a register entry's); nothing
// when they do not decode.
std::optional<QStringList> fileValuesFromRecord(const QStringList &fields, int model);

} // namespace qv::transfer
