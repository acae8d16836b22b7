// Reading what the emulator is started with: a stored configuration file and a
// status description, as given on qvsim's command line.
#pragma once

#include "transfer/statusreply.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace qvsim {

// A stored configuration: 56 lines, one field each (CR LF or LF); a last empty line is
// ignored. Or one download record: 56 items each followed by "|".
std::optional<QStringList> loadFieldsFile(const QString &path, QString *error);

// "outputs=1010,inputs=0100,analog=12.5,counter=00042,supply=1,signal=4,version=FW2.1";
// any subset, applied over `status`. False (and *error) on an unknown key or bad value.
bool applyStatusItems(qv::status::ModuleStatus &status, const QString &items, QString *error);

} // namespace qvsim
