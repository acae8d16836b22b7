// The program's icon (window, task bar), in every size drawn for it.
#pragma once

#include <QIcon>

namespace qv {

QIcon applicationIcon();

} // namespace qv
